// Output that cannot be written is a failure, not a success: the tool says so
// and ends with status 1, whether one chart or a range was asked for.
#include "app/cli_run.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace veltrane::app {
namespace {

TEST(RunChartRequest, AFullDeviceGivesStatusOneAndOneLine) {
  ChartRequest one;
  one.moment = ChartMoment{2001, 12, 27, 4, 0};
  ChartRequest range;
  range.json = true;
  range.range = ChartRange{{2001, 1, 1, 0, 0}, {2001, 3, 1, 0, 0}, 30};
  range.jobs = 2;
  for (const ChartRequest& request : {one, range}) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (full == nullptr) GTEST_SKIP() << "no /dev/full here";
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunChartRequest(request, full), 1);
    const std::string err = testing::internal::GetCapturedStderr();
    std::fclose(full);
    EXPECT_EQ(err.rfind("veltrane-chart: cannot write the output: ", 0), 0u) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
  }
}

}  // namespace
}  // namespace veltrane::app
