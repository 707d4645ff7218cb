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

// "冬至交节", "符头甲子日换元", "午时开始": what happens at an edge.
std::string EdgeName(const ChartBoundaries& b, Edge edge) {
  const auto branch = std::string(Text(b.hour_branch));
  const auto yuan = [](int head) {
    return head == 0 ? std::string("换元") : "符头" + std::string(GanZhiText(head)) + "日换元";
  };
  switch (edge) {
    case Edge::kTermStart:
      return std::string(Text(b.term.term)) + "交节";
    case Edge::kNextTerm:
      return std::string(Text(b.next_term.term)) + "交节";
    case Edge::kYuanStart:
      return yuan(b.yuan_head);
    case Edge::kNextYuan:
      return yuan(b.next_yuan_head);
    case Edge::kHourStart:
      return branch + "时开始";
    case Edge::kHourEnd:
      return branch + "时结束";
  }
  return {};
}

// "3 分钟", or "不到 1 分钟" for an edge less than half a minute away.
std::string Distance(ChartSeconds offset) {
  const ChartSeconds minutes = (std::llabs(offset) + kMinute / 2) / kMinute;
  return minutes == 0 ? std::string("不到 1 分钟") : std::to_string(minutes) + " 分钟";
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
                        ChartSeconds edge, ChartSeconds offset) {
  if (change == Change::kHour) return "，换时前后时柱不同";
  const std::optional<Chart> other = ChartAcross(edge, offset, options);
  if (!other) return {};
  const std::string_view across = change == Change::kTerm ? "，交节前后局数" : "，换元前后局数";
  return std::string(across) + (other->ju != chart.ju ? "不同" : "相同");
}

}  // namespace

std::string FormatBoundaryNotes(const Chart& chart, const ChartOptions& options,
                                const ChartBoundaries& b, int near_minutes) {
  std::string text = "\r\n";
  const NearEdges near = NearEdgesOf(b, near_minutes);
  if (near.count == 0) {
    return text + "注：前后 " + std::to_string(near_minutes) + " 分钟内无交节、换元、换时\r\n";
  }
  for (const NearEdge& n : near) {
    const std::string name = EdgeName(b, n.edge);
    text += "注：";
    if (n.offset > 0) {
      text += "距" + name + " " + Distance(n.offset);
    } else if (n.offset < 0) {
      text += name + "已过 " + Distance(n.offset);
    } else {
      text += "此刻正当" + name;
    }
    text += Consequence(chart, options, kChangeAt[static_cast<std::size_t>(n.edge)], b.At(n.edge),
                        n.offset);
    text += "\r\n";
  }
  return text;
}

}  // namespace veltrane::chart
