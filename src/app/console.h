// The console the command-line tool runs in: its arguments as UTF-8, and
// standard output and error passing bytes through unchanged.
#pragma once

#include <string>
#include <vector>

namespace veltrane::app {

class Console {
 public:
  enum class Bytes { kUtf8, kGbk };

  // Takes the program's arguments as UTF-8 (on Windows from the wide command
  // line, so any characters survive the system's code page); output is UTF-8
  // until ShowOutputAs says otherwise.
  Console(int argc, char** argv);
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;
  // Gives a console back the code page it had.
  ~Console();

  int argc() const { return static_cast<int>(arguments_.size()); }
  char** argv() { return pointers_.data(); }

  // Makes a console window show the output bytes as the given encoding.
  void ShowOutputAs(Bytes bytes);

 private:
  std::vector<std::string> arguments_;
  std::vector<char*> pointers_;
  [[maybe_unused]] unsigned previous_code_page_ = 0;  // only a Windows console has one
};

}  // namespace veltrane::app
