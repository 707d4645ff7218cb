#include "reading_document.h"

#include <string_view>

#include "chart/vocabulary.h"
#include "reading/reading.h"
#include "worked_examples.h"

namespace veltrane::reading {
namespace {

constexpr std::string_view kIntroduction = R"(# Reading the chart

Written by `veltrane_reading_document` from the reading's rule table (`src/reading/rules.cpp`);
a test keeps this page equal to what the program writes, so change the table, not this page.

Every finding names its rule, the palace it stands in and the text the rule comes from.
Where the classical texts disagree, each reading is a rule of its own and the profile chooses
(`veltrane-chart --reading --profile NAME`); nothing is decided silently.

## Conventions

- 甲 never stands on a plate: a 甲 pillar counts as the instrument of its xun (甲子戊, 甲戌己,
  甲申庚, 甲午辛, 甲辰壬, 甲寅癸), and the verse's 甲加丙 is read as heaven 戊 over earth 丙.
- Palace 5 has no ring. Its earth stem counts in the host palace the chart's options give
  (中五寄坤二, or palace 8 in 阳遁 under 艮坤), and its heaven stem travels with the host's star
  (天芮, or 天任), standing over the earth of the palace that star has come to. A palace can so
  hold two heaven stems or two earth stems, and findings never name palace 5 for a stem.
- The month of the states and of 月格 is the chart's 节 month: the branch and stem of its month
  pillar.
- The quotes are in each text's own characters as transcribed: 遁甲演義 in the 四庫全書
  (文淵閣) text with its variant forms (竒, 隂, 邜), 烟波钓叟歌 as commonly transcribed in
  simplified characters, 奇門遁甲統宗 in traditional characters.
- A rule whose source line was not found in a public transcription says so under "note".

)";

std::string ProfilesOf(ProfileMask mask) {
  std::string s;
  for (const ReadingProfile& p : Profiles()) {
    if ((mask & p.bit) == 0) continue;
    if (!s.empty()) s += ", ";
    s += p.name;
  }
  return s;
}

void AppendProfiles(std::string& out) {
  out += "## Profiles\n\n";
  for (const ReadingProfile& p : Profiles()) {
    out += "- `";
    out += p.name;
    out += "`: ";
    out += p.description;
    out += p.bit == kClassic ? " (the default)\n" : "\n";
  }
  out += '\n';
}

void AppendSource(std::string& out, const Source& s) {
  if (!s.quote.empty() || !s.book.empty()) {
    out += "- source: 《";
    out += s.book;
    out += "》";
    if (!s.chapter.empty()) {
      out += ' ';
      out += s.chapter;
    }
    if (!s.quote.empty()) {
      out += ": 「";
      out += s.quote;
      out += "」";
    }
    out += '\n';
  }
  if (!s.note.empty()) {
    out += "- note: ";
    out += s.note;
    out += '\n';
  }
}

void AppendRule(std::string& out, const Rule& r) {
  out += "### ";
  out += r.name.hans;
  out += " `";
  out += r.id;
  out += "`\n\n- kind: ";
  out += Text(r.kind);
  out += "; plates: ";
  out += Word(r.plates);
  out += "; profiles: ";
  out += ProfilesOf(r.profiles);
  if (!r.dispute.empty()) {
    out += "; disputed: see ";
    out += r.dispute;
  }
  out += "\n- rule: ";
  out += r.line;
  out += '\n';
  AppendSource(out, r.source);
  out += '\n';
}

bool IsPairRow(const Rule& r) { return r.id.starts_with("pair-"); }

void AppendPairs(std::string& out) {
  out += "## 十干克应\n\n";
  bool noted = false;
  out += "| id | heaven | earth | name |\n|---|---|---|---|\n";
  std::string_view note;
  for (const Rule& r : Rules()) {
    if (!IsPairRow(r)) continue;
    note = r.source.note;
    noted = true;
    out += "| `";
    out += r.id;
    out += "` | ";
    out += chart::Text(r.params.heaven_stem);
    out += " | ";
    out += chart::Text(r.params.earth_stem);
    out += " | ";
    out += r.name.hans;
    out += " |\n";
  }
  if (noted) {
    out += "\nEvery pair is a mark held by every profile, found in palace order. Note: ";
    out += note;
    out += ".\n\n";
  }
}

void AppendDisputes(std::string& out) {
  out += "## Disputed rules\n\n";
  for (const Dispute& d : Disputes()) {
    out += "### ";
    out += d.title;
    out += " (`";
    out += d.id;
    out += "`)\n\n";
    out += d.account;
    out += "\n\n";
    for (const Rule& r : Rules()) {
      if (r.dispute != d.id) continue;
      out += "- `";
      out += r.id;
      out += "`: ";
      out += r.line;
      out += " (";
      out += ProfilesOf(r.profiles);
      out += ")\n";
    }
    out += '\n';
  }
}

void AppendExamples(std::string& out) {
  out += "## Worked examples\n\n";
  out +=
      "The tests check every worked example of 遁甲演義's second juan. These cannot come out "
      "under the chart's conventions:\n\n";
  for (const WorkedExample& e : kWorkedExamples) {
    if (e.why_not.empty()) continue;
    out += "- ";
    out += e.chapter;
    out += " (`";
    out += e.rule;
    out += "`, palace ";
    out += std::to_string(e.palace);
    out += "): ";
    out += e.why_not;
    out += ".\n";
  }
}

}  // namespace

std::string ReadingDocument() {
  std::string out(kIntroduction);
  AppendProfiles(out);
  out += "## Rules\n\n";
  for (const Rule& r : Rules()) {
    if (!IsPairRow(r)) AppendRule(out, r);
  }
  AppendPairs(out);
  AppendDisputes(out);
  AppendExamples(out);
  return out;
}

}  // namespace veltrane::reading
