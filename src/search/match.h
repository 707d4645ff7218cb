// Testing a chart (and its reading) against a compiled query.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "chart/plot_chart.h"
#include "reading/reading.h"
#include "search/query.h"

namespace veltrane::search {

// Gives the chart's reading when a test first asks for it (null: no reading).
using ReadingSource = std::function<const reading::Reading*()>;

// Whether one test (a node of kind kTest) holds in `chart` with its `reading` (null: no
// reading, and a reading test fails).
bool TestHolds(const Node& test, const chart::Chart& chart, const reading::Reading* reading);

// Whether `chart` with its `reading` satisfies `query`. The reading is looked at only when
// query.needs_reading; it may be null otherwise.
bool Matches(const Query& query, const chart::Chart& chart, const reading::Reading* reading);

// The same, reading the chart only once a reading test is reached (the tests of the plates and
// pillars decide first where and, or allow).
bool Matches(const Query& query, const chart::Chart& chart, const ReadingSource& reading);

// What made a matching chart satisfy the query: the text of every test that holds and counts
// toward the match (a test under not counts by failing, so none is given for it); a reading test
// without a palace names the palaces it holds in ("reading=青龙返首@3").
std::vector<std::string> Matched(const Query& query, const chart::Chart& chart,
                                 const reading::Reading* reading);
std::vector<std::string> Matched(const Query& query, const chart::Chart& chart,
                                 const ReadingSource& reading);

}  // namespace veltrane::search
