// Property numbers by which handlers address control properties. 0 to 7 are
// common to every type; from 8 up they belong to the type.
#pragma once

#include <cstdint>

namespace veltrane::runtime {

using PropertyIndex = std::int32_t;

// Common properties.
inline constexpr PropertyIndex kLeft = 0;
inline constexpr PropertyIndex kTop = 1;
inline constexpr PropertyIndex kWidth = 2;
inline constexpr PropertyIndex kHeight = 3;
inline constexpr PropertyIndex kTag = 4;
inline constexpr PropertyIndex kVisible = 5;
inline constexpr PropertyIndex kDisabled = 6;
inline constexpr PropertyIndex kMouseCursor = 7;
inline constexpr PropertyIndex kFirstTypeProperty = 8;

// window
inline constexpr PropertyIndex kWindowCaption = 8;
inline constexpr PropertyIndex kWindowBorderStyle = 9;
inline constexpr PropertyIndex kWindowBackground = 10;
inline constexpr PropertyIndex kWindowPicture = 11;
inline constexpr PropertyIndex kWindowPictureLayout = 12;
inline constexpr PropertyIndex kWindowSound = 13;
inline constexpr PropertyIndex kWindowControlBox = 15;
inline constexpr PropertyIndex kWindowMaximiseBox = 16;
inline constexpr PropertyIndex kWindowMinimiseBox = 17;
inline constexpr PropertyIndex kWindowPosition = 18;
inline constexpr PropertyIndex kWindowClosable = 19;
inline constexpr PropertyIndex kWindowIcon = 20;
inline constexpr PropertyIndex kWindowFileName = 24;
inline constexpr PropertyIndex kWindowAlwaysOnTop = 29;
inline constexpr PropertyIndex kWindowClassName = 31;

// Label
inline constexpr PropertyIndex kLabelCaption = 8;
inline constexpr PropertyIndex kLabelTextEffect = 9;
inline constexpr PropertyIndex kLabelBorderStyle = 10;
inline constexpr PropertyIndex kLabelGradientWidth = 11;
inline constexpr PropertyIndex kLabelGradientBorder1 = 12;
inline constexpr PropertyIndex kLabelGradientBorder2 = 13;
inline constexpr PropertyIndex kLabelGradientBorder3 = 14;
inline constexpr PropertyIndex kLabelFont = 15;
inline constexpr PropertyIndex kLabelTextColour = 16;
inline constexpr PropertyIndex kLabelBackground = 17;
inline constexpr PropertyIndex kLabelPicture = 18;
inline constexpr PropertyIndex kLabelPictureLayout = 19;
inline constexpr PropertyIndex kLabelGradientBackground = 20;
inline constexpr PropertyIndex kLabelGradientColour1 = 21;
inline constexpr PropertyIndex kLabelGradientColour2 = 22;
inline constexpr PropertyIndex kLabelGradientColour3 = 23;
inline constexpr PropertyIndex kLabelHAlign = 24;
inline constexpr PropertyIndex kLabelWordWrap = 25;
inline constexpr PropertyIndex kLabelVAlign = 26;
inline constexpr PropertyIndex kLabelDataSource = 27;
inline constexpr PropertyIndex kLabelDataColumn = 28;

// EditBox
inline constexpr PropertyIndex kEditContent = 8;
inline constexpr PropertyIndex kEditBorderStyle = 9;
inline constexpr PropertyIndex kEditTextColour = 10;
inline constexpr PropertyIndex kEditBackground = 11;
inline constexpr PropertyIndex kEditFont = 12;
inline constexpr PropertyIndex kEditHideSelection = 13;
inline constexpr PropertyIndex kEditMaxLength = 14;
inline constexpr PropertyIndex kEditMultiLine = 15;
inline constexpr PropertyIndex kEditScrollBars = 16;
inline constexpr PropertyIndex kEditAlignment = 17;
inline constexpr PropertyIndex kEditInputMode = 18;
inline constexpr PropertyIndex kEditPasswordMask = 19;
inline constexpr PropertyIndex kEditCaseConversion = 20;
inline constexpr PropertyIndex kEditSpinMode = 21;
inline constexpr PropertyIndex kEditSpinMin = 22;
inline constexpr PropertyIndex kEditSpinMax = 23;
inline constexpr PropertyIndex kEditSelectionStart = 24;
inline constexpr PropertyIndex kEditSelectionLength = 25;
inline constexpr PropertyIndex kEditSelectedText = 26;
inline constexpr PropertyIndex kEditDataSource = 27;
inline constexpr PropertyIndex kEditDataColumn = 28;

// Button
inline constexpr PropertyIndex kButtonPicture = 8;
inline constexpr PropertyIndex kButtonType = 9;
inline constexpr PropertyIndex kButtonCaption = 10;
inline constexpr PropertyIndex kButtonHAlign = 11;
inline constexpr PropertyIndex kButtonVAlign = 12;
inline constexpr PropertyIndex kButtonFont = 13;

// ComboBox
inline constexpr PropertyIndex kComboStyle = 8;
inline constexpr PropertyIndex kComboContent = 9;
inline constexpr PropertyIndex kComboMaxLength = 10;
inline constexpr PropertyIndex kComboSelectionStart = 11;
inline constexpr PropertyIndex kComboSelectionLength = 12;
inline constexpr PropertyIndex kComboSelectedText = 13;
inline constexpr PropertyIndex kComboSorted = 14;
inline constexpr PropertyIndex kComboExtraItemHeight = 15;
inline constexpr PropertyIndex kComboTextColour = 16;
inline constexpr PropertyIndex kComboBackground = 17;
inline constexpr PropertyIndex kComboFont = 18;
inline constexpr PropertyIndex kComboSelection = 19;
inline constexpr PropertyIndex kComboItems = 20;
inline constexpr PropertyIndex kComboItemData = 21;
inline constexpr PropertyIndex kComboDataSource = 22;
inline constexpr PropertyIndex kComboDataColumn = 23;

// EditBox InputMode values.
enum class InputMode : std::int32_t {
  AnyText = 0,
  ReadOnly = 1,
  Password = 2,
  Integer = 3,
  Decimal = 4,
  Digits = 5,
  Byte = 6,
  Short = 7,
  Long = 8,
  Single = 9,
  Double = 10,
};

// EditBox SpinMode values.
enum class SpinMode : std::int32_t { None = 0, Automatic = 1, EventOnly = 2 };

}  // namespace veltrane::runtime
