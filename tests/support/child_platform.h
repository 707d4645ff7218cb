// The platform a test's child process runs on: just enough for the process
// services. Message boxes are recorded as "box[<title>|<style>]<text>", and
// EndProcess ends the child with its code.
#pragma once

#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "support/child_process.h"

namespace veltrane::test_support {

class ChildPlatform final : public platform::Platform {
 public:
  using Handle = platform::Handle;
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
  void SetTabOrder(Handle, const std::vector<Handle>&) override {}
  void SetFocusable(Handle, bool) override {}
  void SetContextMenu(Handle, const std::vector<platform::MenuEntry>&) override {}
  platform::Size ScreenSize() override { return {1024, 768}; }
  void RunMessageLoop() override {}
  void QuitMessageLoop() override {}
  void ProcessPendingEvents() override {}
  int ShowMessageBox(std::string_view text, std::string_view title, std::uint32_t style) override {
    RecordInChild("box[" + std::string(title) + "|" + std::to_string(style) + "]" +
                  std::string(text));
    return 1;
  }
  void ClearClipboard() override {}
  bool SetClipboardText(std::string_view) override { return false; }
  std::string ClipboardText() override { return {}; }
  platform::LocalTime Now() override { return {}; }
  [[noreturn]] void EndProcess(int code) override { std::_Exit(code); }
};

}  // namespace veltrane::test_support
