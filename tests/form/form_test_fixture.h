// A test window with one control of each type, loaded on the headless
// platform; handlers record their calls.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form/controls/button_block.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/label_block.h"
#include "form/controls/window_block.h"
#include "form/form_runtime.h"
#include "form/template/window_template.h"
#include "platform/headless/headless_platform.h"
#include "template_unit.h"

namespace veltrane::runtime::testing_form {

inline constexpr WindowId kWindow = 0x52010001;
inline constexpr WindowId kSecondWindow = 0x52010002;  // never loaded by the fixture
inline constexpr ControlId kButton = 0x16010001;
inline constexpr ControlId kLabel = 0x16010002;
inline constexpr ControlId kSpinEdit = 0x16010003;  // "12", SpinMode 1, range 1..12, InputMode 3
inline constexpr ControlId kCombo = 0x16010004;     // 8 items, stored selection 3
inline constexpr ControlId kHiddenLabel = 0x16010005;
inline constexpr ControlId kEventSpinEdit = 0x16010006;  // SpinMode 2
inline constexpr ControlId kSharingButton = 0x16010007;  // shares kButton's events
inline constexpr ControlId kLoopButtonA = 0x16010008;    // A and B share each other
inline constexpr ControlId kLoopButtonB = 0x16010009;
inline constexpr ControlId kPastEndCombo = 0x1601000A;  // 8 items, stored selection 8
inline constexpr ControlId kSecondLabel = 0x16020001;
inline constexpr ControlId kUnknownTypeUnit = 0x16020002;

inline std::vector<std::string> calls;
inline std::vector<EventSource> sources;
inline void (*on_click)() = nullptr;  // extra work for the click handler

inline void Record(const char* name) {
  calls.push_back(name);
  sources.push_back(CurrentEventSource().value_or(EventSource{}));
}
inline void Created() { Record("created"); }
inline void Moved() { Record("moved"); }
inline void Resized() { Record("resized"); }
inline void Clicked() {
  Record("clicked");
  if (on_click != nullptr) on_click();
}
inline void EditChanged() { Record("edit changed"); }
inline void ComboPicked() { Record("combo picked"); }
inline void Spun() { Record("spun"); }

inline const HandlerFn kHandlers[] = {&Created,     &Moved,       &Resized, &Clicked,
                                      &EditChanged, &ComboPicked, &Spun,    nullptr};

inline std::vector<std::string> GbkItems(int n) {
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) items.push_back("item" + std::to_string(i));
  return items;
}

using testing_template::Unit;

// The main test window; `label_version` lets a test store a label block newer than its type.
inline std::vector<WindowDescription> TestWindows(std::uint32_t label_version = 2) {
  WindowBlock window_block;
  window_block.caption = "Test";
  window_block.background = 0;
  UnitDescription window =
      Unit(kWindowUnitId, TypeCode::Window, window_block.Encode(), 1, {50, 50, 400, 300});
  window.events = {{0, 0}, {3, 1}, {4, 2}};

  ButtonBlock button_block;
  button_block.caption = "Go";
  UnitDescription button =
      Unit(kButton, TypeCode::Button, button_block.Encode(), 5, {10, 10, 80, 32});
  button.events = {{0, 3}, {1, 7}};

  LabelBlock label_block;
  label_block.version = label_version;
  label_block.caption = "L";
  label_block.text_colour = 0x0000FF;
  label_block.background = 0;
  label_block.font = BoldFont(16);
  UnitDescription label = Unit(kLabel, TypeCode::Label, label_block.Encode(), 1, {10, 50, 60, 20});

  EditBoxBlock spin_block;
  spin_block.content = "12";
  spin_block.max_length = 2;
  spin_block.input_mode = 3;
  spin_block.spin_mode = 1;
  spin_block.spin_min = 1;
  spin_block.spin_max = 12;
  UnitDescription spin =
      Unit(kSpinEdit, TypeCode::EditBox, spin_block.Encode(), 5, {10, 80, 40, 24});
  spin.events = {{0, 4}};

  ComboBoxBlock combo_block;
  combo_block.style = 2;
  combo_block.items = GbkItems(8);
  combo_block.selection = 3;
  UnitDescription combo =
      Unit(kCombo, TypeCode::ComboBox, combo_block.Encode(), 5, {10, 110, 56, 20});
  combo.events = {{0, 5}};

  UnitDescription hidden =
      Unit(kHiddenLabel, TypeCode::Label, LabelBlock{}.Encode(), 0, {-300, 10, 60, 20});

  EditBoxBlock event_spin_block;
  event_spin_block.content = "5";
  event_spin_block.spin_mode = 2;
  UnitDescription event_spin =
      Unit(kEventSpinEdit, TypeCode::EditBox, event_spin_block.Encode(), 5, {10, 140, 40, 24});
  event_spin.events = {{1, 6}};

  UnitDescription sharing =
      Unit(kSharingButton, TypeCode::Button, ButtonBlock{}.Encode(), 5, {100, 10, 80, 32});
  sharing.event_share = kButton;
  UnitDescription loop_a =
      Unit(kLoopButtonA, TypeCode::Button, ButtonBlock{}.Encode(), 5, {100, 50, 80, 32});
  loop_a.event_share = kLoopButtonB;
  UnitDescription loop_b =
      Unit(kLoopButtonB, TypeCode::Button, ButtonBlock{}.Encode(), 5, {100, 90, 80, 32});
  loop_b.event_share = kLoopButtonA;

  ComboBoxBlock past_end_block;
  past_end_block.style = 2;
  past_end_block.items = GbkItems(8);
  past_end_block.selection = 8;
  UnitDescription past_end =
      Unit(kPastEndCombo, TypeCode::ComboBox, past_end_block.Encode(), 5, {100, 130, 56, 20});

  WindowDescription main;
  main.id = kWindow;
  main.units = {window,     button,  label,  spin,   combo,   hidden,
                event_spin, sharing, loop_a, loop_b, past_end};

  WindowDescription second;
  second.id = kSecondWindow;
  LabelBlock second_label;
  second.units = {
      Unit(kWindowUnitId, TypeCode::Window, WindowBlock{}.Encode(), 1, {0, 0, 200, 100}),
      Unit(kSecondLabel, TypeCode::Label, second_label.Encode(), 1, {7, 8, 30, 20}),
      Unit(kUnknownTypeUnit, TypeCode::Label, {}, 1, {0, 0, 1, 1})};
  second.units.back().type_code = 0x00019999;  // a type no registry entry has
  return {main, second};
}

inline std::vector<std::uint8_t> TestTemplate(std::uint32_t label_version = 2) {
  const std::vector<WindowDescription> windows = TestWindows(label_version);
  return WriteWindowTemplate(windows);
}

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    sources.clear();
    on_click = nullptr;
    platform_.SetEchoMessageBoxes(true);
    platform::InstallPlatform(&platform_);
    const std::vector<std::uint8_t> stream = TestTemplate();
    InitRuntime(stream, kHandlers);
  }
  void TearDown() override {
    ShutdownRuntimeForTests();
    platform::InstallPlatform(nullptr);
  }

  void Load() { LoadWindow(kWindow); }
  platform::Handle H(ControlId id) const { return NativeHandleOf(kWindow, id); }
  const platform::HeadlessControl& Native(ControlId id) const { return *platform_.Find(H(id)); }

  platform::HeadlessPlatform platform_;
};

// The fatal report's box as the headless platform echoes it (UTF-8): its first
// line, then further on its message. A matcher, not a regular expression:
// GoogleTest's own regexes (Windows) do not let "." cross a line end.
class FatalEchoMatcher : public ::testing::MatcherInterface<const std::string&> {
 public:
  explicit FatalEchoMatcher(std::string message) : message_("错误信息：" + std::move(message)) {}
  bool MatchAndExplain(const std::string& echo, ::testing::MatchResultListener*) const override {
    const std::size_t report = echo.find("运行时出错!");
    return report != std::string::npos && echo.find(message_, report) != std::string::npos;
  }
  void DescribeTo(std::ostream* os) const override {
    *os << "has the fatal report with " << message_;
  }

 private:
  std::string message_;
};

inline ::testing::Matcher<const std::string&> FatalEcho(const std::string& message_utf8) {
  return ::testing::MakeMatcher(new FatalEchoMatcher(message_utf8));
}

}  // namespace veltrane::runtime::testing_form
