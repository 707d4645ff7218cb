// The vocabulary's enums and their text tables, the boxes' item order, and
// the bounds of the Palace type.
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "chart/box_items.h"
#include "chart/palace.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

// Every value from `first` on has its own non-empty text; the values either
// side of the enum have none.
template <typename Enum, typename Name>
void ExpectDistinctTexts(Enum first, int count, Name name) {
  std::set<std::string_view> seen;
  const int start = static_cast<int>(first);
  for (int v = start; v < start + count; ++v) {
    const std::string_view text = name(static_cast<Enum>(v));
    EXPECT_FALSE(text.empty()) << v;
    EXPECT_TRUE(seen.insert(text).second) << text;
  }
  EXPECT_EQ(name(static_cast<Enum>(start - 1)), "");
  EXPECT_EQ(name(static_cast<Enum>(start + count)), "");
}

TEST(VocabularyTest, EveryValueHasItsOwnTextAndNoOtherValueHasOne) {
  ExpectDistinctTexts(Stem::kJia, kStemCount, [](Stem x) { return Text(x); });
  ExpectDistinctTexts(Branch::kZi, kBranchCount, [](Branch x) { return Text(x); });
  ExpectDistinctTexts(Star::kPeng, kStarCount, [](Star x) { return Text(x); });
  ExpectDistinctTexts(Gate::kOpen, kRingSize, [](Gate x) { return Text(x); });
  ExpectDistinctTexts(Deity::kJiuDi, kRingSize, [](Deity x) { return Text(x); });
  ExpectDistinctTexts(Deity::kJiuDi, kRingSize, [](Deity x) { return ShortText(x); });
  ExpectDistinctTexts(SolarTerm::kDongzhi, kTermCount, [](SolarTerm x) { return Text(x); });
  ExpectDistinctTexts(Yuan::Upper, kYuanCount, [](Yuan x) { return Text(x); });
  ExpectDistinctTexts(Dun::kYang, 2, [](Dun x) { return Text(x); });
  EXPECT_EQ(Text(Star::kQin), "天禽");
  EXPECT_EQ(Text(Star::kQin, Script::kHans), "天禽");
  EXPECT_EQ(Text(SolarTerm::kDaxue), "大雪");
  EXPECT_EQ(SolarTermOf(0), SolarTerm::kDaxue);
  EXPECT_EQ(SolarTermOf(25), SolarTerm::kDongzhi);
}

// In every script each value has a text, and in English a full name, of its
// own; the 简体 column is the one the window reads.
TEST(VocabularyTest, EveryValueHasItsOwnTextInEveryScript) {
  for (const Script s : kScripts) {
    SCOPED_TRACE(Tag(s));
    ExpectDistinctTexts(Stem::kJia, kStemCount, [s](Stem x) { return Text(x, s); });
    ExpectDistinctTexts(Branch::kZi, kBranchCount, [s](Branch x) { return Text(x, s); });
    ExpectDistinctTexts(Star::kPeng, kStarCount, [s](Star x) { return Text(x, s); });
    ExpectDistinctTexts(Star::kPeng, kStarCount, [s](Star x) { return Name(x, s); });
    ExpectDistinctTexts(Gate::kOpen, kRingSize, [s](Gate x) { return Text(x, s); });
    ExpectDistinctTexts(Gate::kOpen, kRingSize, [s](Gate x) { return Name(x, s); });
    ExpectDistinctTexts(Deity::kJiuDi, kRingSize, [s](Deity x) { return Text(x, s); });
    ExpectDistinctTexts(Deity::kJiuDi, kRingSize, [s](Deity x) { return ShortText(x, s); });
    ExpectDistinctTexts(Deity::kJiuDi, kRingSize, [s](Deity x) { return Name(x, s); });
    ExpectDistinctTexts(SolarTerm::kDongzhi, kTermCount, [s](SolarTerm x) { return Text(x, s); });
    ExpectDistinctTexts(SolarTerm::kDongzhi, kTermCount, [s](SolarTerm x) { return Name(x, s); });
    ExpectDistinctTexts(Yuan::Upper, kYuanCount, [s](Yuan x) { return Text(x, s); });
    ExpectDistinctTexts(Dun::kYang, 2, [s](Dun x) { return Text(x, s); });
  }
  EXPECT_EQ(kGateTexts, detail::Column(detail::TextsOf(kGateScripts), Script::kHans));
  EXPECT_EQ(Text(Gate::kFright, Script::kHant), "驚門");
  EXPECT_EQ(Name(SolarTerm::kDongzhi, Script::kEn), "Dongzhi (Winter Solstice)");
  EXPECT_EQ(ScriptOfTag("zh-Hant"), Script::kHant);
  EXPECT_EQ(ScriptOfTag("zh-TW"), std::nullopt);
}

TEST(BoxItemsTest, ItemsRoundTripThroughTheEnums) {
  for (int item = -2; item <= kInstrumentCount; ++item) {
    const bool inside = item >= 0 && item < kInstrumentCount;
    ASSERT_EQ(InstrumentOfItem(item).has_value(), inside) << item;
    if (inside) {
      EXPECT_EQ(ItemOf(*InstrumentOfItem(item)), item);
    }
  }
  EXPECT_EQ(ItemOf(Stem::kJia), -1);  // 甲 hides under the instruments
  for (int item = -2; item <= kRingSize; ++item) {
    const bool inside = item >= 0 && item < kRingSize;
    ASSERT_EQ(RingItemOf<Star>(item).has_value(), inside) << item;
    if (!inside) continue;
    EXPECT_EQ(ItemOf(*RingItemOf<Star>(item)), item);
    EXPECT_EQ(ItemOf(*RingItemOf<Gate>(item)), item);
    EXPECT_EQ(ItemOf(*RingItemOf<Deity>(item)), item);
  }
  EXPECT_EQ(ItemOf(Star::kQin), -1);  // 天禽 has no box
  EXPECT_EQ(ItemOf(std::optional<Gate>()), -1);
  EXPECT_EQ(kInstrumentItems[0], "乙");
  EXPECT_EQ(kCounterDeityItems[2], "符");
}

TEST(PalaceTest, OnlyNumbersOneToNineArePalaces) {
  for (int n : {-1, 0, 10, 1000}) EXPECT_FALSE(Palace::Of(n)) << n;
  for (int n = 1; n <= kPalaceCount; ++n) {
    const Palace p = Palace::Of(n).value();
    EXPECT_EQ(p.number(), n);
    EXPECT_EQ(p, kPalaces[p.index()]);
    EXPECT_EQ(p.is_centre(), n == 5);
    EXPECT_EQ(p.ring_position() == 0, n == 5);
  }
  EXPECT_EQ(Palace().number(), 1);
  EXPECT_EQ(NumberOf(std::nullopt), 0);
  EXPECT_EQ(Palace::At<8>().ring_position(), 8);
}

}  // namespace
}  // namespace veltrane::chart
