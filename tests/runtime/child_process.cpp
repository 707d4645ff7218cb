#include "child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include "runtime/platform/platform.h"

namespace veltrane::test_support {
namespace {

int child_pipe = -1;

void WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

// Just enough platform for the process services: message boxes are recorded
// as "box[<title>|<style>]<text>", and EndProcess ends the child.
class PipePlatform final : public platform::Platform {
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
  [[noreturn]] void EndProcess(int code) override { _exit(code); }
};

}  // namespace

void RecordInChild(const std::string& text) {
  if (child_pipe >= 0) WriteAll(child_pipe, text + "\n");
}

ChildOutcome RunInChild(const std::function<void()>& body) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    child_pipe = fds[1];
    static PipePlatform platform;
    platform::InstallPlatform(&platform);
    body();
    _exit(77);
  }
  close(fds[1]);
  ChildOutcome outcome;
  char buffer[4096];
  ssize_t n;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
    outcome.output.append(buffer, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    outcome.exited = true;
    outcome.exit_code = WEXITSTATUS(status);
  }
  return outcome;
}

}  // namespace veltrane::test_support
