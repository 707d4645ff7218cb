// The program started on the headless platform with a set clock, as the
// window tests of the handlers use it, and the readers of what the window shows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/text/gbk.h"
#include "chart/plate_model.h"
#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "form/process.h"
#include "platform/headless/headless_platform.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"
#include "ui/plate_binding.h"
#include "ui/program.h"

namespace veltrane::ui {

class ProgramFixture : public testing::Test {
 protected:
  // Installs the headless platform with its clock at `clock` and starts the
  // program: the main window is created and plots the clock's hour.
  void Start(const platform::LocalTime& clock) {
    platform::InstallPlatform(&platform_);
    platform_.SetClock(clock);
    program_.Start();
  }
  // Ends the runtime and forgets the exit routines; the program and its state
  // are the fixture's own and go with it.
  void TearDown() override {
    runtime::ShutdownRuntimeForTests();
    runtime::ClearExitRoutines();
  }

  // The native handle of a control of the main window.
  platform::Handle H(ControlId control) { return runtime::NativeHandleOf(kMainWindow, control); }
  // An edit box's content, as UTF-8.
  std::string Edit(ControlId box) { return Utf8(box, runtime::kEditContent); }
  // A label's caption, as UTF-8.
  std::string Caption(ControlId label) { return Utf8(label, runtime::kLabelCaption); }
  // A combo box's selection.
  int Selection(ControlId box) {
    return runtime::ReadInt(kMainWindow, box, runtime::kComboSelection);
  }
  // A control's place in the window.
  ControlPoint Where(ControlId control) {
    return {runtime::ReadInt(kMainWindow, control, runtime::kLeft),
            runtime::ReadInt(kMainWindow, control, runtime::kTop)};
  }
  // Sets an edit box's content as typing would leave it.
  void Type(ControlId box, std::string_view utf8) {
    runtime::WriteText(kMainWindow, box, runtime::kEditContent, runtime::GbkFromUtf8(utf8).c_str());
  }

  platform::HeadlessPlatform platform_;
  Program program_;

 private:
  std::string Utf8(ControlId control, runtime::PropertyIndex property) {
    return runtime::Utf8FromGbk(runtime::ReadText(kMainWindow, control, property).view());
  }
};

}  // namespace veltrane::ui
