#include "chart/boundary_notes.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "chart/pillars.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

constexpr ChartSeconds kMinute = 60;

// What an edge changes.
enum class Change { kTerm, kYuan, kHour };

// What changes across each edge, in Edge order.
constexpr std::array<Change, kEdgeCount> kChangeAt = {Change::kTerm, Change::kTerm, Change::kYuan,
                                                      Change::kYuan, Change::kHour, Change::kHour};

// The words of the notes in one script. A note reads note, then
// to_come + edge + coming + distance + coming_end for an edge to come,
// edge + passed + distance + passed_end for one passed, or right_now + edge.
struct NoteWords {
  std::string_view note;            // "注："
  std::string_view to_come;         // "距": before an edge to come
  std::string_view coming;          // " ": between the edge to come and its distance
  std::string_view coming_end;      // after the distance of an edge to come
  std::string_view passed;          // "已过 ": after an edge passed, before the distance
  std::string_view passed_end;      // after the distance of an edge passed
  std::string_view right_now;       // "此刻正当"
  std::string_view term_edge;       // "交节", after the term's name
  std::string_view term_before;     // before the term's name
  std::string_view yuan_change;     // "换元"
  std::string_view yuan_head;       // "符头", before the head day
  std::string_view yuan_head_end;   // "日换元", after it
  std::string_view hour_start;      // before the branch of the hour that starts
  std::string_view hour_end;        // before the branch of the hour that ends
  std::string_view hour_starts;     // "时开始"
  std::string_view hour_ends;       // "时结束"
  std::string_view minutes;         // " 分钟"
  std::string_view under_a_minute;  // "不到 1 分钟"
  std::string_view hour_differs;    // "，换时前后时柱不同"
  std::string_view across_term;     // "，交节前后局数"
  std::string_view across_yuan;     // "，换元前后局数"
  std::string_view differs;         // "不同"
  std::string_view same;            // "相同"
  std::string_view none_before;     // "注：前后 "
  std::string_view none_after;      // " 分钟内无交节、换元、换时"
};

// By Script.
constexpr std::array<NoteWords, kScriptCount> kNoteWords = {{
    {"注：",
     "距",
     " ",
     "",
     "已过 ",
     "",
     "此刻正当",
     "交节",
     "",
     "换元",
     "符头",
     "日换元",
     "",
     "",
     "时开始",
     "时结束",
     " 分钟",
     "不到 1 分钟",
     "，换时前后时柱不同",
     "，交节前后局数",
     "，换元前后局数",
     "不同",
     "相同",
     "注：前后 ",
     " 分钟内无交节、换元、换时"},
    {"注：",
     "距",
     " ",
     "",
     "已過 ",
     "",
     "此刻正當",
     "交節",
     "",
     "換元",
     "符頭",
     "日換元",
     "",
     "",
     "時開始",
     "時結束",
     " 分鐘",
     "不到 1 分鐘",
     "，換時前後時柱不同",
     "，交節前後局數",
     "，換元前後局數",
     "不同",
     "相同",
     "注：前後 ",
     " 分鐘內無交節、換元、換時"},
    {"Note: ",
     "",
     " is ",
     " away",
     " was ",
     " ago",
     "this minute is ",
     "",
     "the start of ",
     "the yuan change",
     "the yuan change (head day ",
     ")",
     "the start of the ",
     "the end of the ",
     " hour",
     " hour",
     " minutes",
     "less than 1 minute",
     "; the hour pillar differs across it",
     "; the ju across it is ",
     "; the ju across it is ",
     "different",
     "the same",
     "Note: no term, yuan or hour change within ",
     " minutes"},
}};

// "冬至交节", "符头甲子日换元", "午时开始": what happens at an edge.
std::string EdgeName(const ChartBoundaries& b, Edge edge, Script script, const NoteWords& w) {
  const auto branch = std::string(Text(b.hour_branch, script));
  const auto yuan = [&](int head) {
    return head == 0 ? std::string(w.yuan_change)
                     : std::string(w.yuan_head) + GanZhiTextIn(head, script) +
                           std::string(w.yuan_head_end);
  };
  const auto term = [&](SolarTerm t) {
    return std::string(w.term_before) + std::string(Name(t, script)) + std::string(w.term_edge);
  };
  switch (edge) {
    case Edge::kTermStart:
      return term(b.term.term);
    case Edge::kNextTerm:
      return term(b.next_term.term);
    case Edge::kYuanStart:
      return yuan(b.yuan_head);
    case Edge::kNextYuan:
      return yuan(b.next_yuan_head);
    case Edge::kHourStart:
      return std::string(w.hour_start) + branch + std::string(w.hour_starts);
    case Edge::kHourEnd:
      return std::string(w.hour_end) + branch + std::string(w.hour_ends);
  }
  return {};
}

// "3 分钟", or "不到 1 分钟" for an edge less than half a minute away.
std::string Distance(ChartSeconds offset, const NoteWords& w) {
  const ChartSeconds minutes = (std::llabs(offset) + kMinute / 2) / kMinute;
  if (minutes == 0) return std::string(w.under_a_minute);
  // English says "1 minute"; Chinese has no plural.
  if (minutes == 1 && w.minutes == " minutes") return "1 minute";
  return std::to_string(minutes) + std::string(w.minutes);
}

// The chart a minute across an edge: the first minute at or after an edge to
// come, the last minute before one passed; none outside the plotted years.
std::optional<Chart> ChartAcross(ChartSeconds edge, ChartSeconds offset,
                                 const ChartOptions& options) {
  const ChartSeconds whole = edge - ((edge % kMinute) + kMinute) % kMinute;  // floored
  const ChartSeconds minute = offset > 0 ? (whole < edge ? whole + kMinute : whole)
                                         : (whole < edge ? whole : whole - kMinute);
  const CivilSecond c = CivilOfSeconds(minute);
  if (c.year < kFirstPlotYear || c.year > kLastPlotYear) return std::nullopt;
  return ComputeChart(ChartMoment{c.year, c.month, c.day, c.hour, c.minute}, options);
}

// "，交节前后局数不同" and the like; "" when the other side cannot be plotted.
std::string Consequence(const Chart& chart, const ChartOptions& options, Change change,
                        ChartSeconds edge, ChartSeconds offset, const NoteWords& w) {
  if (change == Change::kHour) return std::string(w.hour_differs);
  const std::optional<Chart> other = ChartAcross(edge, offset, options);
  if (!other) return {};
  const std::string_view across = change == Change::kTerm ? w.across_term : w.across_yuan;
  return std::string(across) + std::string(other->ju != chart.ju ? w.differs : w.same);
}

}  // namespace

std::string FormatBoundaryNotes(const Chart& chart, const ChartOptions& options,
                                const ChartBoundaries& b, int near_minutes, Script script) {
  const NoteWords& w = kNoteWords[static_cast<std::size_t>(script) % kScriptCount];
  std::string text = "\r\n";
  const NearEdges near = NearEdgesOf(b, near_minutes);
  if (near.count == 0) {
    return text + std::string(w.none_before) + std::to_string(near_minutes) +
           std::string(w.none_after) + "\r\n";
  }
  for (const NearEdge& n : near) {
    const std::string name = EdgeName(b, n.edge, script, w);
    text += w.note;
    if (n.offset > 0) {
      text.append(w.to_come).append(name).append(w.coming);
      text.append(Distance(n.offset, w)).append(w.coming_end);
    } else if (n.offset < 0) {
      text += name + std::string(w.passed) + Distance(n.offset, w) + std::string(w.passed_end);
    } else {
      text += std::string(w.right_now) + name;
    }
    text += Consequence(chart, options, kChangeAt[static_cast<std::size_t>(n.edge)], b.At(n.edge),
                        n.offset, w);
    text += "\r\n";
  }
  return text;
}

}  // namespace veltrane::chart
