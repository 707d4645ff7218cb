#include "ui/ring_menu.h"

#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

// The rings in the order the chart is read (gates, stars, deities, earth
// stems, hidden stems), each pair yin before yang, then the reset; the ring
// buttons stand outside the client area, so this menu is how they are reached.
constexpr runtime::MenuItem kRingMenu[] = {
    {kStepGatesButton, '1'},       {kStepStarsButton, '2'},      {kStepDeitiesYinButton, '3'},
    {kStepDeitiesYangButton, '4'}, {kStepEarthYinButton, '5'},   {kStepEarthYangButton, '6'},
    {kStepHiddenYinButton, '7'},   {kStepHiddenYangButton, '8'}, {kResetButton, '0'},
};

}  // namespace

std::vector<runtime::MenuItem> RingMenu() { return {std::begin(kRingMenu), std::end(kRingMenu)}; }

}  // namespace veltrane::ui
