// Child processes on Windows: the test program runs again with only the
// current test; its n-th RunInChild call runs the body, the calls before it
// give back what their own children gave the parent.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/child_platform.h"
#include "support/child_process.h"

namespace veltrane::test_support {
namespace {

constexpr const char* kCallVariable = "VELTRANE_CHILD_CALL";
constexpr const char* kOutputVariable = "VELTRANE_CHILD_OUTPUT";
constexpr const char* kEarlierVariable = "VELTRANE_CHILD_EARLIER";

// The outcomes of this test's earlier calls, in the parent as they come and in
// the child as the parent wrote them: "exited code size\n" and the output.
std::vector<ChildOutcome>& Earlier() {
  static std::vector<ChildOutcome> outcomes;
  return outcomes;
}

void WriteEarlier(const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const ChildOutcome& o : Earlier()) {
    out << o.exited << ' ' << o.exit_code << ' ' << o.output.size() << '\n' << o.output;
  }
}

void ReadEarlier(const char* path) {
  std::ifstream in(path, std::ios::binary);
  ChildOutcome o;
  std::size_t size = 0;
  while (in >> o.exited >> o.exit_code >> size && in.get() == '\n') {
    o.output.assign(size, '\0');
    in.read(o.output.data(), static_cast<std::streamsize>(size));
    Earlier().push_back(o);
  }
}

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
    Earlier().clear();
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
long RunAgain(int call, const std::filesystem::path& output, const std::filesystem::path& earlier) {
  SetEnvironmentVariableA(kCallVariable, std::to_string(call).c_str());
  SetEnvironmentVariableW(Wide(kOutputVariable).c_str(), output.wstring().c_str());
  SetEnvironmentVariableW(Wide(kEarlierVariable).c_str(), earlier.wstring().c_str());
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
  SetEnvironmentVariableA(kEarlierVariable, nullptr);
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
    // In the child: earlier calls give what they gave the parent.
    if (call == 1) {
      if (const char* earlier = std::getenv(kEarlierVariable)) ReadEarlier(earlier);
    }
    if (std::atoi(wanted) != call) {
      const auto index = static_cast<std::size_t>(call - 1);
      return index < Earlier().size() ? Earlier()[index] : ChildOutcome{};
    }
    static ChildPlatform platform;
    platform::InstallPlatform(&platform);
    body();
    std::_Exit(77);
  }
  static int children = 0;
  const std::string stem =
      "veltrane-child-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++children);
  const std::filesystem::path output = std::filesystem::temp_directory_path() / (stem + ".txt");
  const std::filesystem::path earlier =
      std::filesystem::temp_directory_path() / (stem + "-earlier.txt");
  std::error_code ignored;
  std::filesystem::remove(output, ignored);
  WriteEarlier(earlier);
  ChildOutcome outcome;
  const long code = RunAgain(call, output, earlier);
  if (code >= 0) {
    outcome.exited = true;
    outcome.exit_code = static_cast<int>(code);
  }
  std::ifstream in(output, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  outcome.output = text.str();
  in.close();
  std::filesystem::remove(output, ignored);
  std::filesystem::remove(earlier, ignored);
  Earlier().push_back(outcome);
  return outcome;
}

}  // namespace veltrane::test_support
