#include "app/cli_search.h"

#include <mutex>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_range.h"
#include "chart/chart_boundaries.h"
#include "search/counts.h"
#include "search/searcher.h"

namespace veltrane::app {
namespace {

// Whether any term, yuan or hour edge lies within `minutes` of the chart.
bool NearAnEdge(const chart::ChartBoundaries& boundaries, int minutes) {
  return minutes > 0 && NearEdgesOf(boundaries, minutes).count > 0;
}

void AppendMatched(std::string& text, const std::vector<std::string>& matched) {
  // The chart's object ends in '}': "matched" joins it as its last member.
  if (!text.empty() && text.back() == '}') text.pop_back();
  text += ",\"matched\":[";
  for (std::size_t i = 0; i < matched.size(); ++i) {
    if (i != 0) text += ',';
    text += '"';
    for (const char c : matched[i]) {
      if (c == '"' || c == '\\') text += '\\';
      text += c;
    }
    text += '"';
  }
  text += "]}";
}

}  // namespace

bool WriteSearch(const ChartRequest& request, std::FILE* out) {
  const ChartRange& range = *request.range;
  const RunConventions conventions(request.options, request.zone, request.near_minutes,
                                   request.profile);
  const search::Searcher searcher(*request.query, request.options, request.profile);
  const int away = request.away_minutes;

  if (request.count) {
    search::HitCounts counts;
    std::mutex counting;
    const bool ok = WriteRangeInChunks(
        range, request.jobs, out,
        [&](std::int64_t first, std::int64_t end, std::string&) {
          search::HitCounts chunk;
          for (std::int64_t i = first; i < end; ++i) {
            const ChartMoment moment = AddMinutes(range.from, i * range.step_minutes);
            const auto hit = searcher.Test(moment);
            if (!hit) continue;
            if (NearAnEdge(chart::ComputeBoundaries(hit->chart, request.options), away)) continue;
            chunk.Add(moment.year, hit->chart);
          }
          const std::lock_guard lock(counting);
          counts.hits += chunk.hits;
          for (const auto& [year, n] : chunk.per_year) counts.per_year[year] += n;
          for (std::size_t t = 0; t < counts.per_term.size(); ++t) counts.per_term[t] += chunk.per_term[t];
          for (std::size_t y = 0; y < counts.per_yuan.size(); ++y) counts.per_yuan[y] += chunk.per_yuan[y];
        });
    const std::string text = search::CountsJson(counts) + "\n";
    return ok && std::fwrite(text.data(), 1, text.size(), out) == text.size();
  }

  return WriteRangeInChunks(
      range, request.jobs, out, [&](std::int64_t first, std::int64_t end, std::string& text) {
        LunarDayCache lunar;
        for (std::int64_t i = first; i < end; ++i) {
          const ChartMoment moment = AddMinutes(range.from, i * range.step_minutes);
          const auto hit = searcher.Test(moment);
          if (!hit) continue;
          const chart::ChartBoundaries boundaries =
              chart::ComputeBoundaries(hit->chart, request.options);
          if (NearAnEdge(boundaries, away)) continue;
          std::optional<ZonedMoment> typed;
          if (!conventions.zone().empty()) {
            if (auto local = LocalTimeInZone(conventions.zone(), moment)) typed = *local;
          }
          AppendChartJson(text, moment, hit->chart, lunar.Of(moment), boundaries, conventions,
                          typed ? &*typed : nullptr);
          AppendMatched(text, hit->matched);
          text += '\n';
        }
      });
}

}  // namespace veltrane::app
