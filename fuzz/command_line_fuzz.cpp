// Feeds arbitrary bytes to veltrane-chart's command line: the input is split
// at zero bytes into arguments and parsed as the tool parses its own. Checks:
// parsing never throws, a refusal is one line, and an accepted moment or range
// lies in the years the plotting takes and formats back to what parses again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli_moment.h"
#include "app/cli_options.h"

using namespace veltrane;

namespace {

void CheckMoment(const app::ChartMoment& m) {
  if (m.year < chart::kFirstPlotYear || m.year > chart::kLastPlotYear) std::abort();
  const auto again = app::ParseChartMoment(app::FormatChartMoment(m));
  if (!again || !(*again == m)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (const auto moment = app::ParseChartMoment(bytes)) CheckMoment(*moment);

  std::vector<std::string> args = {"veltrane-chart"};
  std::size_t start = 0;
  while (start <= bytes.size() && args.size() < 16) {
    const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
    args.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  const app::ParsedCommandLine parsed =
      app::ParseCommandLine(static_cast<int>(argv.size()), argv.data());
  if (parsed.kind == app::ParsedCommandLine::Kind::kBadArguments &&
      parsed.text.find('\n') != std::string::npos) {
    std::abort();
  }
  if (parsed.kind == app::ParsedCommandLine::Kind::kRun) {
    const app::ChartRequest& r = parsed.request;
    if (r.jobs < 1 || r.jobs > app::kMaxJobs) std::abort();
    if (r.moment) CheckMoment(*r.moment);
    if (r.range) {
      CheckMoment(r.range->from);
      CheckMoment(r.range->to);
      if (r.range->step_minutes < 1 || app::MinutesBetween(r.range->from, r.range->to) < 0) {
        std::abort();
      }
    }
  }
  return 0;
}
