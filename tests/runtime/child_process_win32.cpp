// Child processes on Windows: the test program runs again with only the
// current test; its n-th RunInChild call runs the body, the calls before it
// only pretend to have run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "child_platform.h"
#include "child_process.h"

namespace veltrane::test_support {
namespace {

constexpr const char* kCallVariable = "VELTRANE_CHILD_CALL";
constexpr const char* kOutputVariable = "VELTRANE_CHILD_OUTPUT";

std::string CurrentTestName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  if (test == nullptr) return {};
  return std::string(test->test_suite_name()) + "." + test->name();
}

// Numbers the calls within one test, from 1.
int NextCallNumber() {
  static std::string test;
  static int calls = 0;
  const std::string current = CurrentTestName();
  if (current != test) {
    test = current;
    calls = 0;
  }
  return ++calls;
}

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());  // test names and numbers are ASCII
}

std::wstring OwnPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// Runs this program again on the one test, with the call number and the
// output file in its environment; gives its exit code, or -1.
long RunAgain(int call, const std::filesystem::path& output) {
  SetEnvironmentVariableA(kCallVariable, std::to_string(call).c_str());
  SetEnvironmentVariableW(Wide(kOutputVariable).c_str(), output.wstring().c_str());
  std::wstring command = L"\"" + OwnPath() + L"\" --gtest_filter=" + Wide(CurrentTestName());
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE null =
      CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = null;
  startup.hStdError = null;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableA(kCallVariable, nullptr);
  SetEnvironmentVariableA(kOutputVariable, nullptr);
  if (null != INVALID_HANDLE_VALUE) CloseHandle(null);
  if (!started) return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  const BOOL read = GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return read ? static_cast<long>(code & 0xFFu) : -1;
}

}  // namespace

void RecordInChild(const std::string& text) {
  if (const char* path = std::getenv(kOutputVariable)) {
    std::ofstream(path, std::ios::binary | std::ios::app) << text << "\n";
  }
}

ChildOutcome RunInChild(const std::function<void()>& body) {
  const int call = NextCallNumber();
  if (const char* wanted = std::getenv(kCallVariable)) {
    // In the child: earlier calls look as if their child had ended.
    if (std::atoi(wanted) != call) return {true, 0, {}};
    static ChildPlatform platform;
    platform::InstallPlatform(&platform);
    body();
    std::_Exit(77);
  }
  static int children = 0;
  const std::filesystem::path output = std::filesystem::temp_directory_path() /
                                       ("veltrane-child-" + std::to_string(GetCurrentProcessId()) +
                                        "-" + std::to_string(++children) + ".txt");
  std::filesystem::remove(output);
  ChildOutcome outcome;
  const long code = RunAgain(call, output);
  if (code >= 0) {
    outcome.exited = true;
    outcome.exit_code = static_cast<int>(code);
  }
  std::ifstream in(output, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  outcome.output = text.str();
  in.close();
  std::error_code ignored;
  std::filesystem::remove(output, ignored);
  return outcome;
}

}  // namespace veltrane::test_support
