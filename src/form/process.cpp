#include "form/process.h"

#include <cstdlib>
#include <vector>

#include "platform/platform.h"

namespace veltrane::runtime {
namespace {

struct ExitState {
  std::vector<ExitRoutine> routines;
  void (*shutdown_hook)() = nullptr;
  bool exiting = false;
};

ExitState& State() {
  static ExitState state;
  return state;
}

}  // namespace

void RegisterExitRoutine(ExitRoutine routine) {
  if (routine != nullptr) State().routines.push_back(std::move(routine));
}

void ClearExitRoutines() { State().routines.clear(); }

void SetShutdownHook(void (*hook)()) { State().shutdown_hook = hook; }

void ExitProgram(int code) {
  ExitState& state = State();
  // An exit routine that calls ExitProgram ends the process at once instead of
  // running the routines again.
  if (!state.exiting) {
    state.exiting = true;
    if (auto hook = state.shutdown_hook) {
      state.shutdown_hook = nullptr;
      hook();
    }
    // Taken off the list before running, so each runs once even if one of them
    // registers another or the list is cleared meanwhile.
    std::vector<ExitRoutine> routines;
    routines.swap(state.routines);
    for (const ExitRoutine& routine : routines) routine();
  }
  platform::CurrentPlatform().EndProcess(code);
  std::abort();  // a platform's EndProcess never returns
}

}  // namespace veltrane::runtime
