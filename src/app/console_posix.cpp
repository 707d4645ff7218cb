// A POSIX terminal takes the arguments and the output as the bytes they are.
#include "app/console.h"

namespace veltrane::app {

Console::Console(int argc, char** argv) : arguments_(argv, argv + argc) {
  for (std::string& a : arguments_) pointers_.push_back(a.data());
  pointers_.push_back(nullptr);
}

Console::~Console() = default;

void Console::ShowOutputAs(Bytes) {}

}  // namespace veltrane::app
