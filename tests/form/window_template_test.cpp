// The window template: what the writer writes the reader reads back, unit
// tables edited in place keep finding every record, and malformed streams are
// rejected with an error that says where.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/template/byte_stream.h"
#include "form/template/window_template.h"

namespace veltrane::runtime {
namespace {

constexpr std::uint32_t kMainWindow = 0x52010001;

UnitDescription WindowUnit() {
  UnitDescription unit;
  unit.id = kWindowUnitId;
  unit.type_code = static_cast<std::uint32_t>(TypeCode::Window);
  unit.left = 100;
  unit.top = 80;
  unit.width = 640;
  unit.height = 480;
  unit.flags = kUnitVisible;
  unit.events = {{0, 0}, {3, -1}};
  unit.type_block = {1, 2, 3, 4, 5};
  return unit;
}

UnitDescription Control(std::uint32_t id, TypeCode type, std::string name) {
  UnitDescription unit;
  unit.id = id;
  unit.type_code = static_cast<std::uint32_t>(type);
  unit.name = std::move(name);
  unit.left = -60;
  unit.top = static_cast<std::int32_t>(id & 0xFF);
  unit.width = 80;
  unit.height = 24;
  unit.flags = kUnitVisible | kUnitTabStop;
  unit.type_block = std::vector<std::uint8_t>(id % 7 + 3, static_cast<std::uint8_t>(id));
  return unit;
}

WindowDescription SampleWindow() {
  WindowDescription window;
  window.id = kMainWindow;
  window.word0 = 0x027A3678;
  window.word1 = 0x19010019;
  window.units.push_back(WindowUnit());
  auto button = Control(0x160D0001, TypeCode::Button,
                        "\xB0\xB4\xC5\xA5"
                        "8");  // 按钮8
  button.events = {{0, 2}};
  window.units.push_back(button);
  auto label = Control(0x160D0002, TypeCode::Label,
                       "\xB1\xEA\xC7\xA9"
                       "1");  // 标签1
  label.remark = "r";
  label.children = {7, 8};
  label.tag = "old";
  window.units.push_back(label);
  auto combo = Control(0x160D0003, TypeCode::ComboBox, "combo");
  combo.event_share = 0x160D0001;
  combo.parent = 0x160D0002;
  combo.cursor = {9, 9, 9, 9, 9, 9};
  combo.flags = kUnitTabStop;
  window.units.push_back(combo);
  window.units.push_back(Control(0x160D0004, TypeCode::EditBox, "edit"));
  return window;
}

UnitTable ReadSampleTable() {
  const std::vector<WindowDescription> windows = {SampleWindow()};
  auto read = ReadWindowTemplate(WriteWindowTemplate(windows));
  EXPECT_TRUE(read.ok()) << read.error().message;
  return read->front().units;
}

TEST(WindowTemplate, ReadsBackWhatTheWriterWrote) {
  WindowDescription second = SampleWindow();
  second.id = kMainWindow + 1;
  second.text0 = "t0";
  second.text1 = std::string(300, 'z');
  second.units.resize(1);
  const std::vector<WindowDescription> windows = {SampleWindow(), second};

  auto read = ReadWindowTemplate(WriteWindowTemplate(windows));
  ASSERT_TRUE(read.ok()) << read.error().message;
  ASSERT_EQ(read->size(), windows.size());
  for (std::size_t w = 0; w < windows.size(); ++w) {
    const WindowRecord& record = (*read)[w];
    EXPECT_EQ(record.id, windows[w].id);
    EXPECT_EQ(record.word0, windows[w].word0);
    EXPECT_EQ(record.word1, windows[w].word1);
    EXPECT_EQ(record.text0, windows[w].text0);
    EXPECT_EQ(record.text1, windows[w].text1);
    ASSERT_EQ(record.units.size(), static_cast<int>(windows[w].units.size()));
    for (int k = 0; k < record.units.size(); ++k) {
      EXPECT_EQ(record.units.Unit(k), windows[w].units[static_cast<std::size_t>(k)]) << k;
    }
  }
}

TEST(WindowTemplate, EmptyTemplateHasNoWindows) {
  auto read = ReadWindowTemplate(WriteWindowTemplate({}));
  ASSERT_TRUE(read.ok());
  EXPECT_TRUE(read->empty());
}

TEST(UnitTable, WindowRecordComesFirstWithItsIdAndEmptyName) {
  const UnitTable table = ReadSampleTable();
  EXPECT_EQ(table.IdAt(0), kWindowUnitId);
  EXPECT_EQ(table.Find(kWindowUnitId), 0);
  EXPECT_EQ(table.Name(0), "");
  EXPECT_EQ(table.TypeCodeAt(0), static_cast<std::uint32_t>(TypeCode::Window));
}

TEST(UnitTable, FindsEveryUnitByIdAndNothingElse) {
  const UnitTable table = ReadSampleTable();
  const WindowDescription window = SampleWindow();
  for (std::size_t k = 0; k < window.units.size(); ++k) {
    EXPECT_EQ(table.Find(window.units[k].id), static_cast<int>(k));
  }
  EXPECT_EQ(table.Find(0), -1);
  EXPECT_EQ(table.Find(0x160D0099), -1);
}

TEST(UnitTable, EventEntriesKeepNoHandlerAndEmptyLists) {
  const UnitTable table = ReadSampleTable();
  const auto window_events = table.Events(0);
  ASSERT_EQ(window_events.size(), 2u);
  EXPECT_EQ(window_events[1].event, 3);
  EXPECT_EQ(window_events[1].handler, -1);  // listed, but no handler
  EXPECT_TRUE(table.Events(2).empty());     // event count 0
  EXPECT_EQ(table.Events(1).front().handler, 2);
  EXPECT_EQ(table.EventShareAt(3), 0x160D0001u);
}

// Each later record must still decode to exactly what was written.
void ExpectUnitsIntact(const UnitTable& table, const WindowDescription& window, int skip) {
  for (int k = 0; k < table.size(); ++k) {
    if (k == skip) continue;
    EXPECT_EQ(table.Unit(k), window.units[static_cast<std::size_t>(k)]) << "unit " << k;
    EXPECT_EQ(table.Find(window.units[static_cast<std::size_t>(k)].id), k);
  }
}

struct TagEdit {
  const char* name;
  int unit;
  std::string tag;
};

class ReplaceTagTest : public ::testing::TestWithParam<TagEdit> {};

TEST_P(ReplaceTagTest, LaterRecordsAreFoundThroughCorrectedOffsets) {
  const auto& edit = GetParam();
  UnitTable table = ReadSampleTable();
  table.ReplaceTag(edit.unit, edit.tag);
  EXPECT_EQ(table.Tag(edit.unit), edit.tag.substr(0, edit.tag.find('\0')));

  WindowDescription window = SampleWindow();
  UnitDescription expected = window.units[static_cast<std::size_t>(edit.unit)];
  expected.tag = edit.tag.substr(0, edit.tag.find('\0'));
  EXPECT_EQ(table.Unit(edit.unit), expected);
  ExpectUnitsIntact(table, window, edit.unit);

  // The edited bytes are themselves a valid table.
  auto reparsed =
      UnitTable::Parse(std::vector<std::uint8_t>(table.bytes().begin(), table.bytes().end()),
                       static_cast<std::uint32_t>(table.size()));
  ASSERT_TRUE(reparsed.ok()) << reparsed.error().message;
  EXPECT_EQ(reparsed->Unit(edit.unit), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ReplaceTagTest,
    ::testing::Values(TagEdit{"longer_first_control", 1, std::string(200, 'T')},
                      TagEdit{"longer_window", 0, "\xB1\xEA\xC7\xA9 tag"},
                      TagEdit{"shorter", 2, ""}, TagEdit{"same_length", 2, "new"},
                      TagEdit{"last_unit", 4, "tail tag"},
                      TagEdit{"stops_at_zero_byte", 1, std::string("ab\0cd", 5)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitTable, ReplaceCursorShiftsTagFlagsEventsAndLaterRecords) {
  UnitTable table = ReadSampleTable();
  WindowDescription window = SampleWindow();
  const std::vector<std::uint8_t> cursor(50, 0xCC);
  table.ReplaceCursor(2, cursor);
  table.ReplaceCursor(3, {});
  window.units[2].cursor = cursor;
  window.units[3].cursor.clear();
  ExpectUnitsIntact(table, window, -1);
}

TEST(UnitTable, RepeatedEditsOfOneRecordStayConsistent) {
  UnitTable table = ReadSampleTable();
  WindowDescription window = SampleWindow();
  for (int round = 0; round < 5; ++round) {
    const std::string tag(static_cast<std::size_t>(round * 37 % 11), 'q');
    table.ReplaceTag(1, tag);
    table.ReplaceCursor(1, std::vector<std::uint8_t>(static_cast<std::size_t>(round), 1));
    window.units[1].tag = tag;
    window.units[1].cursor.assign(static_cast<std::size_t>(round), 1);
  }
  ExpectUnitsIntact(table, window, -1);
}

TEST(UnitTable, InPlaceFieldsAndRuntimeSlots) {
  UnitTable table = ReadSampleTable();
  table.SetGeometry(3, GeometryField::Left, -32627);
  table.SetGeometry(3, GeometryField::Height, 0);
  table.SetFlags(3, kUnitVisible | kUnitDisabled);
  table.SetObjectSlot(3, 0xABCD);
  table.SetCursorSlot(3, 0x1234);
  EXPECT_EQ(table.Geometry(3, GeometryField::Left), -32627);
  EXPECT_EQ(table.Geometry(3, GeometryField::Top), 3);
  EXPECT_EQ(table.Geometry(3, GeometryField::Height), 0);
  EXPECT_EQ(table.Flags(3), kUnitVisible | kUnitDisabled);
  EXPECT_EQ(table.ObjectSlot(3), 0xABCDu);
  EXPECT_EQ(table.CursorSlot(3), 0x1234u);
  EXPECT_EQ(table.Parent(3), 0x160D0002u);
  EXPECT_EQ(table.ObjectSlot(2), 0u);
}

// --- malformed input -------------------------------------------------------

std::vector<std::uint8_t> SampleStream() {
  const std::vector<WindowDescription> windows = {SampleWindow()};
  return WriteWindowTemplate(windows);
}

TEST(ReadWindowTemplate, RejectsEveryTruncationAndTrailingBytes) {
  const auto stream = SampleStream();
  for (std::size_t n = 0; n < stream.size(); ++n) {
    const std::vector<std::uint8_t> cut(stream.begin(), stream.begin() + static_cast<long>(n));
    EXPECT_FALSE(ReadWindowTemplate(cut).ok()) << "accepted the first " << n << " bytes";
  }
  auto longer = stream;
  longer.push_back(0);
  EXPECT_FALSE(ReadWindowTemplate(longer).ok());
}

TEST(ReadWindowTemplate, SurvivesEveryByteFlipped) {
  // Either rejected or accepted as something whose every unit can be walked.
  const auto stream = SampleStream();
  for (std::size_t i = 0; i < stream.size(); ++i) {
    for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
      auto bad = stream;
      bad[i] = value;
      auto read = ReadWindowTemplate(bad);
      if (!read.ok()) continue;
      for (const WindowRecord& window : *read) {
        for (int k = 0; k < window.units.size(); ++k) (void)window.units.Unit(k);
      }
    }
  }
}

std::uint32_t WordAt(const std::vector<std::uint8_t>& b, std::size_t at) {
  return LoadU32(b.data() + at);
}

// Byte offsets in the sample stream: id block (4 + 8), two words, two empty
// texts, the unit count, the table length; then the table.
constexpr std::size_t kUnitCountAt = 12 + 8 + 8;
constexpr std::size_t kTableAt = kUnitCountAt + 8;
constexpr std::size_t kUnits = 5;
constexpr std::size_t kOffsetsAt = kTableAt + 4 * kUnits;
constexpr std::size_t kRecordsAt = kTableAt + 8 * kUnits;

struct Corruption {
  const char* name;
  void (*apply)(std::vector<std::uint8_t>&);
  const char* expected;  // part of the error message
};

const Corruption kCorruptions[] = {
    {"window_block_not_multiple_of_eight", [](auto& b) { StoreU32(b.data(), 7); },
     "byte 0: window id block"},
    {"unit_count_too_large", [](auto& b) { StoreU32(b.data() + kUnitCountAt, 100000); },
     "window 0x52010001, byte"},
    {"no_units", [](auto& b) { StoreU32(b.data() + kUnitCountAt, 0); }, "no units"},
    {"offset_past_table", [](auto& b) { StoreU32(b.data() + kOffsetsAt + 8, 0x7FFFFFF0); },
     "window 0x52010001, unit 2, byte "},
    {"record_length_past_table",
     [](auto& b) {
       const std::size_t at = kRecordsAt + WordAt(b, kOffsetsAt + 16);
       StoreU32(b.data() + at, 0xFFFFFFFF);
     },
     "unit 4"},
    {"records_overlap",
     [](auto& b) { StoreU32(b.data() + kOffsetsAt + 8, WordAt(b, kOffsetsAt + 4)); }, "overlaps"},
    {"window_record_not_first", [](auto& b) { StoreU32(b.data() + kTableAt, 0x160D0009); },
     "unit 0"},
    {"duplicate_unit_id",
     [](auto& b) { StoreU32(b.data() + kTableAt + 8, WordAt(b, kTableAt + 4)); }, "share one id"},
    {"name_without_terminator",
     [](auto& b) {
       // Unit 1's record shrunk to its head plus part of the name.
       StoreU32(b.data() + kRecordsAt + WordAt(b, kOffsetsAt + 4), 26);
     },
     "unit 1"},
};

class CorruptStreamTest : public ::testing::TestWithParam<Corruption> {};

TEST_P(CorruptStreamTest, IsRejectedWithWhere) {
  auto stream = SampleStream();
  GetParam().apply(stream);
  auto read = ReadWindowTemplate(stream);
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error().message.find(GetParam().expected), std::string::npos)
      << read.error().message;
}

INSTANTIATE_TEST_SUITE_P(Cases, CorruptStreamTest, ::testing::ValuesIn(kCorruptions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnitTableParse, RejectsHandlerRefsBelowMinusOneAndHugeCounts) {
  std::vector<UnitDescription> units = {WindowUnit()};
  units[0].events = {{0, -2}};
  auto table = UnitTable::Parse(WriteUnitTable(units), 1);
  ASSERT_FALSE(table.ok());
  EXPECT_NE(table.error().message.find("handler"), std::string::npos);

  units[0].events.clear();
  units[0].children = {1, 2, 3};
  auto bytes = WriteUnitTable(units);
  auto ok = UnitTable::Parse(bytes, 1);
  ASSERT_TRUE(ok.ok()) << ok.error().message;
  EXPECT_FALSE(UnitTable::Parse(bytes, 2).ok());
  EXPECT_FALSE(UnitTable::Parse(bytes, 0xFFFFFFFF).ok());
  EXPECT_FALSE(UnitTable::Parse({}, 1).ok());
}

TEST(ReadWindowTemplate, RejectsDuplicateWindowIds) {
  const std::vector<WindowDescription> windows = {SampleWindow(), SampleWindow()};
  EXPECT_FALSE(ReadWindowTemplate(WriteWindowTemplate(windows)).ok());
}

}  // namespace
}  // namespace veltrane::runtime
