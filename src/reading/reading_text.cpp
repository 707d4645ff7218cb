#include "reading/reading_text.h"

#include <array>
#include <string_view>

#include "chart/vocabulary.h"

namespace veltrane::reading {
namespace {

constexpr std::array<std::string_view, 6> kSeasonStates = {"旺", "相", "休", "囚", "死", "废"};
constexpr std::array<std::string_view, 12> kLifeStages = {
    "长生", "沐浴", "冠带", "临官", "帝旺", "衰", "病", "死", "墓", "绝", "胎", "养"};
constexpr std::array<RuleKind, 4> kGroups = {RuleKind::kGood, RuleKind::kBad, RuleKind::kState,
                                             RuleKind::kMark};

std::string_view At(std::span<const std::string_view> texts, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < texts.size() ? texts[static_cast<std::size_t>(i)]
                                                              : std::string_view("?");
}

std::string Join(std::string_view a, std::string_view b) {
  std::string s(a);
  s += ' ';
  s += b;
  return s;
}

// Appends `text` as a JSON string; the rule table's texts need no escapes, but a reading is
// written as JSON whatever it holds.
void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (char ch : text) {
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (static_cast<unsigned char>(ch) < 0x20) {
      constexpr std::string_view kHex = "0123456789abcdef";
      out += "\\u00";
      out += kHex[static_cast<unsigned char>(ch) >> 4];
      out += kHex[static_cast<unsigned char>(ch) & 0xF];
    } else {
      out += ch;
    }
  }
  out += '"';
}

}  // namespace

std::string FindingDetail(const Finding& f) {
  const auto stem = [&] { return chart::Text(static_cast<chart::Stem>(f.subject)); };
  const auto branch = [](int b) { return chart::Text(static_cast<chart::Branch>(b)); };
  switch (f.rule_row().detail) {
    case Detail::kNone: return {};
    case Detail::kStarState:
      return Join(chart::Text(static_cast<chart::Star>(f.subject)), At(kSeasonStates, f.value));
    case Detail::kGateState:
      return Join(chart::Text(static_cast<chart::Gate>(f.subject)), At(kSeasonStates, f.value));
    case Detail::kStemState: return Join(stem(), At(kSeasonStates, f.value));
    case Detail::kGate: return std::string(chart::Text(static_cast<chart::Gate>(f.subject)));
    case Detail::kChangsheng: {
      std::string s = Join(stem(), At(kLifeStages, f.value));
      s += " (";
      s += branch(f.extra);
      s += ')';
      return s;
    }
    case Detail::kHiddenStem: return std::string(stem());
    case Detail::kVoidBranch:
    case Detail::kBranch: return std::string(branch(f.subject));
  }
  return {};
}

void AppendReadingText(std::string& out, const Reading& reading) {
  out += "格局 (";
  out += reading.profile.name;
  out += ")\n";
  for (RuleKind kind : kGroups) {
    bool heading = false;
    for (const Finding& f : reading.findings()) {
      const Rule& rule = f.rule_row();
      if (rule.kind != kind) continue;
      if (!heading) {
        out += Text(kind);
        out += '\n';
        heading = true;
      }
      out += "  ";
      out += std::to_string(f.palace);
      out += "宫 ";
      out += rule.name;
      const std::string detail = FindingDetail(f);
      if (!detail.empty()) {
        out += ' ';
        out += detail;
      }
      out += " [";
      out += rule.id;
      out += "]\n";
    }
  }
  if (reading.truncated) out += "(more findings than a reading holds)\n";
}

void AppendReadingJson(std::string& out, const Reading& reading) {
  out += "{\"profile\":";
  AppendJsonString(out, reading.profile.name);
  out += ",\"findings\":[";
  bool first = true;
  for (const Finding& f : reading.findings()) {
    const Rule& rule = f.rule_row();
    out += first ? "{" : ",{";
    first = false;
    out += "\"rule\":";
    AppendJsonString(out, rule.id);
    out += ",\"name\":";
    AppendJsonString(out, rule.name);
    out += ",\"kind\":";
    AppendJsonString(out, Word(rule.kind));
    out += ",\"palace\":";
    out += std::to_string(f.palace);
    out += ",\"plates\":";
    AppendJsonString(out, Word(rule.plates));
    out += ",\"detail\":";
    AppendJsonString(out, FindingDetail(f));
    out += '}';
  }
  out += "],\"truncated\":";
  out += reading.truncated ? "true" : "false";
  out += '}';
}

}  // namespace veltrane::reading
