// Ranges on several threads: chunks come out in order and alike for any
// number of jobs; a failed write stops the run.
#include "app/cli_range.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>

namespace veltrane::app {
namespace {

std::string RunChunks(std::size_t count, int jobs) {
  std::string all;
  const bool ok = RunInOrder(
      count, jobs, [](std::size_t chunk, std::string& text) { text = std::to_string(chunk) + ";"; },
      [&all](const std::string& text) {
        all += text;
        return true;
      });
  EXPECT_TRUE(ok);
  return all;
}

TEST(RunInOrder, ChunksComeOutInOrderForAnyNumberOfJobs) {
  const std::string one = RunChunks(500, 1);
  EXPECT_EQ(one.substr(0, 8), "0;1;2;3;");
  for (int jobs : {2, 3, 8, 64}) EXPECT_EQ(RunChunks(500, jobs), one) << jobs;
  EXPECT_EQ(RunChunks(0, 4), "");
  EXPECT_EQ(RunChunks(1, 4), "0;");
}

TEST(RunInOrder, AFailedWriteStopsTheRun) {
  for (int jobs : {1, 4}) {
    std::atomic<int> made{0};
    int written = 0;
    const bool ok = RunInOrder(
        10000, jobs, [&made](std::size_t, std::string&) { ++made; },
        [&written](const std::string&) { return ++written < 3; });
    EXPECT_FALSE(ok);
    EXPECT_EQ(written, 3);
    // Nothing is made far past the failure: at most the chunks already ahead.
    EXPECT_LT(made.load(), 3 + 4 * 2 + 4) << jobs;
  }
}

TEST(RangeJson, EveryJobCountPrintsTheSameLines) {
  const ChartRange range{{1999, 12, 31, 0, 0}, {2000, 2, 15, 0, 0}, 37};
  const auto print = [&range](int jobs) {
    std::FILE* out = std::tmpfile();
    EXPECT_NE(out, nullptr);
    if (out == nullptr) return std::string();
    EXPECT_TRUE(WriteRangeJson(range, jobs, out));
    std::string text(static_cast<std::size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    EXPECT_EQ(std::fread(text.data(), 1, text.size(), out), text.size());
    std::fclose(out);
    return text;
  };
  const std::string one = print(1);
  EXPECT_EQ(static_cast<std::int64_t>(std::count(one.begin(), one.end(), '\n')),
            MomentCount(range));
  EXPECT_LT(one.find("\"date\":\"1999-12-31T00:00\""), one.find('\n'));  // first
  EXPECT_EQ(print(2), one);
  EXPECT_EQ(print(5), one);
}

}  // namespace
}  // namespace veltrane::app
