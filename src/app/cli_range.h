// Plotting a range of moments for veltrane-chart: the JSON lines of every
// moment, made in chunks on worker threads and written in moment order.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_options.h"

namespace veltrane::app {

// Runs make(chunk, text) for chunks 0..count − 1 on `jobs` threads (jobs < 2:
// on the calling thread) and hands each text to write() on the calling
// thread, in chunk order. A write() that returns false stops the run: no
// further chunk is begun. Returns whether every write succeeded.
bool RunInOrder(std::size_t count, int jobs,
                const std::function<void(std::size_t chunk, std::string& text)>& make,
                const std::function<bool(const std::string& text)>& write);

// Number of moments in a range (from and to included, step apart).
std::int64_t MomentCount(const ChartRange& range);

// Writes to `out`, in moment order, the text that make(first, end, text)
// appends for the moments numbered first..end − 1 of a range (moment i is
// i steps after its start), one chunk of moments at a time on `jobs`
// threads. Returns false when writing failed.
bool WriteRangeInChunks(
    const ChartRange& range, int jobs, std::FILE* out,
    const std::function<void(std::int64_t first, std::int64_t end, std::string& text)>& make);

// Writes the JSON line of every moment of a range to `out`, in moment order,
// plotting on `jobs` threads under a run's conventions (with a zone, each
// line's input is the moment's civil time there; the edges within its
// near_minutes of each chart are near). Returns false when writing failed.
bool WriteRangeJson(const ChartRange& range, int jobs, std::FILE* out,
                    const RunConventions& conventions = DefaultConventions());

}  // namespace veltrane::app
