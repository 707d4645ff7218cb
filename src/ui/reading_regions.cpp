#include "ui/reading_regions.h"

#include <array>

#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

// The rule labels that draw the grid: two rows of "-", two columns of "|".
constexpr ControlId kUpperRule = 0x16010002;  // 标签1
constexpr ControlId kLowerRule = 0x16010003;  // 标签2
constexpr ControlId kLeftRule = 0x16010004;   // 标签3
constexpr ControlId kRightRule = 0x16010005;  // 标签4

// Far enough to take in anything the window can show.
constexpr int kFar = 32627;

int Read(ControlId rule, runtime::PropertyIndex property) {
  return runtime::ReadInt(kMainWindow, rule, property);
}

// The middle of a rule across its run.
int MiddleX(ControlId rule) { return Read(rule, runtime::kLeft) + Read(rule, runtime::kWidth) / 2; }
int MiddleY(ControlId rule) { return Read(rule, runtime::kTop) + Read(rule, runtime::kHeight) / 2; }

}  // namespace

std::vector<platform::Rect> MainWindowReadingRegions() {
  const std::array<int, 4> xs = {-kFar, MiddleX(kLeftRule), MiddleX(kRightRule), kFar};
  const int grid_bottom = Read(kLeftRule, runtime::kTop) + Read(kLeftRule, runtime::kHeight);
  const std::array<int, 4> ys = {-kFar, MiddleY(kUpperRule), MiddleY(kLowerRule), grid_bottom};
  std::vector<platform::Rect> regions;
  regions.push_back({-kFar, grid_bottom, 2 * kFar, 2 * kFar});
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      regions.push_back({xs[column], ys[row], xs[column + 1] - xs[column], ys[row + 1] - ys[row]});
    }
  }
  return regions;
}

}  // namespace veltrane::ui
