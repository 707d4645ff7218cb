// Feeds arbitrary bytes to the search's query reader. Checks: reading never reads out of
// bounds or recurses without end, a refusal names a column inside the text (or just after it)
// on one line, and an accepted query has a root and tests a chart without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "chart/plot_chart.h"
#include "reading/reading.h"
#include "search/match.h"
#include "search/query.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = search::ParseQuery(text);
  if (const auto* error = std::get_if<search::QueryError>(&parsed)) {
    if (error->column < 1 || static_cast<std::size_t>(error->column) > size + 1) std::abort();
    if (search::Describe(*error).find('\n') != std::string_view::npos) std::abort();
    return 0;
  }
  const search::Query& query = std::get<search::Query>(parsed);
  if (query.root < 0 || static_cast<std::size_t>(query.root) >= query.nodes.size()) std::abort();
  static const chart::Chart kChart = chart::ComputeChart({2001, 12, 27, 4, 0});
  static const reading::Reading kReading = reading::Read(kChart);
  const bool holds = search::Matches(query, kChart, &kReading);
  if (holds && search::Matched(query, kChart, &kReading).empty() && size > 0) {
    // A query that holds only by not has nothing to name; any other names a test.
    bool has_not = false;
    for (const search::Node& node : query.nodes) has_not |= node.kind == search::Node::Kind::kNot;
    if (!has_not) std::abort();
  }
  return 0;
}
