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
  EXPECT_EQ(Text(SolarTerm::kDaxue), "大雪");
  EXPECT_EQ(SolarTermOf(0), SolarTerm::kDaxue);
  EXPECT_EQ(SolarTermOf(25), SolarTerm::kDongzhi);
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
