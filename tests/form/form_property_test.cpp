// ReadProperty and WriteProperty: clamps, kinds, the record serving a control
// without a live window, and the fatal ends of a bad address.
#include <gtest/gtest.h>

#include <cstring>

#include "form/controls/property_index.h"
#include "form_test_fixture.h"

namespace veltrane::runtime::testing_form {
namespace {

using FormProperty = FormTest;
using FormPropertyDeathTest = FormTest;

TEST_F(FormProperty, PositionsClampTo32627AndSizesToZero) {
  Load();
  struct Row {
    PropertyIndex property;
    std::int32_t written;
    std::int32_t stored;
  };
  const Row rows[] = {
      {kLeft, -40000, -32627}, {kLeft, 40000, 32627}, {kLeft, -20, -20},
      {kTop, -32628, -32627},  {kTop, 32627, 32627},  {kWidth, -3, 0},
      {kWidth, 40000, 32627},  {kHeight, -1, 0},      {kHeight, 77, 77},
  };
  for (const Row& row : rows) {
    WriteInt(kWindow, kLabel, row.property, row.written);
    EXPECT_EQ(ReadInt(kWindow, kLabel, row.property), row.stored)
        << "property " << row.property << " written " << row.written;
  }
  // Applied to the live control, keeping the other three values.
  EXPECT_EQ(Native(kLabel).rect, (platform::Rect{-20, 32627, 32627, 77}));
}

TEST_F(FormProperty, CommonPropertiesUseTheRecordWithoutALiveWindow) {
  // Before loading, and in a window never loaded, the record answers.
  EXPECT_EQ(ReadInt(kWindow, kButton, kLeft), 10);
  EXPECT_EQ(ReadInt(kSecondWindow, kSecondLabel, kLeft), 7);
  EXPECT_EQ(ReadInt(kSecondWindow, kSecondLabel, kTop), 8);
  WriteInt(kSecondWindow, kSecondLabel, kLeft, -40000);
  EXPECT_EQ(ReadInt(kSecondWindow, kSecondLabel, kLeft), -32627);
  EXPECT_EQ(ReadInt(kSecondWindow, kSecondLabel, kVisible), 1);
  WriteInt(kSecondWindow, kSecondLabel, kVisible, 0);
  EXPECT_EQ(ReadInt(kSecondWindow, kSecondLabel, kVisible), 0);
  WriteInt(kSecondWindow, kSecondLabel, kDisabled, 1);
  EXPECT_EQ(ReadInt(kSecondWindow, kSecondLabel, kDisabled), 1);
}

TEST_F(FormProperty, WritesBeforeTheFirstLoadShapeTheLoadedControls) {
  WriteInt(kWindow, kLabel, kLeft, 33);
  WriteInt(kWindow, kLabel, kVisible, 0);
  WriteInt(kWindow, kButton, kDisabled, 1);
  WriteText(kWindow, kButton, kTag, "before");
  Load();
  EXPECT_EQ(Native(kLabel).rect.left, 33);
  EXPECT_FALSE(Native(kLabel).visible);
  EXPECT_FALSE(Native(kButton).enabled);
  EXPECT_EQ(ReadInt(kWindow, kLabel, kLeft), 33);
  EXPECT_EQ(ReadText(kWindow, kButton, kTag).view(), "before");
  // They are the window's own record now: a load after closing starts from them again.
  WriteInt(kWindow, kLabel, kLeft, 12);
  ASSERT_TRUE(platform_.CloseWindow(H(kWindowUnitId)));
  Load();
  EXPECT_EQ(Native(kLabel).rect.left, 33);
  EXPECT_FALSE(Native(kLabel).visible);
}

TEST_F(FormProperty, HiddenControlReadsInvisibleAndWritingOneShowsIt) {
  Load();
  EXPECT_EQ(ReadProperty(kWindow, kHiddenLabel, kVisible), 0u);
  WriteInt(kWindow, kHiddenLabel, kVisible, 1);
  EXPECT_TRUE(Native(kHiddenLabel).visible);
  EXPECT_EQ(ReadProperty(kWindow, kHiddenLabel, kVisible), 1u);
  // A control off the client area moves into view by its left.
  WriteInt(kWindow, kHiddenLabel, kLeft, 30);
  EXPECT_EQ(Native(kHiddenLabel).rect.left, 30);

  WriteInt(kWindow, kButton, kDisabled, 1);
  EXPECT_FALSE(Native(kButton).enabled);
  EXPECT_EQ(ReadProperty(kWindow, kButton, kDisabled), 1u);
  WriteInt(kWindow, kButton, kDisabled, 0);
  EXPECT_TRUE(Native(kButton).enabled);
}

TEST_F(FormProperty, ComboSelectionClampsToTheItemList) {
  Load();
  const std::pair<std::int32_t, std::int32_t> rows[] = {
      {8, 7}, {-5, -1}, {0, 0}, {7, 7}, {-1, -1}, {INT32_MAX, 7}, {INT32_MIN, -1}};
  for (const auto& [written, read] : rows) {
    WriteInt(kWindow, kCombo, kComboSelection, written);
    EXPECT_EQ(ReadInt(kWindow, kCombo, kComboSelection), read) << written;
    EXPECT_EQ(Native(kCombo).selection, read) << written;
  }
  // The user's pick is what a read returns.
  ASSERT_TRUE(platform_.PickComboItem(H(kCombo), 2));
  EXPECT_EQ(ReadInt(kWindow, kCombo, kComboSelection), 2);
}

TEST_F(FormProperty, TypeSetOperationsClampTheirRanges) {
  Load();
  struct Row {
    ControlId control;
    PropertyIndex property;
    std::int32_t written;
    std::int32_t read;
  };
  const Row rows[] = {
      {kLabel, kLabelTextEffect, 9, 3},
      {kLabel, kLabelTextEffect, -2, 0},
      {kLabel, kLabelTextEffect, 2, 2},
      {kLabel, kLabelGradientWidth, 2, 5},
      {kLabel, kLabelGradientWidth, 9, 9},
      {kLabel, kLabelHAlign, 7, 2},
      {kSpinEdit, kEditBorderStyle, 7, 5},
      {kSpinEdit, kEditBorderStyle, -1, 0},
      {kSpinEdit, kEditSpinMin, -50, -50},
      {kButton, kButtonType, 4, 1},
      {kLabel, kLabelTextColour, 0x00FF00, 0x00FF00},
  };
  for (const Row& row : rows) {
    WriteInt(kWindow, row.control, row.property, row.written);
    EXPECT_EQ(ReadInt(kWindow, row.control, row.property), row.read)
        << row.control << " property " << row.property << " written " << row.written;
  }
  EXPECT_EQ(Native(kLabel).label.effect, 2);
  EXPECT_EQ(Native(kLabel).label.h_align, 2);
  EXPECT_EQ(Native(kLabel).label.text_colour, 0x00FF00u);
  EXPECT_EQ(Native(kSpinEdit).edit.border_style, 0);
  EXPECT_TRUE(Native(kButton).button.default_button);
}

TEST_F(FormProperty, BooleansReadZeroOrOne) {
  Load();
  WriteInt(kWindow, kLabel, kLabelWordWrap, 5);
  EXPECT_EQ(ReadProperty(kWindow, kLabel, kLabelWordWrap), 1u);
  EXPECT_TRUE(Native(kLabel).label.word_wrap);
  WriteInt(kWindow, kLabel, kLabelWordWrap, 0);
  EXPECT_EQ(ReadProperty(kWindow, kLabel, kLabelWordWrap), 0u);
}

TEST_F(FormProperty, TextsAreHeapCopiesBothWays) {
  Load();
  std::string caption = "\xD6\xB5\xB7\xFB";  // 值符
  WriteText(kWindow, kLabel, kLabelCaption, caption.c_str());
  caption[0] = 'x';  // the control keeps its own copy
  const int repaints = Native(kLabel).repaints;
  EXPECT_EQ(Native(kLabel).label.caption, "\xD6\xB5\xB7\xFB");
  HeapText read = ReadText(kWindow, kLabel, kLabelCaption);
  EXPECT_EQ(read.view(), "\xD6\xB5\xB7\xFB");
  HeapText again = ReadText(kWindow, kLabel, kLabelCaption);
  EXPECT_NE(read.get(), again.get());
  WriteText(kWindow, kLabel, kLabelCaption, nullptr);
  EXPECT_EQ(Native(kLabel).label.caption, "");
  EXPECT_EQ(Native(kLabel).repaints, repaints + 1);
}

TEST_F(FormProperty, EditContentWriteRaisesExactlyOneChange) {
  Load();
  calls.clear();
  WriteText(kWindow, kSpinEdit, kEditContent, "7");
  EXPECT_EQ(calls, (std::vector<std::string>{"edit changed"}));
  EXPECT_EQ(Native(kSpinEdit).text, "7");
  EXPECT_EQ(ReadText(kWindow, kSpinEdit, kEditContent).view(), "7");
  // What the user typed is what a read returns (a program write leaves the caret at the start).
  ASSERT_TRUE(platform_.TypeChar(H(kSpinEdit), U'3'));
  EXPECT_EQ(ReadText(kWindow, kSpinEdit, kEditContent).view(), "37");
}

TEST_F(FormProperty, SelectedTextIsTheSelectionClampedToTheContent) {
  Load();
  struct Row {
    std::int32_t start, length;
    const char* selected;
    const char* after_replacing;  // the selected text written as "XY"
    std::int32_t caret;           // the selection start afterwards, with length 0
  };
  const Row rows[] = {
      {1, 2, "bc", "aXYdef", 3},  {0, 0, "", "XYabcdef", 2},  {4, 10, "ef", "abcdXY", 6},
      {10, 3, "", "abcdefXY", 8}, {-5, 2, "ab", "XYcdef", 2},  // a negative start is stored as 0
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.selected);
    WriteText(kWindow, kEventSpinEdit, kEditContent, "abcdef");
    WriteInt(kWindow, kEventSpinEdit, kEditSelectionStart, row.start);
    WriteInt(kWindow, kEventSpinEdit, kEditSelectionLength, row.length);
    EXPECT_EQ(ReadText(kWindow, kEventSpinEdit, kEditSelectedText).view(), row.selected);
    WriteText(kWindow, kEventSpinEdit, kEditSelectedText, "XY");
    EXPECT_EQ(Native(kEventSpinEdit).text, row.after_replacing);
    EXPECT_EQ(ReadInt(kWindow, kEventSpinEdit, kEditSelectionStart), row.caret);
    EXPECT_EQ(ReadInt(kWindow, kEventSpinEdit, kEditSelectionLength), 0);
  }
  // A drop-down list has no edit field: no selected text, and writing one changes nothing.
  EXPECT_EQ(ReadText(kWindow, kCombo, kComboSelectedText).view(), "");
  WriteText(kWindow, kCombo, kComboSelectedText, "XY");
  EXPECT_EQ(ReadText(kWindow, kCombo, kComboContent).view(), "item3");
}

TEST_F(FormProperty, TagRewriteKeepsLaterRecordsReachable) {
  Load();
  WriteText(kWindow, kButton, kTag, "a much longer tag than before");
  EXPECT_EQ(ReadText(kWindow, kButton, kTag).view(), "a much longer tag than before");
  EXPECT_EQ(ReadInt(kWindow, kPastEndCombo, kLeft), 100);
  WriteInt(kWindow, kPastEndCombo, kTop, 5);
  EXPECT_EQ(ReadInt(kWindow, kPastEndCombo, kTop), 5);
  HeapBytes cursor(reinterpret_cast<void*>(
      static_cast<std::uintptr_t>(ReadProperty(kWindow, kButton, kMouseCursor))));
  EXPECT_EQ(cursor.size(), 4u);
}

TEST_F(FormProperty, FontPartsReadAndWrite) {
  Load();
  EXPECT_EQ(ReadProperty(kWindow, kLabel, kLabelFont, 1), 1u);   // stored bold
  EXPECT_EQ(ReadProperty(kWindow, kLabel, kLabelFont, 5), 12u);  // 16 px at 96 dpi
  WriteProperty(kWindow, kLabel, kLabelFont, 2, 1, 0);
  WriteProperty(kWindow, kLabel, kLabelFont, 0, 3700, 0);
  WriteProperty(kWindow, kLabel, kLabelFont, 5, 18, 0);
  EXPECT_TRUE(Native(kLabel).label.font.italic);
  EXPECT_EQ(Native(kLabel).label.font.escapement, 100);  // modulo 3600
  EXPECT_EQ(Native(kLabel).label.font.height, -24);
  WriteText(kWindow, kLabel, kLabelFont, nullptr);  // sub-index -1, no record: default font
  EXPECT_TRUE(Native(kLabel).label.font.is_default);

  const std::uint64_t words = ReadProperty(kWindow, kLabel, kLabelFont, -1);
  void* block =
      PointerFromWords(static_cast<std::uint32_t>(words), static_cast<std::uint32_t>(words >> 32));
  FontRecord record;
  std::memcpy(&record, block, sizeof record);
  EXPECT_EQ(record.bold, 0);
  EXPECT_EQ(record.point_size, 9);
  EXPECT_STREQ(record.face, "");
  record.bold = 1;
  record.face = "SimHei";
  WriteProperty(kWindow, kLabel, kLabelFont, -1,
                static_cast<std::uint32_t>(WordsFromPointer(&record)),
                static_cast<std::uint32_t>(WordsFromPointer(&record) >> 32));
  EXPECT_EQ(Native(kLabel).label.font.weight, 700);
  EXPECT_EQ(Native(kLabel).label.font.face, "SimHei");
  FreeMemory(block);
}

TEST_F(FormProperty, SettingFixedAtCreationRecreatesTheControl) {
  Load();
  WriteText(kWindow, kSpinEdit, kEditContent, "9");
  const platform::Handle before = H(kSpinEdit);
  const platform::Rect rect = Native(kSpinEdit).rect;
  const std::vector<platform::Handle> stack_before = platform_.Children(H(kWindowUnitId));
  WriteInt(kWindow, kSpinEdit, kEditSpinMode, 0);
  const platform::Handle after = H(kSpinEdit);
  ASSERT_NE(after, before);
  EXPECT_FALSE(platform_.Find(before)->alive);
  EXPECT_EQ(Native(kSpinEdit).text, "9");
  EXPECT_EQ(Native(kSpinEdit).edit.spin_mode, 0);
  EXPECT_EQ(Native(kSpinEdit).rect, rect);
  EXPECT_TRUE(Native(kSpinEdit).visible);
  EXPECT_EQ(Native(kSpinEdit).child_id, platform_.Find(before)->child_id);
  std::vector<platform::Handle> stack_want = stack_before;
  std::replace(stack_want.begin(), stack_want.end(), before, after);
  EXPECT_EQ(platform_.Children(H(kWindowUnitId)), stack_want);
}

TEST_F(FormProperty, RecreationAfterTheWindowClosedInPendingMessagesMakesNothing) {
  Load();
  const platform::Handle window = H(kWindowUnitId);
  const platform::Handle edit = H(kSpinEdit);
  // The user's close is still queued when the write processes the pending messages.
  platform_.Post([&] { platform_.CloseWindow(window); });
  WriteInt(kWindow, kSpinEdit, kEditMultiLine, 1);
  EXPECT_FALSE(IsWindowLoaded(kWindow));
  EXPECT_FALSE(platform_.Find(edit)->alive);
  EXPECT_EQ(platform_.LiveCount(), 0);
  // The record still answers the common properties, and loading again works.
  EXPECT_EQ(ReadInt(kWindow, kSpinEdit, kLeft), 10);
  Load();
  EXPECT_TRUE(Native(kSpinEdit).alive);
}

TEST_F(FormProperty, UnknownPropertyReadsZeroAndWritesNothing) {
  Load();
  EXPECT_EQ(ReadProperty(kWindow, kButton, 14), 0u);
  WriteInt(kWindow, kButton, 14, 3);
  EXPECT_EQ(ReadProperty(kWindow, kButton, -1), 0u);
}

TEST_F(FormPropertyDeathTest, TypePropertyWithoutALiveWindowIsFatal) {
  EXPECT_EXIT(ReadProperty(kSecondWindow, kSecondLabel, kLabelCaption),
              ::testing::ExitedWithCode(255), FatalEcho("指定窗口尚未载入"));
  EXPECT_EXIT(WriteInt(kWindow, kCombo, kComboSelection, 1), ::testing::ExitedWithCode(255),
              FatalEcho("指定窗口尚未载入"));
}

TEST_F(FormPropertyDeathTest, UnknownWindowIsFatal) {
  Load();
  EXPECT_EXIT(ReadProperty(0x52019999, kButton, kLeft), ::testing::ExitedWithCode(255),
              FatalEcho("未载入欲访问窗口组件所在的窗口"));
  EXPECT_EXIT(WriteInt(0x52019999, kButton, kLeft, 1), ::testing::ExitedWithCode(255),
              FatalEcho("未载入欲访问窗口组件所在的窗口"));
}

TEST_F(FormPropertyDeathTest, MissingControlIsFatalAndNamed) {
  Load();
  EXPECT_EXIT(ReadProperty(kWindow, 0x16019999, kComboSelection), ::testing::ExitedWithCode(255),
              FatalEcho("未找到欲访问的窗口组件 0x16019999"));
  EXPECT_EXIT(WriteInt(kWindow, 0x16019999, kLeft, 3), ::testing::ExitedWithCode(255),
              FatalEcho("未找到欲访问的窗口组件 0x16019999"));
}

}  // namespace
}  // namespace veltrane::runtime::testing_form
