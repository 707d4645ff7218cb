#include "ui/program.h"

#include <vector>

#include "form/values/calendar_library.h"
#include "form/form_runtime.h"
#include "form/keyboard_order.h"
#include "form/process.h"
#include "form/values/command.h"
#include "ui/handlers.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"
#include "ui/main_window_template.h"
#include "ui/reading_regions.h"

namespace veltrane::ui {

void StartProgram(std::span<const std::uint8_t> template_stream) {
  // The main window's template, made once and kept for the whole run.
  static const std::vector<std::uint8_t> main_window_template = MainWindowTemplate();
  runtime::InitRuntime(template_stream.empty() ? std::span(main_window_template) : template_stream,
                       HandlerTable());
  // The calendar's two operations join the value operations behind CallCommand.
  runtime::RegisterCommandLibrary(runtime::kCalendarLibraryNumber, calendar::CalendarLibrary());
  runtime::RegisterExitRoutine(&FreeKeptPlotting);
  runtime::SetReadingRegions(kMainWindow, MainWindowReadingRegions());
  runtime::LoadWindow(kMainWindow);
}

void RunProgram(std::span<const std::uint8_t> template_stream) {
  StartProgram(template_stream);
  runtime::RunMessageLoop();
  runtime::ExitProgram(0);
}

}  // namespace veltrane::ui
