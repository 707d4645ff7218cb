// A Windows console: the wide command line, binary standard streams (no "\n"
// to "\r\n" translation), and the console's output code page set to the bytes
// the tool writes.
// windows.h comes first: shellapi.h needs its definitions.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "app/console.h"

namespace veltrane::app {
namespace {

std::string Utf8FromWide(const wchar_t* wide) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
  utf8.pop_back();  // the terminator
  return utf8;
}

bool OutputIsConsole() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

}  // namespace

Console::Console(int argc, char** argv) {
  int count = 0;
  if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 0; i < count; ++i) arguments_.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
  } else {
    arguments_.assign(argv, argv + argc);
  }
  for (std::string& a : arguments_) pointers_.push_back(a.data());
  pointers_.push_back(nullptr);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  ShowOutputAs(Bytes::kUtf8);
}

Console::~Console() {
  if (previous_code_page_ != 0) SetConsoleOutputCP(previous_code_page_);
}

void Console::ShowOutputAs(Bytes bytes) {
  if (!OutputIsConsole()) return;
  if (previous_code_page_ == 0) previous_code_page_ = GetConsoleOutputCP();
  SetConsoleOutputCP(bytes == Bytes::kGbk ? 936 : CP_UTF8);
}

}  // namespace veltrane::app
