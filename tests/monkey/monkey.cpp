#include "monkey.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "base/text/gbk.h"
#include "chart/plot_chart.h"
#include "copy_table.h"
#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "form/process.h"
#include "form/template/window_template.h"
#include "shown_chart.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_template.h"
#include "ui/plate_binding.h"

namespace veltrane::monkey {
namespace {

using runtime::TypeCode;
using ui::ControlId;
using ui::kMainWindow;

struct Control {
  ControlId id;
  std::string name;  // UTF-8
  int items = 0;     // a combo box's item count
};

struct Controls {
  std::vector<Control> buttons, edits, combos;
};

Controls MainWindowControls() {
  Controls c;
  for (const runtime::UnitDescription& unit : ui::MainWindowDescription().units) {
    Control control{unit.id, runtime::Utf8FromGbk(unit.name)};
    switch (static_cast<TypeCode>(unit.type_code)) {
      case TypeCode::Button:
        c.buttons.push_back(control);
        break;
      case TypeCode::EditBox:
        c.edits.push_back(control);
        break;
      case TypeCode::ComboBox:
        while (runtime::ComboItemText(kMainWindow, unit.id, control.items)) ++control.items;
        c.combos.push_back(control);
        break;
      default:
        break;
    }
  }
  return c;
}

// The plates as their boxes show them, family by family.
using Plates = std::array<std::vector<int>, 7>;

Plates ReadPlates() {
  const std::array<const ControlId*, 7> first = {
      ui::kEarthStemBoxes.data(),   ui::kHeavenStemBoxes.data(), ui::kHiddenStemBoxes.data(),
      ui::kStarBoxes.data(),        ui::kGateBoxes.data(),       ui::kDeityBoxes.data(),
      ui::kCounterDeityBoxes.data()};
  const std::array<int, 7> sizes = {9, 9, 9, 8, 8, 8, 8};
  Plates plates;
  for (std::size_t f = 0; f < first.size(); ++f) {
    for (int i = 0; i < sizes[f]; ++i) {
      plates[f].push_back(runtime::ReadInt(kMainWindow, first[f][i], runtime::kComboSelection));
    }
  }
  return plates;
}

constexpr std::array<const char*, 7> kFamilyNames = {"地干支", "天干支", "暗干", "星",
                                                     "门",     "八神",   "反扑"};

// Families (indexes into Plates) that a ring button lays afresh from its table
// of arrangements rather than turning what is there.
struct RingButton {
  ControlId id;
  std::vector<int> laid;
};
const std::array<RingButton, 9> kRingButtons = {{
    {ui::kResetButton, {0, 1, 3, 4, 5}},
    {ui::kStepEarthYinButton, {0, 1}},
    {ui::kStepEarthYangButton, {0, 1}},
    {ui::kStepStarsButton, {3}},
    {ui::kStepGatesButton, {4}},
    {ui::kStepDeitiesYinButton, {5}},
    {ui::kStepDeitiesYangButton, {5}},
    {ui::kStepHiddenYinButton, {2}},
    {ui::kStepHiddenYangButton, {2}},
}};

bool EachItemOnce(const std::vector<int>& family) {
  const std::set<int> distinct(family.begin(), family.end());
  return distinct.size() == family.size() && *distinct.begin() >= 0;
}

// A ring step keeps every plate whole: a family it lays afresh, or one that
// held each item once, holds each item once after it; any other family keeps
// exactly the items it had, however they moved.
std::string RingStepMismatch(const RingButton& button, const Plates& before, const Plates& after) {
  for (std::size_t f = 0; f < before.size(); ++f) {
    const bool laid = std::find(button.laid.begin(), button.laid.end(), f) != button.laid.end();
    if (laid || EachItemOnce(before[f])) {
      if (!EachItemOnce(after[f])) return std::string(kFamilyNames[f]) + " lost or doubled an item";
      continue;
    }
    std::vector<int> a = before[f], b = after[f];
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    if (a != b) return std::string(kFamilyNames[f]) + " changed its items";
  }
  return {};
}

// Characters of every kind a keyboard or an input method can send.
char32_t RandomChar(std::mt19937_64& rng) {
  auto pick = [&](char32_t lo, char32_t hi) {
    return static_cast<char32_t>(std::uniform_int_distribution<std::uint32_t>(lo, hi)(rng));
  };
  switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
    case 0:
    case 1:
    case 2:
      return pick(U'0', U'9');
    case 3:
      return U'\b';
    case 4:
      return pick(U'A', U'z');  // letters and a few signs between
    case 5:
      return pick(0xFF10, 0xFF19);  // full-width digits
    case 6:
      return pick(0x4E00, 0x9FA5);  // CJK
    case 7:
      return pick(1, 31);  // control characters
    case 8:
      return U'\uFFFD';  // what a lone surrogate becomes
    default: {
      constexpr std::array<char32_t, 8> kOthers = {U' ',    U'-',   U'.',    U'+',
                                                   U'\x7F', 0x3000, 0x1F600, 0xFFFF};
      return kOthers[std::uniform_int_distribution<std::size_t>(0, kOthers.size() - 1)(rng)];
    }
  }
}

class Monkey {
 public:
  Monkey(Hands& hands, std::uint64_t seed) : hands_(hands), seed_(seed), rng_(seed) {
    hands_.on_box = [this](std::string_view title, std::string_view text) { OnBox(title, text); };
  }
  ~Monkey() { hands_.on_box = nullptr; }

  std::string Run(std::int64_t actions) {
    for (index_ = 1; index_ <= actions; ++index_) {
      std::string failure = Step();
      if (!failure.empty()) return Report(failure);
    }
    return {};
  }

 private:
  std::string Step() {
    boxes_.clear();
    const int roll = std::uniform_int_distribution<int>(0, 99)(rng_);
    if (roll < 12) return Plot();
    if (roll < 20) return Copy();
    if (roll < 35) return ClickAny();
    if (roll < 68) return TypeAny();
    if (roll < 78) return SpinAny();
    if (roll < 97) return PickAny();
    if (roll < 99) return MoveClock();
    return ToggleClipboard();
  }

  std::string Plot() {
    const platform::LocalTime before = platform::CurrentPlatform().Now();
    Note("click 按钮8");
    if (!hands_.Click(ui::kPlotButton)) return "自动排盘 could not be clicked";
    const platform::LocalTime after = platform::CurrentPlatform().Now();
    if (std::string box = UnexpectedBox(); !box.empty()) return box;
    // The clock may turn a minute during the click: either reading will do.
    std::string failure;
    for (const platform::LocalTime& clock : {before, after}) {
      failure = PlottedChartMismatch(clock);
      if (failure.empty()) return {};
    }
    return failure;
  }

  // The clock's minute plots the clock's own hour; any other hour is plotted at its start.
  std::string PlottedChartMismatch(const platform::LocalTime& clock) {
    ShownDate shown = ReadShownDate(0);
    if (!shown.ok) return "a date box holds no number after plotting";
    chart::ChartMoment& d = shown.date;
    if (d.year == clock.year && d.month == clock.month && d.day == clock.day &&
        d.hour == clock.hour) {
      d.minute = clock.minute;
    }
    if (!(chart::ClampChartMoment(d.year, d.month, d.day, d.hour, d.minute) == d)) {
      return "the date boxes show a date the plotting does not take";
    }
    return ShownChartMismatch(chart::ComputeChart(d));
  }

  std::string Copy() {
    const std::string held = hands_.Clipboard();
    Note("click 按钮9");
    if (!hands_.Click(ui::kCopyButton)) return "复制排盘 could not be clicked";
    if (boxes_.size() != 1) return std::to_string(boxes_.size()) + " message boxes after a copy";
    const std::string clip = hands_.Clipboard();
    if (refusing_) {
      if (clip != held) return "a refused copy changed the clipboard";
      return boxes_[0] == Box{"错误", "复制到剪切板失败！"} ? ""
                                                            : "no error box for a refused copy";
    }
    if (boxes_[0] != Box{"提示", "已经整盘复制到剪切板！"}) return "no confirmation after a copy";
    copied_ = true;
    return testing_support::CopyTableFault(runtime::Utf8FromGbk(clip));
  }

  std::string ClickAny() {
    const Control& button = Any(controls_.buttons);
    const auto ring = std::find_if(kRingButtons.begin(), kRingButtons.end(),
                                   [&](const RingButton& b) { return b.id == button.id; });
    if (ring == kRingButtons.end()) {
      return button.id == ui::kPlotButton ? Plot() : button.id == ui::kCopyButton ? Copy() : "";
    }
    const Plates before = ReadPlates();
    Note("click " + button.name);
    // A hidden button takes no click from a user; its click event still
    // reaches the handler, as when the program shows the button first.
    if (!hands_.Click(button.id)) {
      runtime::RaiseEvent(kMainWindow, button.id, runtime::kButtonClicked);
    }
    return Checked(RingStepMismatch(*ring, before, ReadPlates()));
  }

  std::string TypeAny() {
    const Control& edit = Any(controls_.edits);
    const char32_t ch = RandomChar(rng_);
    std::ostringstream note;
    note << "type U+" << std::hex << std::uppercase << static_cast<std::uint32_t>(ch) << " into "
         << edit.name;
    Note(note.str());
    hands_.Type(edit.id, ch);
    return Checked({});
  }

  std::string SpinAny() {
    const Control& edit = Any(controls_.edits);
    const int delta = std::uniform_int_distribution<int>(0, 1)(rng_) == 0 ? -1 : 1;
    Note("spin " + std::to_string(delta) + " on " + edit.name);
    hands_.Spin(edit.id, delta);
    return Checked({});
  }

  std::string PickAny() {
    const Control& combo = Any(controls_.combos);
    const int index = std::uniform_int_distribution<int>(-2, combo.items + 1)(rng_);
    Note("pick item " + std::to_string(index) + " of " + combo.name);
    const bool picked = hands_.Pick(combo.id, index);
    if (picked && (index < 0 || index >= combo.items))
      return "an item that is not there was picked";
    return Checked({});
  }

  std::string MoveClock() {
    platform::LocalTime t;
    t.year = std::uniform_int_distribution<int>(1800, 2999)(rng_);
    t.month = std::uniform_int_distribution<int>(1, 12)(rng_);
    t.day = std::uniform_int_distribution<int>(1, 28)(rng_);
    t.hour = std::uniform_int_distribution<int>(0, 23)(rng_);
    t.minute = std::uniform_int_distribution<int>(0, 59)(rng_);
    Note("clock " + std::to_string(t.year) + "-" + std::to_string(t.month) + "-" +
         std::to_string(t.day) + " " + std::to_string(t.hour) + ":" + std::to_string(t.minute));
    hands_.SetClock(t);
    return {};
  }

  // Another program takes the clipboard, or lets it go.
  std::string ToggleClipboard() {
    refusing_ = !refusing_;
    Note(refusing_ ? "the clipboard refuses text" : "the clipboard takes text again");
    hands_.SetClipboardRefuses(refusing_);
    return {};
  }

  // After actions that show no box and leave the clipboard alone.
  std::string Checked(std::string failure) {
    if (!failure.empty()) return failure;
    if (std::string box = UnexpectedBox(); !box.empty()) return box;
    if (copied_ && hands_.Clipboard().empty()) return "the clipboard was left empty";
    return {};
  }

  std::string UnexpectedBox() const {
    if (boxes_.empty()) return {};
    return "unexpected message box '" + boxes_[0].first + "': " + boxes_[0].second;
  }

  using Box = std::pair<std::string, std::string>;  // UTF-8 title and text

  void OnBox(std::string_view title, std::string_view text) {
    boxes_.emplace_back(runtime::Utf8FromGbk(title), runtime::Utf8FromGbk(text));
    // A fatal report ends the process as soon as the box closes: say now
    // what led to it.
    if (boxes_.back().second.starts_with("运行时出错!")) {
      std::fprintf(stderr, "%s\n", Report("fatal report: " + boxes_.back().second).c_str());
      std::fflush(stderr);
    }
  }

  void Note(std::string action) {
    if (last_.size() == kKept) last_.pop_front();
    last_.push_back("#" + std::to_string(index_) + " " + std::move(action));
  }

  std::string Report(const std::string& failure) const {
    std::string report = "monkey seed " + std::to_string(seed_) + ", action " +
                         std::to_string(index_) + ": " + failure + "\nlast actions:";
    for (const std::string& action : last_) report += "\n  " + action;
    return report;
  }

  const Control& Any(const std::vector<Control>& controls) {
    return controls[std::uniform_int_distribution<std::size_t>(0, controls.size() - 1)(rng_)];
  }

  static constexpr std::size_t kKept = 30;
  Hands& hands_;
  std::uint64_t seed_;
  std::mt19937_64 rng_;
  Controls controls_ = MainWindowControls();
  std::deque<std::string> last_;
  std::vector<Box> boxes_;
  std::int64_t index_ = 0;
  bool copied_ = false;
  bool refusing_ = false;
};

}  // namespace

std::string RunMonkey(Hands& hands, std::uint64_t seed, std::int64_t actions) {
  return Monkey(hands, seed).Run(actions);
}

std::int64_t NumberFromEnvironment(const char* name, std::int64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return std::strtoll(text, nullptr, 10);
}

std::string RunMonkeyAndEndProgram(Hands& hands, const char* actions_variable,
                                   std::int64_t default_actions) {
  const auto seed = static_cast<std::uint64_t>(NumberFromEnvironment("VELTRANE_MONKEY_SEED", 17));
  const std::int64_t actions = NumberFromEnvironment(actions_variable, default_actions);
  std::string failure = RunMonkey(hands, seed, actions);
  runtime::ShutdownRuntimeForTests();
  runtime::ClearExitRoutines();
  return failure;
}

}  // namespace veltrane::monkey
