#include "ui/program.h"

#include "form/form_runtime.h"
#include "form/keyboard_order.h"
#include "form/process.h"
#include "form/values/calendar_library.h"
#include "form/values/command.h"
#include "ui/handlers.h"
#include "ui/main_window_ids.h"
#include "ui/main_window_template.h"
#include "ui/reading_regions.h"
#include "ui/ring_menu.h"

namespace veltrane::ui {

Program::Program(std::span<const std::uint8_t> template_stream) : template_(template_stream) {
  if (template_.empty()) {
    own_template_ = MainWindowTemplate();
    template_ = own_template_;
  }
}

void Program::Start() {
  runtime::InitRuntime(template_, HandlerTable(state_));
  // The calendar's two operations join the value operations behind CallCommand.
  runtime::RegisterCommandLibrary(runtime::kCalendarLibraryNumber, calendar::CalendarLibrary());
  // The kept texts go back to the heap on the way out, as every heap text does.
  runtime::RegisterExitRoutine([this] { state_.kept = KeptPlotting(); });
  runtime::SetReadingRegions(kMainWindow, MainWindowReadingRegions());
  runtime::SetContextMenu(kMainWindow, RingMenu());
  runtime::LoadWindow(kMainWindow);
}

void Program::Run() {
  Start();
  runtime::RunMessageLoop();
  runtime::ExitProgram(0);
}

}  // namespace veltrane::ui
