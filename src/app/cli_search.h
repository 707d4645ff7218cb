// Searching a range for veltrane-chart --find: the JSON line of every hit, in moment order on
// any number of jobs, or (--count) one tally of the hits.
#pragma once

#include <cstdio>

#include "app/cli_options.h"

namespace veltrane::app {

// Writes what a --find request asks for to `out`. Returns false when writing failed.
bool WriteSearch(const ChartRequest& request, std::FILE* out);

}  // namespace veltrane::app
