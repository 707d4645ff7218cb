#include "search/query.h"

#include <array>
#include <optional>
#include <utility>

#include "search/values.h"

namespace veltrane::search {
namespace {

struct FieldName {
  std::string_view name;
  Field field;
};

constexpr std::array<FieldName, 13> kFieldNames = {{
    {"reading", Field::kReading},
    {"ju", Field::kJu},
    {"dun", Field::kDun},
    {"term", Field::kTerm},
    {"yuan", Field::kYuan},
    {"duty_star", Field::kDutyStar},
    {"duty_gate", Field::kDutyGate},
    {"duty_gate_palace", Field::kDutyGatePalace},
    {"year", Field::kYear},
    {"month", Field::kMonth},
    {"day", Field::kDay},
    {"hour", Field::kHour},
    {"hour_stem", Field::kHourStem},
}};

constexpr std::array<FieldName, 5> kPalaceFields = {{
    {"gate", Field::kPalaceGate},
    {"heaven", Field::kPalaceHeaven},
    {"star", Field::kPalaceStar},
    {"deity", Field::kPalaceDeity},
    {"earth", Field::kPalaceEarth},
}};

constexpr std::string_view kFieldList =
    "a field (reading, ju, dun, term, yuan, duty_star, duty_gate, duty_gate_palace, "
    "palace(N), year, month, day, hour, hour_stem)";

// A word runs over ASCII letters, digits, '_', '-', '+' and every byte of a non-ASCII character.
bool IsWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '+' || c >= 0x80;
}

struct Token {
  enum class Kind { kWord, kSymbol, kEnd, kStray };
  Kind kind = Kind::kEnd;
  std::string_view text;
  int column = 1;
};

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) { Advance(); }

  std::variant<Query, QueryError> Run() {
    const int root = Or(0);
    if (!error_ && token_.kind != Token::Kind::kEnd) Fail("'and', 'or' or the end of the query");
    if (error_) return *error_;
    query_.root = root;
    return std::move(query_);
  }

 private:
  // Columns count characters: every byte but a UTF-8 continuation byte starts one.
  // Tokens come in order, so the count goes on from the last token's offset.
  int ColumnAt(std::size_t offset) {
    for (; counted_ < offset && counted_ < text_.size(); ++counted_) {
      if ((static_cast<unsigned char>(text_[counted_]) & 0xC0) != 0x80) ++column_;
    }
    return column_;
  }

  void Advance() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    token_.column = ColumnAt(pos_);
    if (pos_ >= text_.size()) {
      token_ = {Token::Kind::kEnd, {}, token_.column};
      return;
    }
    const std::size_t start = pos_;
    if (IsWordByte(static_cast<unsigned char>(text_[pos_]))) {
      while (pos_ < text_.size() && IsWordByte(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      token_ = {Token::Kind::kWord, text_.substr(start, pos_ - start), token_.column};
      return;
    }
    constexpr std::string_view kSymbols = "=()@.";
    const Token::Kind kind = kSymbols.find(text_[pos_]) != std::string_view::npos
                                 ? Token::Kind::kSymbol
                                 : Token::Kind::kStray;
    ++pos_;
    token_ = {kind, text_.substr(start, 1), token_.column};
  }

  bool IsWord(std::string_view word) const {
    return token_.kind == Token::Kind::kWord && token_.text == word;
  }
  bool IsSymbol(char c) const { return token_.kind == Token::Kind::kSymbol && token_.text[0] == c; }

  int Fail(std::string expected) {
    if (!error_) error_ = QueryError{token_.column, std::move(expected)};
    return -1;
  }

  int Add(Node node) {
    query_.nodes.push_back(std::move(node));
    return static_cast<int>(query_.nodes.size()) - 1;
  }

  int Join(Node::Kind kind, int left, int right) {
    Node node;
    node.kind = kind;
    node.left = left;
    node.right = right;
    return Add(std::move(node));
  }

  int Or(int depth) {
    int left = And(depth);
    while (!error_ && IsWord("or")) {
      Advance();
      const int right = And(depth);
      left = Join(Node::Kind::kOr, left, right);
    }
    return left;
  }

  int And(int depth) {
    int left = Unary(depth);
    while (!error_ && IsWord("and")) {
      Advance();
      const int right = Unary(depth);
      left = Join(Node::Kind::kAnd, left, right);
    }
    return left;
  }

  int Unary(int depth) {
    if (error_) return -1;
    if (depth >= kMaxQueryDepth) {
      return Fail("a shallower query (at most " + std::to_string(kMaxQueryDepth) +
                  " levels of parentheses and not)");
    }
    if (IsWord("not")) {
      Advance();
      const int operand = Unary(depth + 1);
      return Join(Node::Kind::kNot, operand, -1);
    }
    if (IsSymbol('(')) {
      Advance();
      const int inner = Or(depth + 1);
      if (error_) return -1;
      if (!IsSymbol(')')) return Fail("')'");
      Advance();
      return inner;
    }
    return Test();
  }

  std::optional<std::string_view> Word(std::string_view expected) {
    if (token_.kind != Token::Kind::kWord) {
      Fail(std::string(expected));
      return std::nullopt;
    }
    const std::string_view word = token_.text;
    Advance();
    return word;
  }

  bool Symbol(char c) {
    if (!IsSymbol(c)) {
      Fail(std::string("'") + c + "'");
      return false;
    }
    Advance();
    return true;
  }

  int Test() {
    const std::size_t start = pos_ - token_.text.size();
    const int field_column = token_.column;
    const auto name = Word(kFieldList);
    if (!name) return -1;
    Node node;
    if (*name == "palace") {
      if (!Symbol('(')) return -1;
      const int palace_column = token_.column;
      const auto number = Word("a palace 1..9");
      if (!number) return -1;
      const auto palace = ValueOf(Field::kDutyGatePalace, *number);
      if (!palace) return FailAt(palace_column, "a palace 1..9");
      node.palace = *palace;
      if (!Symbol(')') || !Symbol('.')) return -1;
      const int part_column = token_.column;
      const auto part = Word("gate, heaven, star, deity or earth");
      if (!part) return -1;
      const auto found = Find(kPalaceFields, *part);
      if (!found) return FailAt(part_column, "gate, heaven, star, deity or earth");
      node.field = *found;
    } else {
      const auto found = Find(kFieldNames, *name);
      if (!found) return FailAt(field_column, std::string(kFieldList));
      node.field = *found;
    }
    if (!Symbol('=')) return -1;
    const int value_column = token_.column;
    const auto value = Word(std::string(ValueHint(node.field)));
    if (!value) return -1;
    if (node.field == Field::kReading) {
      node.rules = RulesNamed(*value);
      if (node.rules.empty()) return FailAt(value_column, "a rule's id or name such as 青龙返首");
      query_.needs_reading = true;
      if (IsSymbol('@')) {
        Advance();
        const int palace_column = token_.column;
        const auto number = Word("a palace 1..9");
        if (!number) return -1;
        const auto palace = ValueOf(Field::kDutyGatePalace, *number);
        if (!palace) return FailAt(palace_column, "a palace 1..9");
        node.palace = *palace;
      }
    } else {
      const auto number = ValueOf(node.field, *value);
      if (!number) return FailAt(value_column, std::string(ValueHint(node.field)));
      node.value = *number;
    }
    const std::size_t end =
        token_.kind == Token::Kind::kEnd ? text_.size() : pos_ - token_.text.size();
    node.text = std::string(text_.substr(start, end - start));
    while (!node.text.empty() && (node.text.back() == ' ' || node.text.back() == '\t')) {
      node.text.pop_back();
    }
    return Add(std::move(node));
  }

  template <std::size_t N>
  static std::optional<Field> Find(const std::array<FieldName, N>& names, std::string_view word) {
    for (const FieldName& row : names) {
      if (row.name == word) return row.field;
    }
    return std::nullopt;
  }

  int FailAt(int column, std::string expected) {
    if (!error_) error_ = QueryError{column, std::move(expected)};
    return -1;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t counted_ = 0;  // the offset whose column column_ is
  int column_ = 1;
  Token token_;
  Query query_;
  std::optional<QueryError> error_;
};

}  // namespace

std::variant<Query, QueryError> ParseQuery(std::string_view text) { return Reader(text).Run(); }

std::string Describe(const QueryError& error) {
  return "column " + std::to_string(error.column) + ": expected " + error.expected;
}

}  // namespace veltrane::search
