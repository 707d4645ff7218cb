// A seeded random user of the main window. It clicks every button (the
// off-screen ring buttons too), types characters of every kind into every
// edit box, presses spin arrows, picks combo items (indexes out of range
// included), and plots and copies often; after each action it checks the
// window. A failure names the seed and the last actions, so it reproduces.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "ui/main_window_ids.h"

namespace veltrane::monkey {

// What a user can do to the main window on one platform. Each action returns
// false when the user could not do it (a read-only box, an item that is not there).
class Hands {
 public:
  virtual ~Hands() = default;
  virtual bool Click(ui::ControlId button) = 0;
  virtual bool Type(ui::ControlId edit, char32_t ch) = 0;
  virtual bool Spin(ui::ControlId edit, int delta) = 0;
  virtual bool Pick(ui::ControlId combo, int index) = 0;
  // The clipboard's text as GBK; empty when it holds none.
  virtual std::string Clipboard() = 0;
  // Sets the clock, where the platform has one a test may set.
  virtual void SetClock(const platform::LocalTime&) {}
  // Makes the clipboard refuse new text, where the platform can.
  virtual void SetClipboardRefuses(bool) {}

  // Called by the platform with each message box while it is open (GBK).
  std::function<void(std::string_view title, std::string_view text)> on_box;
};

// Runs `actions` random actions drawn from `seed` on a started program.
// Returns "" when every check held, else the failure with the seed and the
// last actions.
std::string RunMonkey(Hands& hands, std::uint64_t seed, std::int64_t actions);

// A whole number from the environment, or `fallback` when it is unset.
std::int64_t NumberFromEnvironment(const char* name, std::int64_t fallback);

// Runs the monkey on a started program with the seed of VELTRANE_MONKEY_SEED
// (17 unless set) and as many actions as `actions_variable` says (else
// `default_actions`), then ends the program and forgets what it left behind.
// Returns RunMonkey's answer.
std::string RunMonkeyAndEndProgram(Hands& hands, const char* actions_variable,
                                   std::int64_t default_actions);

}  // namespace veltrane::monkey
