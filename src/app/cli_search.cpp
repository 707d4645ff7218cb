#include "app/cli_search.h"

#include <mutex>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_range.h"
#include "chart/chart_boundaries.h"
#include "search/counts.h"
#include "search/searcher.h"
#include "views/chart_json.h"

namespace veltrane::app {
namespace {

// Whether any term, yuan or hour edge lies within `minutes` of the chart.
bool NearAnEdge(const chart::ChartBoundaries& boundaries, int minutes) {
  return minutes > 0 && NearEdgesOf(boundaries, minutes).count > 0;
}

}  // namespace

bool WriteSearch(const ChartRequest& request, std::FILE* out) {
  const ChartRange& range = *request.range;
  const RunConventions conventions(request.options, request.zone, request.near_minutes,
                                   request.profile);
  const search::Searcher searcher(*request.query, request.options, request.profile);
  const int away = request.away_minutes;
  // Whether a hit's chart lies within --away-from-edges of an edge: only a hit is plotted.
  const auto near_an_edge = [&](const search::RangeHit& hit) {
    if (away <= 0) return false;
    const chart::Chart chart = chart::ComputeChart(hit.moment, request.options);
    return NearAnEdge(chart::ComputeBoundaries(chart, request.options), away);
  };

  if (request.count) {
    search::HitCounts counts;
    std::mutex counting;
    const bool ok = WriteRangeInChunks(range, request.jobs, out,
                                       [&](std::int64_t first, std::int64_t end, std::string&) {
                                         search::HitCounts chunk;
                                         searcher.Scan(range.from, range.step_minutes, first, end,
                                                       [&](const search::RangeHit& hit) {
                                                         if (!near_an_edge(hit))
                                                           chunk.Add(hit.moment.year, hit.keys);
                                                       });
                                         const std::lock_guard lock(counting);
                                         counts.Merge(chunk);
                                       });
    const std::string text = search::CountsJson(counts) + "\n";
    return ok && std::fwrite(text.data(), 1, text.size(), out) == text.size();
  }

  return WriteRangeInChunks(
      range, request.jobs, out, [&](std::int64_t first, std::int64_t end, std::string& text) {
        LunarDayCache lunar;
        std::string matched;
        searcher.Scan(
            range.from, range.step_minutes, first, end, [&](const search::RangeHit& found) {
              // The hit's chart in full, and what in it matched.
              const auto hit = searcher.Test(found.moment);
              if (!hit) return;
              const chart::ChartBoundaries boundaries =
                  chart::ComputeBoundaries(hit->chart, request.options);
              if (NearAnEdge(boundaries, away)) return;
              std::optional<ZonedMoment> typed;
              if (!conventions.zone().empty()) {
                if (auto local = LocalTimeInZone(conventions.zone(), found.moment)) {
                  typed = *local;
                }
              }
              matched.clear();
              views::AppendJsonStrings(matched, hit->matched);
              const views::JsonMember member{"matched", matched};
              AppendChartJson(text, found.moment, hit->chart, lunar.Of(found.moment), boundaries,
                              conventions, typed ? &*typed : nullptr, {&member, 1});
              text += '\n';
            });
      });
}

}  // namespace veltrane::app
