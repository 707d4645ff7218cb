#include "form/values/command.h"

#include <array>

#include "base/text/gbk_literal.h"
#include "form/fatal.h"

namespace veltrane::runtime {
namespace {

// Indexed by library number; the value library is there from the start.
using LibraryTable = std::array<const CommandLibrary*, kCommandLibraryCount>;

LibraryTable& Libraries() {
  static LibraryTable libraries{&ValueLibrary(), nullptr};
  return libraries;
}

}  // namespace

void RegisterCommandLibrary(int library, const CommandLibrary& lib) {
  if (library < 0 || library >= kCommandLibraryCount) return;
  Libraries()[static_cast<std::size_t>(library)] = &lib;
}

CommandArg CallCommand(int library, int operation, int count, CommandArg* args) {
  const CommandLibrary* lib = library >= 0 && library < kCommandLibraryCount
                                  ? Libraries()[static_cast<std::size_t>(library)]
                                  : nullptr;
  if (lib == nullptr || operation < 0 || operation >= lib->command_count ||
      lib->commands[operation] == nullptr) {
    // Only a program built against another library could get here.
    ReportFatal(Gbk("找不到所调用的命令"), 0);
  }
  CommandArg result{};
  lib->commands[operation](&result, count < 0 ? 0 : count, args);
  return result;
}

CommandArg CallCommand(ValueOp operation, int count, CommandArg* args) {
  return CallCommand(kValueLibraryNumber, static_cast<int>(operation), count, args);
}

}  // namespace veltrane::runtime
