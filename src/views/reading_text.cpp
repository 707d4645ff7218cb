#include "views/reading_text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/vocabulary.h"
#include "views/json_string.h"
#include "views/text_buffer.h"

namespace veltrane::views {
namespace {

using reading::Detail;
using reading::Rule;
using reading::RuleKind;
using reading::Rules;

using chart::Script;
using chart::ScriptTexts;

// The season's states and the twelve life stages, by script; English gives the pinyin and the
// English name.
constexpr std::array<ScriptTexts, 6> kSeasonStates = {{
    {"旺", "旺", "Wang (prosperous)"},
    {"相", "相", "Xiang (strong)"},
    {"休", "休", "Xiu (resting)"},
    {"囚", "囚", "Qiu (confined)"},
    {"死", "死", "Si (dead)"},
    {"废", "廢", "Fei (spent)"},
}};
constexpr std::array<ScriptTexts, 12> kLifeStages = {{
    {"长生", "長生", "Changsheng (Growth)"},
    {"沐浴", "沐浴", "Muyu (Bath)"},
    {"冠带", "冠帶", "Guandai (Capping)"},
    {"临官", "臨官", "Linguan (Office)"},
    {"帝旺", "帝旺", "Diwang (Prime)"},
    {"衰", "衰", "Shuai (Decline)"},
    {"病", "病", "Bing (Sickness)"},
    {"死", "死", "Si (Death)"},
    {"墓", "墓", "Mu (Tomb)"},
    {"绝", "絕", "Jue (Extinction)"},
    {"胎", "胎", "Tai (Conception)"},
    {"养", "養", "Yang (Nurture)"},
}};

// The heading and the palace words of the reading's lines, by script.
struct ReadingWords {
  std::string_view heading;  // 格局 (classic)
  std::string_view palace_before;
  std::string_view palace_after;  // 8宫
};
constexpr std::array<ReadingWords, chart::kScriptCount> kReadingWords = {{
    {"格局", "", "宫"},
    {"格局", "", "宮"},
    {"Reading", "Palace ", ""},
}};
constexpr std::array<RuleKind, 4> kGroups = {RuleKind::kGood, RuleKind::kBad, RuleKind::kState,
                                             RuleKind::kMark};

std::string_view At(std::span<const ScriptTexts> texts, int i, Script script) {
  return i >= 0 && static_cast<std::size_t>(i) < texts.size()
             ? texts[static_cast<std::size_t>(i)].In(script)
             : std::string_view("?");
}

}  // namespace

// A short text in a fixed slot, so that putting it is one fixed-size copy. The rule table's
// pieces all fit (a test holds them to it); a longer text would be cut.
struct Slot {
  static constexpr std::size_t kSize = 64;
  std::array<char, kSize> bytes{};
  std::size_t size = 0;
  explicit Slot(std::string_view text = {}) : size(std::min(text.size(), kSize)) {
    if (size != 0) std::memcpy(bytes.data(), text.data(), size);  // an empty view may hold null
  }
};

// The findings' JSON, built in a buffer that checks its room on every write.
class JsonBuffer {
 public:
  void Put(const Slot& slot) {
    std::memcpy(buffer_.Room(Slot::kSize), slot.bytes.data(), Slot::kSize);
    buffer_.Commit(slot.size);
  }
  JsonBuffer& operator+=(std::string_view text) {
    buffer_.Append(text);
    return *this;
  }
  JsonBuffer& operator+=(char c) {
    buffer_.Push(c);
    return *this;
  }
  std::string_view View() const { return buffer_.View(); }

 private:
  TextBuffer<8192> buffer_;
};

template <typename Out>
void AppendDetail(Out& out, Detail detail, const Finding& f, Script script = Script::kHans) {
  const auto stem = [&] { return chart::Text(static_cast<chart::Stem>(f.subject), script); };
  const auto branch = [&](int b) { return chart::Text(static_cast<chart::Branch>(b), script); };
  const auto star = [&] { return chart::Name(static_cast<chart::Star>(f.subject), script); };
  const auto gate = [&] { return chart::Name(static_cast<chart::Gate>(f.subject), script); };
  const auto pair = [&](std::string_view subject, std::string_view value) {
    out += subject;
    out += ' ';
    out += value;
  };
  switch (detail) {
    case Detail::kNone:
      return;
    case Detail::kStarState:
      return pair(star(), At(kSeasonStates, f.value, script));
    case Detail::kGateState:
      return pair(gate(), At(kSeasonStates, f.value, script));
    case Detail::kStemState:
      return pair(stem(), At(kSeasonStates, f.value, script));
    case Detail::kGate:
      out += gate();
      return;
    case Detail::kChangsheng:
      pair(stem(), At(kLifeStages, f.value, script));
      out += " (";
      out += branch(f.extra);
      out += ')';
      return;
    case Detail::kHiddenStem:
      out += stem();
      return;
    case Detail::kVoidBranch:
    case Detail::kBranch:
      out += branch(f.subject);
      return;
  }
}

template <typename Out>
void AppendDetail(Out& out, const Finding& f, Script script = Script::kHans) {
  AppendDetail(out, f.rule_row().detail, f, script);
}

// The end of a finding's JSON, `,"detail":"…"}`, for every detail a finding can have, made
// once: a range writes some seventy findings an hour.
class DetailTails {
 public:
  DetailTails() {
    for (std::size_t i = 0; i < kCount; ++i) {
      const auto [detail, finding] = Of(i);
      std::string tail = ",\"detail\":\"";
      AppendDetail(tail, detail, finding);  // stems, stars, gates and branches: nothing to escape
      tail += "\"}";
      tails_[i] = Slot(tail);
    }
  }
  const Slot& Tail(Detail detail, const Finding& f) const {
    const std::size_t i = IndexOf(detail, f);
    return i < kCount ? tails_[i] : tails_[0];
  }

 private:
  // Index ranges: none, star states, gate states, stem states, gates, 长生 stages, hidden
  // stems, branches.
  static constexpr std::size_t kStates = 6;  // states of a star, a gate or a stem
  static constexpr std::size_t kStar = 1, kGateState = kStar + 9 * kStates,
                               kStem = kGateState + 8 * kStates, kGate = kStem + 11 * kStates,
                               kLife = kGate + 8, kHidden = kLife + std::size_t{11} * 12 * 13,
                               kBranch = kHidden + 11, kCount = kBranch + 13;

  static std::size_t IndexOf(Detail detail, const Finding& f) {
    const std::size_t s = f.subject;
    const std::size_t v = f.value;
    switch (detail) {
      case Detail::kNone:
        return 0;
      case Detail::kStarState:
        return s < 9 && v < 6 ? kStar + s * 6 + v : kCount;
      case Detail::kGateState:
        return s < 8 && v < 6 ? kGateState + s * 6 + v : kCount;
      case Detail::kStemState:
        return s < 11 && v < 6 ? kStem + s * 6 + v : kCount;
      case Detail::kGate:
        return s < 8 ? kGate + s : kCount;
      case Detail::kChangsheng:
        return s < 11 && v < 12 && f.extra < 13 ? kLife + (s * 12 + v) * 13 + f.extra : kCount;
      case Detail::kHiddenStem:
        return s < 11 ? kHidden + s : kCount;
      case Detail::kVoidBranch:
      case Detail::kBranch:
        return s < 13 ? kBranch + s : kCount;
    }
    return kCount;
  }

  static std::pair<Detail, Finding> Of(std::size_t i) {
    const auto finding = [](std::size_t subject, std::size_t value, std::size_t extra = 0) {
      return Finding{0, 1, static_cast<std::uint8_t>(subject), static_cast<std::uint8_t>(value),
                     static_cast<std::uint8_t>(extra)};
    };
    if (i >= kBranch) return {Detail::kBranch, finding(i - kBranch, 0)};
    if (i >= kHidden) return {Detail::kHiddenStem, finding(i - kHidden, 0)};
    if (i >= kLife) {
      const std::size_t k = i - kLife;
      return {Detail::kChangsheng, finding(k / 13 / 12, k / 13 % 12, k % 13)};
    }
    if (i >= kGate) return {Detail::kGate, finding(i - kGate, 0)};
    if (i >= kStem) return {Detail::kStemState, finding((i - kStem) / 6, (i - kStem) % 6)};
    if (i >= kGateState) {
      return {Detail::kGateState, finding((i - kGateState) / 6, (i - kGateState) % 6)};
    }
    if (i >= kStar) return {Detail::kStarState, finding((i - kStar) / 6, (i - kStar) % 6)};
    return {Detail::kNone, finding(0, 0)};
  }

  std::array<Slot, kCount> tails_;
};

std::string FindingDetail(const Finding& f, Script script) {
  std::string s;
  AppendDetail(s, f, script);
  return s;
}

void AppendReadingText(std::string& out, const Reading& reading, std::string_view line_end,
                       Script script) {
  const ReadingWords& w = kReadingWords[static_cast<std::size_t>(script) % kReadingWords.size()];
  out += w.heading;
  out += " (";
  out += reading.profile.name;
  out += ')';
  out += line_end;
  for (RuleKind kind : kGroups) {
    bool heading = false;
    for (const Finding& f : reading.findings()) {
      const Rule& rule = f.rule_row();
      if (rule.kind != kind) continue;
      if (!heading) {
        out += Text(kind, script);
        out += line_end;
        heading = true;
      }
      out += "  ";
      out += w.palace_before;
      out += static_cast<char>('0' + f.palace);
      out += w.palace_after;
      out += ' ';
      out += rule.name.In(script);
      if (rule.detail != Detail::kNone) {
        out += ' ';
        AppendDetail(out, f, script);
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
  // Each rule's {"rule":"id","palace": and detail kind made once: a range writes a reading per
  // hour.
  static const DetailTails kTails;
  static const std::vector<Detail> kDetails = [] {
    std::vector<Detail> details;
    for (const Rule& rule : Rules()) details.push_back(rule.detail);
    return details;
  }();
  static const std::vector<Slot> kOpenings = [] {
    std::vector<Slot> openings;
    for (const Rule& rule : Rules()) {
      std::string s = "{\"rule\":";
      AppendJsonString(s, rule.id);
      s += ",\"palace\":";
      openings.emplace_back(s);
    }
    return openings;
  }();
  out += "{\"profile\":\"";
  out += reading.profile.name;  // a profile's name is an ASCII word
  out += "\",\"findings\":[";
  JsonBuffer json;
  bool first = true;
  for (const Finding& f : reading.findings()) {
    if (!first) json += ',';
    first = false;
    json.Put(kOpenings[f.rule]);
    json += static_cast<char>('0' + f.palace);
    json.Put(kTails.Tail(kDetails[f.rule], f));
  }
  out += json.View();
  out += "],\"truncated\":";
  out += reading.truncated ? "true" : "false";
  out += '}';
}

}  // namespace veltrane::views
