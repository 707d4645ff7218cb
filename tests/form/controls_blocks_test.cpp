// Type blocks of the five control types: exact layouts, round trips, and
// refusal of newer versions, short blocks and trailing bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "form/controls/block_codec.h"
#include "form/controls/button_block.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/label_block.h"
#include "form/controls/window_block.h"

namespace veltrane::runtime {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

TEST(TypeBlockLayout, ButtonBlockIsVersionValuesBytesThenCaption) {
  ButtonBlock block;
  block.type = 1;
  block.h_align = 0;
  block.v_align = 2;
  block.caption = "OK";
  Bytes want;
  for (std::uint32_t v : {1u, 1u, 0u, 2u, 0u, 0u, 2u}) PutU32(want, v);
  want.push_back('O');
  want.push_back('K');
  EXPECT_EQ(block.Encode(), want);
}

TEST(TypeBlockLayout, DefaultsMatchTheTypes) {
  EXPECT_EQ(LabelBlock{}.caption, "\xB1\xEA\xC7\xA9");   // 标签
  EXPECT_EQ(ButtonBlock{}.caption, "\xB0\xB4\xC5\xA5");  // 按钮
  EXPECT_EQ(ComboBoxBlock{}.selection, -1);
  EXPECT_EQ(EditBoxBlock{}.password_mask, 42);
  EXPECT_EQ(WindowBlock{}.background, 0xFF000000u);
  // A label block of version 2 with no font and no picture: 17 words, two
  // empty counted blocks, a 4-byte caption and two empty data-binding texts.
  EXPECT_EQ(LabelBlock{}.Encode().size(), 17u * 4 + 4 + 4 + 4 + 4 + 4 + 4);
}

TEST(TypeBlockLayout, ComboItemsUseTheTextList) {
  ComboBoxBlock block;
  block.items = {"a", "bc"};
  const Bytes bytes = block.Encode();
  // version, 9 values, empty font, empty item data, empty content = 52 bytes,
  // then the list: 16-bit count 2, "a", "bc".
  const Bytes list(bytes.begin() + 52, bytes.begin() + 52 + 2 + 5 + 6);
  EXPECT_EQ(list, (Bytes{2, 0, 1, 0, 0, 0, 'a', 2, 0, 0, 0, 'b', 'c'}));
}

TEST(TypeBlockLayout, LongTextListTakesTheWideCount) {
  const std::vector<std::string> items(0x10000, "x");
  const Bytes bytes = EncodeTextList(items);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFF);
  Result<std::vector<std::string>> back = DecodeTextList(bytes);
  ASSERT_TRUE(back.ok()) << back.error().message;
  EXPECT_EQ(back->size(), items.size());
}

TEST(TypeBlockRoundTrip, EveryTypeKeepsEveryField) {
  WindowBlock window;
  window.caption = "Veltrane";
  window.background = 0;
  window.maximise_box = 0;
  window.icon = {1, 2, 3};
  window.class_name = "cls";
  window.always_on_top = 1;
  EXPECT_EQ(*WindowBlock::Decode(window.Encode()), window);

  LabelBlock label;
  label.font = BoldFont(48);
  label.font->SetFaceName("SimSun");
  label.text_colour = 0x0000FF;
  label.background = 0;
  label.word_wrap = 1;
  label.caption = "|\r\n|";
  label.data_column = "col";
  EXPECT_EQ(*LabelBlock::Decode(label.Encode()), label);

  EditBoxBlock edit;
  edit.content = "2015";
  edit.max_length = 4;
  edit.input_mode = 3;
  edit.spin_mode = 1;
  edit.spin_min = 1800;
  edit.spin_max = 2999;
  edit.password_mask = 0x25CF;
  EXPECT_EQ(*EditBoxBlock::Decode(edit.Encode()), edit);

  ButtonBlock button;
  button.picture = {9, 8};
  button.font = BoldFont(14);
  EXPECT_EQ(*ButtonBlock::Decode(button.Encode()), button);

  ComboBoxBlock combo;
  combo.style = 2;
  combo.items = {"\xD2\xD2", "\xB1\xFB"};
  combo.item_data = {7, 8};
  combo.selection = 8;
  combo.property24 = 1;
  EXPECT_EQ(*ComboBoxBlock::Decode(combo.Encode()), combo);
}

TEST(TypeBlockRoundTrip, OlderVersionsOmitLaterFields) {
  WindowBlock window;
  window.version = 1;
  window.property26 = 1;  // default: version 1 does not store it
  EXPECT_EQ(*WindowBlock::Decode(window.Encode()), window);
  EXPECT_EQ(window.Encode().size(), WindowBlock{}.Encode().size() - 5 * 4 - 4);

  LabelBlock label;
  label.version = 1;
  EXPECT_EQ(*LabelBlock::Decode(label.Encode()), label);
  ComboBoxBlock combo;
  combo.version = 1;
  EXPECT_EQ(*ComboBoxBlock::Decode(combo.Encode()), combo);
}

// Each type with a block that decodes, and its decoder.
struct TypeCase {
  const char* name;
  std::function<Bytes(std::uint32_t version)> encode;
  std::function<bool(const Bytes&)> decodes;
  std::uint32_t newest;
};

std::vector<TypeCase> Cases() {
  auto with = [](auto block) {
    return [block](std::uint32_t version) mutable {
      block.version = version;
      return block.Encode();
    };
  };
  auto decodes = [](auto decode) { return [decode](const Bytes& b) { return decode(b).ok(); }; };
  LabelBlock label;
  label.font = BoldFont(16);
  ComboBoxBlock combo;
  combo.items = {"x", "yz"};
  combo.item_data = {1, 2};
  return {
      {"window", with(WindowBlock{}), decodes(&WindowBlock::Decode), 6},
      {"label", with(label), decodes(&LabelBlock::Decode), 2},
      {"edit", with(EditBoxBlock{}), decodes(&EditBoxBlock::Decode), 2},
      {"button", with(ButtonBlock{}), decodes(&ButtonBlock::Decode), 1},
      {"combo", with(combo), decodes(&ComboBoxBlock::Decode), 3},
  };
}

TEST(TypeBlockRefusal, NewerVersionFails) {
  for (const TypeCase& c : Cases()) {
    EXPECT_TRUE(c.decodes(c.encode(c.newest))) << c.name;
    EXPECT_FALSE(c.decodes(c.encode(c.newest + 1))) << c.name;
  }
  LabelBlock newer;
  newer.version = 3;
  Result<LabelBlock> label = LabelBlock::Decode(newer.Encode());
  ASSERT_FALSE(label.ok());
  EXPECT_NE(label.error().message.find("version 3"), std::string::npos);
}

TEST(TypeBlockRefusal, EveryTruncationAndTrailingByteFails) {
  for (const TypeCase& c : Cases()) {
    const Bytes whole = c.encode(c.newest);
    for (std::size_t n = 0; n < whole.size(); ++n) {
      EXPECT_FALSE(c.decodes(Bytes(whole.begin(), whole.begin() + n))) << c.name << " " << n;
    }
    Bytes longer = whole;
    longer.push_back(0);
    EXPECT_FALSE(c.decodes(longer)) << c.name;
  }
}

TEST(TypeBlockRefusal, BadFontLengthAndItemDataFail) {
  Bytes label = LabelBlock{}.Encode();
  // The font's counted bytes follow the 17 leading words: claim 5 bytes.
  label[68] = 5;
  label.insert(label.begin() + 72, 5, 0);
  EXPECT_FALSE(LabelBlock::Decode(label).ok());

  Bytes items = EncodeItemData(std::vector<std::uint32_t>{1});
  items.pop_back();
  EXPECT_FALSE(DecodeItemData(items).ok());
}

TEST(TypeBlockRefusal, HugeCountsNeverAllocateOrReadPastTheEnd) {
  EXPECT_FALSE(DecodeTextList(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}).ok());
  Bytes combo = ComboBoxBlock{}.Encode();
  combo[40] = 0xFF;  // font length word
  combo[43] = 0x7F;
  EXPECT_FALSE(ComboBoxBlock::Decode(combo).ok());
}

TEST(TypeBlockRefusal, TheErrorNamesTheBlockAndTheByteOfTheFirstFault) {
  // A version word, a counted text and a text list, read as a type block is.
  const auto read = [](const Bytes& bytes) {
    BlockReader r(bytes, "test");
    std::uint32_t version = 0;
    std::string text;
    std::vector<std::string> list;
    r.Version(version, 2);
    r.CountedText(text);
    r.TextList(list);
    const Result<bool> done = r.Finish();
    return done.ok() ? std::string("ok") : done.error().message;
  };
  const struct {
    Bytes bytes;
    const char* error;
  } rows[] = {
      {{2, 0, 0, 0, 1, 0, 0, 0, 'a', 1, 0, 0, 0, 0, 0}, "ok"},
      {{}, "test block: runs past its end at byte 0"},
      {{3, 0, 0, 0}, "test block: version 3 is newer than 2 at byte 0"},
      {{2, 0, 0, 0, 5, 0, 0, 0, 'a', 'b'}, "test block: runs past its end at byte 8"},
      {{2, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 1},
       "test block: holds a text list longer than the block at byte 14"},
      {{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9}, "test block: trailing bytes at byte 10"},
  };
  for (const auto& row : rows) EXPECT_EQ(read(row.bytes), row.error);

  // A stored font that is neither empty nor 60 bytes is named where it starts.
  Bytes font;
  PutU32(font, 5);
  font.insert(font.end(), 5, 0);
  BlockReader r(font, "font");
  std::optional<LogFont> out;
  EXPECT_FALSE(r.StoredFont(out));
  const std::string error = r.Finish().error().message;
  EXPECT_EQ(error.rfind("font block: ", 0), 0u) << error;
  EXPECT_NE(error.find(" at byte 0"), std::string::npos) << error;
}

TEST(LogFontRecord, SixtyBytesRoundTripAndFaceIsBounded) {
  LogFont f = BoldFont(56);
  f.italic = 1;
  f.SetFaceName("\xCB\xCE\xCC\xE5");  // 宋体
  const auto bytes = f.Encode();
  EXPECT_EQ(bytes.size(), 60u);
  EXPECT_EQ(bytes[0], 0xC8);   // -56
  EXPECT_EQ(bytes[16], 0xBC);  // 700
  EXPECT_EQ(bytes[23], 134);
  EXPECT_EQ(*LogFont::Decode(bytes), f);

  f.SetFaceName(std::string(32, 'x'));
  EXPECT_EQ(f.FaceName(), "");
  std::array<std::uint8_t, 60> unterminated{};
  for (std::size_t i = 28; i < 60; ++i) unterminated[i] = 'y';
  EXPECT_EQ(LogFont::Decode(unterminated)->FaceName().size(), 31u);

  const platform::Font pf = ToPlatformFont(BoldFont(16));
  EXPECT_FALSE(pf.is_default);
  EXPECT_EQ(pf.height, -16);
  EXPECT_EQ(pf.weight, 700);
  EXPECT_TRUE(ToPlatformFont(std::nullopt).is_default);
}

}  // namespace
}  // namespace veltrane::runtime
