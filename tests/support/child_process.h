// Runs a piece of the runtime in a child process, so tests can watch the
// process end (fatal report, ExitProgram) from outside. The child runs on a
// minimal platform that passes message boxes back and ends with _Exit. On POSIX
// the child is forked; on Windows the test program starts again with only the
// current test, which replays up to the same call (earlier calls give back
// their first outcomes), so what a test does before RunInChild must not depend
// on earlier tests.
#pragma once

#include <functional>
#include <string>

namespace veltrane::test_support {

struct ChildOutcome {
  bool exited = false;  // ended through exit code, not a signal
  int exit_code = -1;   // as a POSIX status: -1 shows as 255
  std::string output;   // what the child's platform recorded, see RecordInChild
};

// Runs body in a child process and waits for it. A body that returns ends the
// child with exit code 77.
ChildOutcome RunInChild(const std::function<void()>& body);

// Appends a line to the outcome's output (usable only inside RunInChild).
void RecordInChild(const std::string& text);

}  // namespace veltrane::test_support
