// The control types on their own: the registry and property tables, a
// get/set round trip of every property of every type, and the pure rules of
// edit input (filter, spin steps, mask characters).
#include <gtest/gtest.h>

#include <limits>

#include "default_blocks.h"
#include "form/controls/button_block.h"
#include "form/controls/combo_box.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/control_types.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/edit_input.h"
#include "form/controls/label_block.h"
#include "form/controls/window_block.h"
#include "form/template/window_template.h"
#include "platform/headless/headless_platform.h"

namespace veltrane::runtime {
namespace {

TEST(ControlRegistry, FiveTypesWithTheirNamesFlagsAndPropertyCounts) {
  struct Row {
    TypeCode code;
    const char* english;
    std::uint32_t flags;
    int properties;
  };
  const Row rows[] = {
      {TypeCode::Window, "window", 0x800000D0, 32},
      {TypeCode::EditBox, "EditBox", 0x80000040, 29},
      {TypeCode::Label, "Label", 0x84012040, 29},
      {TypeCode::Button, "Button", 0x80000840, 14},
      {TypeCode::ComboBox, "ComboBox", 0x80000240, 25},
  };
  for (const Row& row : rows) {
    const ControlType* type = FindControlType(static_cast<std::uint32_t>(row.code));
    ASSERT_NE(type, nullptr) << row.english;
    EXPECT_STREQ(type->english_name, row.english);
    EXPECT_EQ(type->flags, row.flags);
    EXPECT_EQ(type->property_count(), row.properties);
    EXPECT_TRUE(type->CanRaiseEvents());
    EXPECT_EQ(type->Property(row.properties), nullptr);
    EXPECT_EQ(type->Property(kLeft)->flags, kCommonPropertyFlags);
  }
  EXPECT_EQ(FindControlType(0x00019999), nullptr);
  EXPECT_EQ(AllControlTypes().size(), 5u);
  EXPECT_STREQ(FindControlType(0x0001000E)->chinese_name, "\xD7\xE9\xBA\xCF\xBF\xF2");  // 组合框
}

TEST(ControlRegistry, KindsOfTheProgramsProperties) {
  const auto kind = [](TypeCode code, PropertyIndex p) {
    return FindControlType(static_cast<std::uint32_t>(code))->Property(p)->kind;
  };
  EXPECT_EQ(kind(TypeCode::Label, kLabelCaption), PropertyKind::Text);
  EXPECT_EQ(kind(TypeCode::Label, kLabelFont), PropertyKind::Font);
  EXPECT_EQ(kind(TypeCode::Label, kLabelBackground), PropertyKind::BackgroundColour);
  EXPECT_EQ(kind(TypeCode::EditBox, kEditContent), PropertyKind::Text);
  EXPECT_EQ(kind(TypeCode::EditBox, kEditInputMode), PropertyKind::Enumeration);
  EXPECT_EQ(kind(TypeCode::ComboBox, kComboSelection), PropertyKind::Number);
  EXPECT_EQ(kind(TypeCode::ComboBox, kComboItems), PropertyKind::List);
  EXPECT_EQ(kind(TypeCode::Window, kWindowClassName), PropertyKind::Text);
  EXPECT_EQ(kind(TypeCode::Button, kButtonPicture), PropertyKind::Picture);
}

// Every type-specific property of every type: an in-range value written is
// read back, and the control's serialized block decodes again.
TEST(ControlProperties, EveryPropertyRoundTrips) {
  platform::HeadlessPlatform p;
  platform::CreateParams top_params;
  top_params.rect = {0, 0, 300, 200};
  const platform::Handle top = p.CreateTopWindow(top_params, {});
  for (const ControlType& type : AllControlTypes()) {
    const auto code = static_cast<TypeCode>(type.code);
    CreateContext context{&type, &p, {}};
    context.params.parent = code == TypeCode::Window ? 0 : top;
    context.params.rect = {1, 2, 30, 20};
    Result<std::unique_ptr<Control>> made = type.create(context, DefaultBlock(code));
    ASSERT_TRUE(made.ok()) << type.english_name << ": " << made.error().message;
    Control& control = **made;
    for (const PropertyInfo& info : type.properties) {
      const int index = info.index - kFirstTypeProperty;
      PropertyValue value;
      switch (ClassOf(info.kind)) {
        case ValueClass::Int32:
        case ValueClass::Boolean:
        case ValueClass::Int64:
          value.number = info.index == kComboSelection ? 1 : std::clamp(1, info.min, info.max);
          break;
        case ValueClass::Text:
          value.text = "x";
          break;
        case ValueClass::Bytes:
          break;  // lists and pictures: covered by their own tests
        case ValueClass::Font:
          value.font = BoldFont(20);
          break;
        case ValueClass::Invalid:
          FAIL();
      }
      if (ClassOf(info.kind) == ValueClass::Bytes) continue;
      const SetEffect effect = control.Set(index, value);
      if (effect == SetEffect::Recreate) continue;  // the runtime re-creates; checked there
      PropertyValue back;
      ASSERT_TRUE(control.Get(index, back)) << type.english_name << " " << info.index;
      // A window's position reads its live state: 0 unless minimised or maximised.
      const bool live_position = code == TypeCode::Window && info.index == kWindowPosition;
      EXPECT_EQ(back.number, live_position ? 0 : value.number)
          << type.english_name << " " << info.index;
      if (ClassOf(info.kind) == ValueClass::Text && info.index != kComboSelectedText &&
          info.index != kEditSelectedText) {
        EXPECT_EQ(back.text, value.text) << type.english_name << " " << info.index;
      }
      EXPECT_EQ(back.font, value.font) << type.english_name << " " << info.index;
    }
    PropertyValue none;
    EXPECT_FALSE(control.Get(type.property_count() - kFirstTypeProperty, none));
    const std::vector<std::uint8_t> block = control.Serialize();
    Result<std::unique_ptr<Control>> again = type.create(context, block);
    EXPECT_TRUE(again.ok()) << type.english_name;
  }
}

TEST(ControlProperties, ComboItemsAsAByteBlock) {
  platform::HeadlessPlatform p;
  const platform::Handle top = p.CreateTopWindow({}, {});
  const ControlType& type = *FindControlType(static_cast<std::uint32_t>(TypeCode::ComboBox));
  CreateContext context{&type, &p, {}};
  context.params.parent = top;
  ComboBoxBlock block;
  block.items = {"b", "a"};
  block.selection = 1;
  std::unique_ptr<Control> combo = type.create(context, block.Encode()).value();
  PropertyValue value;
  ASSERT_TRUE(combo->Get(kComboItems - kFirstTypeProperty, value));
  EXPECT_EQ(*DecodeTextList(value.bytes), (std::vector<std::string>{"b", "a"}));
  const std::vector<std::uint8_t> three = EncodeTextList(std::vector<std::string>{"x", "y", "z"});
  value.bytes = three;
  combo->Set(kComboItems - kFirstTypeProperty, value);
  EXPECT_EQ(p.Find(combo->handle())->combo.items.size(), 3u);
  EXPECT_EQ(p.GetSelection(combo->handle()), -1);  // new items, no selection
  const std::vector<std::uint8_t> bad = {5, 0, 1};
  value.bytes = bad;
  combo->Set(kComboItems - kFirstTypeProperty, value);  // malformed: nothing changes
  EXPECT_EQ(p.Find(combo->handle())->combo.items.size(), 3u);

  // A sorted box keeps its items, with their data, in order.
  block.sorted = 1;
  block.item_data = {20, 10};
  std::unique_ptr<Control> sorted = type.create(context, block.Encode()).value();
  const auto& box = static_cast<const ComboBox&>(*sorted);
  EXPECT_EQ(box.block().items, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(box.block().item_data, (std::vector<std::uint32_t>{10, 20}));
}

TEST(EditInput, FilterOfEveryInputMode) {
  struct Row {
    InputMode mode;
    const char* accepted;
    const char* refused;
  };
  const Row rows[] = {
      {InputMode::AnyText, "a-.5 Z", ""},
      {InputMode::ReadOnly, "a", ""},
      {InputMode::Password, "a", ""},
      {InputMode::Integer, "-0123456789", "a.+ e"},
      {InputMode::Byte, "-9", "a."},
      {InputMode::Short, "-9", "a."},
      {InputMode::Long, "-9", "a."},
      {InputMode::Decimal, "-.09", "a+e,"},
      {InputMode::Single, "-.09", "a"},
      {InputMode::Double, "-.09", "a"},
      {InputMode::Digits, "0123456789", "-.a"},
  };
  for (const Row& row : rows) {
    for (const char* c = row.accepted; *c != '\0'; ++c) {
      EXPECT_TRUE(AcceptsTypedChar(row.mode, static_cast<char32_t>(*c)))
          << static_cast<int>(row.mode) << " " << *c;
    }
    for (const char* c = row.refused; *c != '\0'; ++c) {
      EXPECT_FALSE(AcceptsTypedChar(row.mode, static_cast<char32_t>(*c)))
          << static_cast<int>(row.mode) << " " << *c;
    }
    EXPECT_TRUE(AcceptsTypedChar(row.mode, U'\b'));  // control characters always pass
    EXPECT_EQ(AcceptsTypedChar(row.mode, U'年'), row.mode == InputMode::AnyText ||
                                                     row.mode == InputMode::ReadOnly ||
                                                     row.mode == InputMode::Password);
  }
}

TEST(EditInput, LeadingIntegerOfAnyText) {
  const std::pair<const char*, std::int64_t> rows[] = {
      {"12", 12},      {"", 0},        {"abc", 0},
      {"-7", -7},      {" 42x", 42},   {"+3", 3},
      {"-", 0},        {"2015", 2015}, {"99999999999999999999999", 1'000'000'000'000},
      {"\xC4\xEA", 0},
  };
  for (const auto& [text, want] : rows) {
    EXPECT_LE(std::abs(LeadingInteger(text)), std::int64_t{10'000'000'000'000}) << text;
    if (want < 1'000'000'000'000) {
      EXPECT_EQ(LeadingInteger(text), want) << text;
    }
  }
}

TEST(EditInput, SpinStepWrapsWithinTheRange) {
  struct Row {
    std::int64_t current;
    int delta;
    std::int32_t min, max;
    std::int64_t want;
  };
  const Row rows[] = {
      {12, 1, 1, 12, 1},
      {1, -1, 1, 12, 12},
      {0, 1, 1, 12, 1},
      {0, -1, 1, 12, 12},
      {6, 1, 1, 12, 7},
      {6, -1, 1, 12, 5},
      {40, -1, 1, 31, 31},
      {-5, 1, 1, 31, 1},
      {2999, 1, 1800, 2999, 1800},
      {23, 1, 0, 23, 0},
      {0, -1, 0, 23, 23},
      {std::numeric_limits<std::int32_t>::max(), 1, 0, std::numeric_limits<std::int32_t>::max(), 0},
      {5, 1, 10, 1, 10},
      {5, -1, 10, 1, 1},  // min above max: nothing lies inside
  };
  for (const Row& r : rows) {
    EXPECT_EQ(SpinStep(r.current, r.delta, r.min, r.max), r.want)
        << r.current << " " << r.delta << " [" << r.min << "," << r.max << "]";
  }
}

TEST(EditInput, MaskCharacterCodes) {
  EXPECT_EQ(GbkFromCharCode(u'*'), "*");
  EXPECT_EQ(GbkFromCharCode(u'年'), "\xC4\xEA");
  EXPECT_EQ(GbkFromCharCode(0xD800), "?");
  EXPECT_EQ(FirstCharCode("*x"), u'*');
  EXPECT_EQ(FirstCharCode("\xC4\xEA"), u'年');
  EXPECT_EQ(FirstCharCode(""), std::nullopt);
  EXPECT_TRUE(FirstCharCode("\xFF").has_value());  // a broken byte still gives a character
}

}  // namespace
}  // namespace veltrane::runtime
