// The ids by which the program's handlers address the main window and its
// controls, with the controls' stored names beside them.
#pragma once

#include <array>
#include <cstdint>

namespace veltrane::ui {

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;

inline constexpr WindowId kMainWindow = 0x52010001;

// Plate boxes. Stem boxes by palace 1..9, ring boxes by ring position 1..8.
inline constexpr std::array<ControlId, 9> kEarthStemBoxes = {  // 地干支1..9
    0x16010247, 0x16010259, 0x1601025A, 0x1601025B, 0x1601025C,
    0x1601025D, 0x1601025E, 0x1601025F, 0x16010260};
inline constexpr std::array<ControlId, 9> kHeavenStemBoxes = {  // 天干支1..9
    0x16010384, 0x16010385, 0x16010386, 0x16010387, 0x16010388,
    0x16010389, 0x1601038A, 0x1601038B, 0x1601038C};
inline constexpr std::array<ControlId, 9> kHiddenStemBoxes = {  // 暗干1..9
    0x16010687, 0x16010688, 0x16010689, 0x1601068A, 0x1601068B,
    0x1601068C, 0x1601068D, 0x1601068E, 0x1601068F};
inline constexpr std::array<ControlId, 8> kStarBoxes = {  // 星1..8
    0x160100B7, 0x160100BF, 0x160100BE, 0x160100BD, 0x160100BC, 0x160100BA, 0x160100B9, 0x160100B8};
inline constexpr std::array<ControlId, 8> kGateBoxes = {  // 门1..8
    0x16010011, 0x16010013, 0x16010014, 0x16010016, 0x16010018, 0x16010017, 0x16010015, 0x16010012};
inline constexpr std::array<ControlId, 8> kDeityBoxes = {  // 八神1..8
    0x16010132, 0x16010133, 0x16010134, 0x16010135, 0x16010136, 0x16010137, 0x16010138, 0x16010139};
inline constexpr std::array<ControlId, 8> kCounterDeityBoxes = {  // 反扑1..8
    0x160106FA, 0x160106FB, 0x160106FC, 0x160106FD, 0x160106FE, 0x160106FF, 0x16010700, 0x16010701};

// Counter labels, indexed like chart::CounterLabel (gate, star, deity, stems).
inline constexpr std::array<ControlId, 4> kCounterLabels = {0x160100B3,   // 标签15
                                                            0x160100C1,   // 标签16
                                                            0x1601013A,   // 标签18
                                                            0x1601024F};  // 标签20

// Markers.
inline constexpr ControlId kCentreMarkerLabel = 0x160103FD;  // 标签22 "禽"
inline constexpr ControlId kCentreStemBox = 0x16010388;      // 天干支5
inline constexpr ControlId kHorseMarkerLabel = 0x16010650;   // 标签26 "馬"
inline constexpr ControlId kVoidMarkerLabel1 = 0x16010664;   // 标签27 "空"
inline constexpr ControlId kVoidMarkerLabel2 = 0x16010665;   // 标签28 "空"

// Summary texts of the centre palace.
inline constexpr ControlId kPillarsBox = 0x16010477;  // 编辑框2
inline constexpr ControlId kTermLabel = 0x160104B1;   // 标签24: term, yuan, dun, ju
inline constexpr ControlId kXunLabel = 0x16010525;    // 标签23: xun head text
inline constexpr ControlId kDutyLabel = 0x16010526;   // 标签25: duty star and duty gate

// Date and hour inputs.
inline constexpr ControlId kYearBox = 0x16010453;   // 编辑框1
inline constexpr ControlId kMonthBox = 0x16010810;  // 编辑框3
inline constexpr ControlId kDayBox = 0x16010812;    // 编辑框4
inline constexpr ControlId kHourBox = 0x16010814;   // 编辑框5

// Buttons.
inline constexpr ControlId kPlotButton = 0x16010454;             // 按钮8 "自动排盘"
inline constexpr ControlId kCopyButton = 0x160105FA;             // 按钮9 "复制排盘"
inline constexpr ControlId kStepGatesButton = 0x1601004E;        // 按钮1 "转八门"
inline constexpr ControlId kStepStarsButton = 0x160100C3;        // 按钮2 "转九星"
inline constexpr ControlId kStepDeitiesYinButton = 0x1601013C;   // 按钮3 "阴逆转八神"
inline constexpr ControlId kStepEarthYinButton = 0x16010251;     // 按钮4 "阴逆转地干"
inline constexpr ControlId kStepEarthYangButton = 0x16010257;    // 按钮5 "阳顺转地干"
inline constexpr ControlId kStepDeitiesYangButton = 0x16010330;  // 按钮6 "阳顺转八神"
inline constexpr ControlId kResetButton = 0x1601041D;            // 按钮7 "重置排盘"
inline constexpr ControlId kStepHiddenYinButton = 0x16010690;    // 按钮10 "逆转暗干"
inline constexpr ControlId kStepHiddenYangButton = 0x16010691;   // 按钮11 "顺转暗干"

}  // namespace veltrane::ui
