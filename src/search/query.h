// The query language of the search: a compiled query (a tree of tests on a chart and its
// reading joined by and, or, not) and the reader that turns a query's text into one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrane::search {

// What a test looks at.
enum class Field : std::uint8_t {
  kReading,         // a rule's finding, in any palace or in one
  kJu,              // signed ju
  kDun,             // 0 阳, 1 阴
  kTerm,            // SolarTerm number
  kYuan,            // Yuan number
  kDutyStar,        // Star
  kDutyGate,        // Gate
  kDutyGatePalace,  // 1..9
  kPalaceGate,      // palace(N).gate
  kPalaceHeaven,    // palace(N).heaven: the heaven plate's stem
  kPalaceStar,
  kPalaceDeity,
  kPalaceEarth,  // the earth plate's stem
  kYear,         // sixty-cycle number 1..60
  kMonth,
  kDay,
  kHour,
  kHourStem,  // the hour pillar's own stem 1..10
};

// One node of a compiled query.
struct Node {
  enum class Kind : std::uint8_t { kTest, kAnd, kOr, kNot };
  Kind kind = Kind::kTest;
  Field field = Field::kJu;
  int palace = 0;                    // 1..9 for palace(N) and reading@N; 0 = any
  int value = 0;                     // what the field must equal
  std::vector<std::uint16_t> rules;  // kReading: every rule of the id or name
  int left = -1;                     // operands (kNot: left only)
  int right = -1;
  std::string text;  // the test as written, for "matched"
};

// A query ready to test charts.
struct Query {
  std::vector<Node> nodes;
  int root = -1;
  bool needs_reading = false;  // some test reads the chart's reading
};

// Where a query's text could not be read: the column (1-based, in characters) and what was
// expected there.
struct QueryError {
  int column = 1;
  std::string expected;
};

// The deepest nesting of parentheses and not that a query may have.
inline constexpr int kMaxQueryDepth = 64;

// Reads a query's text (UTF-8); a query or where and why reading stopped.
std::variant<Query, QueryError> ParseQuery(std::string_view text);

// The one-line message of a query error: "column N: expected …".
std::string Describe(const QueryError& error);

}  // namespace veltrane::search
