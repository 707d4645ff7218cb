#include "reading/reading_text.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

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

void AppendDetail(std::string& out, const Finding& f) {
  const auto stem = [&] { return chart::Text(static_cast<chart::Stem>(f.subject)); };
  const auto branch = [](int b) { return chart::Text(static_cast<chart::Branch>(b)); };
  const auto pair = [&](std::string_view subject, std::string_view value) {
    out += subject;
    out += ' ';
    out += value;
  };
  switch (f.rule_row().detail) {
    case Detail::kNone: return;
    case Detail::kStarState:
      return pair(chart::Text(static_cast<chart::Star>(f.subject)), At(kSeasonStates, f.value));
    case Detail::kGateState:
      return pair(chart::Text(static_cast<chart::Gate>(f.subject)), At(kSeasonStates, f.value));
    case Detail::kStemState: return pair(stem(), At(kSeasonStates, f.value));
    case Detail::kGate: out += chart::Text(static_cast<chart::Gate>(f.subject)); return;
    case Detail::kChangsheng:
      pair(stem(), At(kLifeStages, f.value));
      out += " (";
      out += branch(f.extra);
      out += ')';
      return;
    case Detail::kHiddenStem: out += stem(); return;
    case Detail::kVoidBranch:
    case Detail::kBranch: out += branch(f.subject); return;
  }
}

std::string FindingDetail(const Finding& f) {
  std::string s;
  AppendDetail(s, f);
  return s;
}

void AppendReadingText(std::string& out, const Reading& reading, std::string_view line_end) {
  out += "格局 (";
  out += reading.profile.name;
  out += ')';
  out += line_end;
  for (RuleKind kind : kGroups) {
    bool heading = false;
    for (const Finding& f : reading.findings()) {
      const Rule& rule = f.rule_row();
      if (rule.kind != kind) continue;
      if (!heading) {
        out += Text(kind);
        out += line_end;
        heading = true;
      }
      out += "  ";
      out += static_cast<char>('0' + f.palace);
      out += "宫 ";
      out += rule.name;
      if (rule.detail != Detail::kNone) {
        out += ' ';
        AppendDetail(out, f);
      }
      out += " [";
      out += rule.id;
      out += ']';
      out += line_end;
    }
  }
  if (reading.truncated) {
    out += "(more findings than a reading holds)";
    out += line_end;
  }
}

void AppendReadingJson(std::string& out, const Reading& reading) {
  // Each rule's {"rule":"id","palace": made once: a range writes a reading per hour.
  static const std::vector<std::string> kOpenings = [] {
    std::vector<std::string> openings;
    for (const Rule& rule : Rules()) {
      std::string s = "{\"rule\":";
      AppendJsonString(s, rule.id);
      s += ",\"palace\":";
      openings.push_back(std::move(s));
    }
    return openings;
  }();
  out += "{\"profile\":";
  AppendJsonString(out, reading.profile.name);
  out += ",\"findings\":[";
  bool first = true;
  for (const Finding& f : reading.findings()) {
    if (!first) out += ',';
    first = false;
    out += kOpenings[f.rule];
    out += static_cast<char>('0' + f.palace);
    out += ",\"detail\":\"";
    AppendDetail(out, f);  // stems, stars, gates and branches: nothing to escape
    out += "\"}";
  }
  out += "],\"truncated\":";
  out += reading.truncated ? "true" : "false";
  out += '}';
}

}  // namespace veltrane::reading
