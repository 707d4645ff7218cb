#include "search/counts.h"

namespace veltrane::search {

void HitCounts::Add(int year, const chart::Chart& chart) {
  ++hits;
  ++per_year[year];
  const int term = static_cast<int>(chart.term) - 1;
  if (term >= 0 && term < chart::kTermCount) ++per_term[static_cast<std::size_t>(term)];
  const int yuan = static_cast<int>(chart.yuan);
  if (yuan >= 0 && yuan <= chart::kYuanCount) ++per_yuan[static_cast<std::size_t>(yuan)];
}

void HitCounts::Merge(const HitCounts& other) {
  hits += other.hits;
  for (const auto& [year, n] : other.per_year) per_year[year] += n;
  for (std::size_t t = 0; t < per_term.size(); ++t) per_term[t] += other.per_term[t];
  for (std::size_t y = 0; y < per_yuan.size(); ++y) per_yuan[y] += other.per_yuan[y];
}

std::string CountsJson(const HitCounts& counts) {
  std::string out = "{\"hits\":" + std::to_string(counts.hits) + ",\"per_year\":{";
  bool first = true;
  for (const auto& [year, hits] : counts.per_year) {
    out += (first ? "\"" : ",\"") + std::to_string(year) + "\":" + std::to_string(hits);
    first = false;
  }
  out += "},\"per_term\":{";
  for (int t = 0; t < chart::kTermCount; ++t) {
    out += (t == 0 ? "\"" : ",\"");
    out += chart::kTermTexts[static_cast<std::size_t>(t)];
    out += "\":" + std::to_string(counts.per_term[static_cast<std::size_t>(t)]);
  }
  out += "},\"per_yuan\":{";
  for (int y = 0; y < chart::kYuanCount; ++y) {
    out += (y == 0 ? "\"" : ",\"");
    out += chart::kYuanTexts[static_cast<std::size_t>(y)];
    out += "\":" + std::to_string(counts.per_yuan[static_cast<std::size_t>(y) + 1]);
  }
  if (counts.per_yuan[0] != 0) out += ",\"none\":" + std::to_string(counts.per_yuan[0]);
  out += "}}";
  return out;
}

}  // namespace veltrane::search
