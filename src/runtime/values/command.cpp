#include "runtime/values/command.h"

#include <map>

#include "runtime/fatal.h"
#include "runtime/text/gbk_literal.h"

namespace veltrane::runtime {
namespace {

std::map<int, const CommandLibrary*>& Libraries() {
  static std::map<int, const CommandLibrary*> libraries{{kValueLibraryNumber, &ValueLibrary()}};
  return libraries;
}

}  // namespace

void RegisterCommandLibrary(int library, const CommandLibrary& lib) { Libraries()[library] = &lib; }

CommandArg CallCommand(int library, int operation, int count, CommandArg* args) {
  const auto found = Libraries().find(library);
  if (found == Libraries().end() || operation < 0 || operation >= found->second->command_count ||
      found->second->commands[operation] == nullptr) {
    // Only a program built against another library could get here.
    ReportFatal(Gbk("找不到所调用的命令"), 0);
  }
  CommandArg result{};
  found->second->commands[operation](&result, count < 0 ? 0 : count, args);
  return result;
}

CommandArg CallCommand(ValueOp operation, int count, CommandArg* args) {
  return CallCommand(kValueLibraryNumber, static_cast<int>(operation), count, args);
}

}  // namespace veltrane::runtime
