// Property rows: the table's own soundness check, and every stored property
// reaching the type block, so that a value a handler writes survives the
// control's re-creation from its block.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "default_blocks.h"
#include "form/controls/button_block.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/control_types.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/label_block.h"
#include "form/controls/property_row.h"
#include "form/controls/window_block.h"
#include "form/template/window_template.h"
#include "platform/headless/headless_platform.h"

namespace veltrane::runtime {
namespace {

struct FakeBlock {
  std::int32_t number = 0;
  std::vector<std::string> list;
};
struct FakeControl {
  void GetList(PropertyValue& /*out*/) {}
  SetEffect SetList(const PropertyInfo& /*info*/, const PropertyValue& /*value*/) {
    return SetEffect::None;
  }
};
using FakeRow = PropertyRow<FakeControl, FakeBlock>;

TEST(PropertyRows, TheSoundnessCheckRefusesBrokenTables) {
  constexpr std::array<FakeRow, 2> sound = {{
      {Prop(9, PropertyKind::Number), &FakeBlock::number},
      FakeRow{Prop(8, PropertyKind::List), &FakeBlock::list}.Live(&FakeControl::GetList,
                                                                  &FakeControl::SetList),
  }};
  static_assert(IsSoundRows(sound));
  static_assert(RowPlaces(sound)[0] == 1 && RowPlaces(sound)[1] == 0);
  static_assert(InfoInIndexOrder(sound)[0].kind == PropertyKind::List);

  constexpr std::array<FakeRow, 2> twice = {{
      {Prop(8, PropertyKind::Number), &FakeBlock::number},
      {Prop(8, PropertyKind::Number), &FakeBlock::number},
  }};
  static_assert(!IsSoundRows(twice));
  constexpr std::array<FakeRow, 2> gap = {{
      {Prop(8, PropertyKind::Number), &FakeBlock::number},
      {Prop(10, PropertyKind::Number), &FakeBlock::number},
  }};
  static_assert(!IsSoundRows(gap));
  // A list cannot be read or written as it is stored: it needs both accessors.
  constexpr std::array<FakeRow, 1> list_without_setter = {{
      FakeRow{Prop(8, PropertyKind::List), &FakeBlock::list}.Live(&FakeControl::GetList, nullptr),
  }};
  static_assert(!IsSoundRows(list_without_setter));
  constexpr std::array<FakeRow, 1> computed_without_getter = {{
      FakeRow{Prop(8, PropertyKind::Text)}.Live(nullptr, &FakeControl::SetList),
  }};
  static_assert(!IsSoundRows(computed_without_getter));
  constexpr std::array<FakeRow, 1> bad_range = {{
      {Prop(8, PropertyKind::Number, 5, 1), &FakeBlock::number},
  }};
  static_assert(!IsSoundRows(bad_range));
  SUCCEED();
}

// Every property but the lists, pictures and selected texts: a value written
// through Set is read back from a control made anew from the first one's block.
TEST(PropertyRows, EveryWrittenValueSurvivesTheTypeBlock) {
  platform::HeadlessPlatform p;
  const platform::Handle top = p.CreateTopWindow({}, {});
  for (const ControlType& type : AllControlTypes()) {
    const auto code = static_cast<TypeCode>(type.code);
    CreateContext context{&type, &p, {}};
    context.params.parent = code == TypeCode::Window ? 0 : top;
    context.params.rect = {1, 2, 30, 20};
    std::unique_ptr<Control> first = type.create(context, DefaultBlock(code)).value();
    const auto carried = [&](const PropertyInfo& info) {
      return ClassOf(info.kind) != ValueClass::Bytes && info.index != kEditSelectedText &&
             !(code == TypeCode::ComboBox && info.index == kComboSelectedText);
    };
    for (const PropertyInfo& info : type.properties) {
      if (!carried(info)) continue;
      PropertyValue value;
      value.number = std::clamp(2, info.min, info.max);
      if (info.kind == PropertyKind::Logical) value.number = 1;
      value.text = "x";
      value.font = BoldFont(20);
      first->Set(info.index - kFirstTypeProperty, value);
    }
    std::unique_ptr<Control> again = type.create(context, first->Serialize()).value();
    for (const PropertyInfo& info : type.properties) {
      if (!carried(info)) continue;
      const int index = info.index - kFirstTypeProperty;
      PropertyValue want;
      PropertyValue got;
      ASSERT_TRUE(first->Get(index, want)) << type.english_name << " " << info.index;
      ASSERT_TRUE(again->Get(index, got)) << type.english_name << " " << info.index;
      EXPECT_EQ(got.number, want.number) << type.english_name << " " << info.index;
      EXPECT_EQ(std::string(got.text), std::string(want.text))
          << type.english_name << " " << info.index;
      EXPECT_EQ(got.font, want.font) << type.english_name << " " << info.index;
    }
  }
}

}  // namespace
}  // namespace veltrane::runtime
