// The query reader: what it accepts, how and, or, not bind, and where it stops on a bad query.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "search/query.h"

namespace veltrane::search {
namespace {

const Query& Read(const std::variant<Query, QueryError>& parsed) {
  static const Query kNone;
  if (const auto* error = std::get_if<QueryError>(&parsed)) {
    ADD_FAILURE() << Describe(*error);
    return kNone;
  }
  return std::get<Query>(parsed);
}

// The query's tree as text, to see how it binds: (a and b), (a or b), !a.
std::string Shape(const Query& query, int index) {
  if (index < 0) return "?";
  const Node& node = query.nodes[static_cast<std::size_t>(index)];
  switch (node.kind) {
    case Node::Kind::kTest:
      return node.text;
    case Node::Kind::kNot:
      return "!" + Shape(query, node.left);
    case Node::Kind::kAnd:
      return "(" + Shape(query, node.left) + " & " + Shape(query, node.right) + ")";
    case Node::Kind::kOr:
      return "(" + Shape(query, node.left) + " | " + Shape(query, node.right) + ")";
  }
  return "?";
}

TEST(QueryReader, NotBindsTightestThenAndThenOr) {
  const auto parsed = ParseQuery("dun=阳 or not yuan=上元 and term=冬至");
  const Query& query = Read(parsed);
  EXPECT_EQ(Shape(query, query.root), "(dun=阳 | (!yuan=上元 & term=冬至))");
  const auto grouped = ParseQuery("(dun=阳 or yuan=上元) and not (term=冬至)");
  EXPECT_EQ(Shape(Read(grouped), Read(grouped).root), "((dun=阳 | yuan=上元) & !term=冬至)");
}

TEST(QueryReader, ReadsEachFieldsValues) {
  struct Case {
    const char* text;
    Field field;
    int palace;
    int value;
  };
  const Case cases[] = {
      {"ju=阴遁七局", Field::kJu, 0, -7},
      {"ju=阳遁3局", Field::kJu, 0, 3},
      {"ju=-7", Field::kJu, 0, -7},
      {"dun=阴", Field::kDun, 0, 1},
      {"term=夏至", Field::kTerm, 0, 13},
      {"yuan=下元", Field::kYuan, 0, 3},
      {"duty_star=天心", Field::kDutyStar, 0, 7},
      {"duty_gate=死门", Field::kDutyGate, 0, 6},
      {"duty_gate_palace=9", Field::kDutyGatePalace, 0, 9},
      {"palace(4).gate=开门", Field::kPalaceGate, 4, 0},
      {"palace( 9 ).heaven=丙", Field::kPalaceHeaven, 9, 3},
      {"palace(2).deity=玄武", Field::kPalaceDeity, 2, 7},
      {"year=甲子", Field::kYear, 0, 1},
      {"day=庚午", Field::kDay, 0, 7},
      {"hour=癸亥", Field::kHour, 0, 60},
      {"hour_stem=壬", Field::kHourStem, 0, 9},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseQuery(c.text);
    const Query& query = Read(parsed);
    ASSERT_EQ(query.nodes.size(), 1u) << c.text;
    EXPECT_EQ(query.nodes[0].field, c.field) << c.text;
    EXPECT_EQ(query.nodes[0].palace, c.palace) << c.text;
    EXPECT_EQ(query.nodes[0].value, c.value) << c.text;
    EXPECT_FALSE(query.needs_reading) << c.text;
  }
}

TEST(QueryReader, AReadingTestNamesEveryRuleOfItsNameOrId) {
  // 五不遇时 is two rules (one per reading of the texts); its id is one.
  const auto by_name = ParseQuery("reading=五不遇时");
  EXPECT_EQ(Read(by_name).nodes[0].rules.size(), 2u);
  const auto by_id = ParseQuery("reading=wubuyu-shi@5");
  EXPECT_EQ(Read(by_id).nodes[0].rules.size(), 1u);
  EXPECT_EQ(Read(by_id).nodes[0].palace, 5);
  EXPECT_TRUE(Read(by_id).needs_reading);
}

TEST(QueryReader, StopsAtTheColumnOfTheFault) {
  struct Case {
    const char* text;
    int column;
    const char* expected;  // the start of what was expected
  };
  // Columns count characters, so a Chinese value is one column a character.
  const Case cases[] = {
      {"", 1, "a field"},
      {"   ", 4, "a field"},
      {"dun", 4, "'='"},
      {"dun=", 5, "阳 or 阴"},
      {"dun=阳遁遁", 5, "阳 or 阴"},
      {"dun=阳 and", 10, "a field"},
      {"dun=阳 an yuan=上元", 7, "'and', 'or'"},
      {"color=red", 1, "a field"},
      {"palace(0).gate=开门", 8, "a palace 1..9"},
      {"palace(10).gate=开门", 8, "a palace 1..9"},
      {"palace(4)gate=开门", 10, "'.'"},
      {"palace(4).door=开门", 11, "gate, heaven"},
      {"palace(4.gate=开门", 9, "')'"},
      {"(dun=阳", 7, "')'"},
      {"dun=阳)", 6, "'and', 'or'"},
      {"reading=青龙", 9, "a rule's id or name"},
      {"reading=青龙返首@", 14, "a palace 1..9"},
      {"reading=青龙返首@0", 14, "a palace 1..9"},
      {"ju=阴遁十局", 4, "a ju"},
      {"ju=0", 4, "a ju"},
      {"year=甲丑", 6, "a stem and branch"},
      {"hour_stem=子", 11, "a stem"},
      {"term=冬至 # note", 9, "'and', 'or'"},
      {"not", 4, "a field"},
      {"dun==阳", 5, "阳 or 阴"},
      {"dun=阳 or or yuan=上元", 10, "a field"},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseQuery(c.text);
    const auto* error = std::get_if<QueryError>(&parsed);
    ASSERT_NE(error, nullptr) << c.text;
    EXPECT_EQ(error->column, c.column) << c.text << ": " << Describe(*error);
    EXPECT_EQ(error->expected.rfind(c.expected, 0), 0u) << c.text << ": " << Describe(*error);
    EXPECT_EQ(Describe(*error).find('\n'), std::string::npos);
  }
}

TEST(QueryReader, RefusesNestingBeyondItsDepthWithoutExhaustingTheStack) {
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "not (";
  const auto parsed = ParseQuery(deep + "dun=阳");
  const auto* error = std::get_if<QueryError>(&parsed);
  ASSERT_NE(error, nullptr);
  EXPECT_NE(error->expected.find("shallower"), std::string::npos);
  std::string fine;
  for (int i = 0; i < kMaxQueryDepth / 2 - 1; ++i) fine += "(";
  fine += "dun=阳";
  for (int i = 0; i < kMaxQueryDepth / 2 - 1; ++i) fine += ")";
  EXPECT_TRUE(std::holds_alternative<Query>(ParseQuery(fine)));
}

}  // namespace
}  // namespace veltrane::search
