// Child processes by fork: the child is the test at the point of the call.
#include "support/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include "support/child_platform.h"

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
    static ChildPlatform platform;
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
