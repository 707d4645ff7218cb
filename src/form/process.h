// The end of the process: exit routines the program registers and the one
// road out that runs them.
#pragma once

#include <functional>

namespace veltrane::runtime {

using ExitRoutine = std::function<void()>;

// Adds a routine that ExitProgram runs, in order of registration.
void RegisterExitRoutine(ExitRoutine routine);

// Forgets every registered exit routine (a fatal report ends without them).
void ClearExitRoutines();

// Sets the routine ExitProgram runs before the exit routines (the form runtime
// destroys its windows there); null removes it.
void SetShutdownHook(void (*hook)());

// Runs the shutdown hook, then the exit routines in order of registration, and
// ends the process with code through the platform.
[[noreturn]] void ExitProgram(int code);

}  // namespace veltrane::runtime
