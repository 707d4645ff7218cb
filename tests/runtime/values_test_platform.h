// A platform for the value-operation tests: records message boxes and answers
// them, holds the clipboard as bytes and has a settable clock. Installed for
// the lifetime of a ValuesPlatformScope.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform/platform.h"

namespace veltrane::test_support {

struct RecordedBox {
  std::string text;   // GBK
  std::string title;  // GBK
  std::uint32_t style = 0;
};

class ValuesPlatform final : public platform::Platform {
 public:
  using Handle = platform::Handle;

  // What the tests set and read.
  std::vector<RecordedBox> boxes;
  int box_answer = 1;  // the native id of the button pressed (1 = OK)
  bool clipboard_available = true;
  std::string clipboard;
  int clipboard_clears = 0;
  platform::LocalTime clock;

  void SetEventSink(platform::EventSink*) override {}
  Handle CreateTopWindow(const platform::CreateParams&, const platform::WindowLook&) override {
    return 0;
  }
  Handle CreateLabel(const platform::CreateParams&, const platform::LabelLook&) override {
    return 0;
  }
  Handle CreateEdit(const platform::CreateParams&, const platform::EditLook&) override { return 0; }
  Handle CreateButton(const platform::CreateParams&, const platform::ButtonLook&) override {
    return 0;
  }
  Handle CreateComboBox(const platform::CreateParams&, const platform::ComboLook&) override {
    return 0;
  }
  void Destroy(Handle) override {}
  void SetWindowLook(Handle, const platform::WindowLook&) override {}
  void SetLabelLook(Handle, const platform::LabelLook&) override {}
  void SetEditLook(Handle, const platform::EditLook&) override {}
  void SetButtonLook(Handle, const platform::ButtonLook&) override {}
  void SetComboLook(Handle, const platform::ComboLook&) override {}
  std::string GetText(Handle) override { return {}; }
  void SetText(Handle, std::string_view) override {}
  void SelectAllText(Handle) override {}
  void SetTextSelection(Handle, int, int) override {}
  int GetSelection(Handle) override { return -1; }
  void SetSelection(Handle, int) override {}
  platform::Rect GetRect(Handle) override { return {}; }
  void SetRect(Handle, const platform::Rect&) override {}
  bool IsVisible(Handle) override { return false; }
  void SetVisible(Handle, bool) override {}
  bool IsEnabled(Handle) override { return false; }
  void SetEnabled(Handle, bool) override {}
  void PlaceBelow(Handle, Handle) override {}
  Handle FocusedControl() override { return 0; }
  void SetFocus(Handle) override {}
  platform::Size ScreenSize() override { return {1024, 768}; }
  void RunMessageLoop() override {}
  void QuitMessageLoop() override {}
  void ProcessPendingEvents() override {}

  int ShowMessageBox(std::string_view text, std::string_view title, std::uint32_t style) override {
    boxes.push_back({std::string(text), std::string(title), style});
    return box_answer;
  }
  void ClearClipboard() override {
    if (clipboard_available) {
      clipboard.clear();
      ++clipboard_clears;
    }
  }
  bool SetClipboardText(std::string_view gbk) override {
    if (!clipboard_available) return false;
    clipboard = gbk;
    return true;
  }
  std::string ClipboardText() override { return clipboard; }
  platform::LocalTime Now() override { return clock; }
  [[noreturn]] void EndProcess(int code) override;
};

// Installs a fresh ValuesPlatform for one test.
class ValuesPlatformScope {
 public:
  ValuesPlatformScope();
  ~ValuesPlatformScope();
  ValuesPlatformScope(const ValuesPlatformScope&) = delete;
  ValuesPlatformScope& operator=(const ValuesPlatformScope&) = delete;

  ValuesPlatform& platform() { return platform_; }

 private:
  ValuesPlatform platform_;
};

// GBK bytes of a UTF-8 literal, and UTF-8 of GBK bytes for readable failures.
std::string Gbk8(std::string_view utf8);
std::string Utf8(std::string_view gbk);

}  // namespace veltrane::test_support
