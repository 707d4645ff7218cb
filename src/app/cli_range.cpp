#include "app/cli_range.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "app/cli_chart_json.h"
#include "chart/plot_chart.h"

namespace veltrane::app {
namespace {

// Moments per chunk: large enough that threads rarely meet at the lock,
// small enough that a chunk's text (about 1.2 kB a chart) stays a few MB.
constexpr std::int64_t kChunkMoments = 1024;

// Chunks made ahead of the writer, per thread: bounds the memory in use.
constexpr std::size_t kChunksAheadPerJob = 2;

// The chunks of a run, each made by one worker into a slot of a ring and
// written by the calling thread in order.
class OrderedChunks {
 public:
  OrderedChunks(std::size_t count, std::size_t slots) : count_(count), slots_(slots) {}

  // Claims the next chunk once its slot is free; false when none is left.
  bool Claim(std::size_t& chunk) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock,
                  [this] { return stop_ || next_ >= count_ || next_ < written_ + slots_.size(); });
    if (stop_ || next_ >= count_) return false;
    chunk = next_++;
    return true;
  }
  std::string& Text(std::size_t chunk) { return slots_[chunk % slots_.size()].text; }
  void Made(std::size_t chunk) {
    const std::lock_guard lock(mutex_);
    slots_[chunk % slots_.size()].ready = true;
    changed_.notify_all();
  }
  // Waits for the next chunk in order; false when the run has no more.
  bool NextMade(std::size_t& chunk) {
    std::unique_lock lock(mutex_);
    if (written_ >= count_) return false;
    chunk = written_;
    changed_.wait(lock, [this, chunk] { return slots_[chunk % slots_.size()].ready; });
    return true;
  }
  void Written(std::size_t chunk) {
    const std::lock_guard lock(mutex_);
    slots_[chunk % slots_.size()].ready = false;
    ++written_;
    changed_.notify_all();
  }
  void Stop() {
    const std::lock_guard lock(mutex_);
    stop_ = true;
    changed_.notify_all();
  }

 private:
  struct Slot {
    std::string text;
    bool ready = false;
  };
  const std::size_t count_;
  std::vector<Slot> slots_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t next_ = 0;
  std::size_t written_ = 0;
  bool stop_ = false;
};

}  // namespace

bool RunInOrder(std::size_t count, int jobs,
                const std::function<void(std::size_t chunk, std::string& text)>& make,
                const std::function<bool(const std::string& text)>& write) {
  const std::size_t threads = std::min(count, static_cast<std::size_t>(jobs < 1 ? 1 : jobs));
  if (threads <= 1) {
    std::string text;
    for (std::size_t chunk = 0; chunk < count; ++chunk) {
      text.clear();
      make(chunk, text);
      if (!write(text)) return false;
    }
    return true;
  }

  OrderedChunks chunks(count, threads * kChunksAheadPerJob);
  std::vector<std::thread> workers;
  workers.reserve(threads);
  for (std::size_t t = 0; t < threads; ++t) {
    workers.emplace_back([&chunks, &make] {
      std::size_t chunk = 0;
      while (chunks.Claim(chunk)) {
        std::string& text = chunks.Text(chunk);
        text.clear();
        make(chunk, text);
        chunks.Made(chunk);
      }
    });
  }
  bool ok = true;
  std::size_t chunk = 0;
  while (ok && chunks.NextMade(chunk)) {
    ok = write(chunks.Text(chunk));
    chunks.Written(chunk);
  }
  if (!ok) chunks.Stop();
  for (std::thread& worker : workers) worker.join();
  return ok;
}

std::int64_t MomentCount(const ChartRange& range) {
  return MinutesBetween(range.from, range.to) / range.step_minutes + 1;
}

bool WriteRangeInChunks(
    const ChartRange& range, int jobs, std::FILE* out,
    const std::function<void(std::int64_t first, std::int64_t end, std::string& text)>& make) {
  const std::int64_t moments = MomentCount(range);
  const auto chunks = static_cast<std::size_t>((moments + kChunkMoments - 1) / kChunkMoments);
  const auto make_chunk = [&make, moments](std::size_t chunk, std::string& text) {
    const std::int64_t first = static_cast<std::int64_t>(chunk) * kChunkMoments;
    make(first, std::min(moments, first + kChunkMoments), text);
  };
  const auto write = [out](const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size();
  };
  return RunInOrder(chunks, jobs, make_chunk, write);
}

bool WriteRangeJson(const ChartRange& range, int jobs, std::FILE* out,
                    const RunConventions& conventions) {
  return WriteRangeInChunks(
      range, jobs, out,
      [&range, &conventions](std::int64_t first, std::int64_t end, std::string& text) {
        const chart::ChartOptions& options = conventions.options();
        const std::string& zone = conventions.zone();
        LunarDayCache lunar;
        for (std::int64_t i = first; i < end; ++i) {
          const ChartMoment moment = AddMinutes(range.from, i * range.step_minutes);
          // The zone was found when the range was read, so the lookup answers.
          std::optional<ZonedMoment> typed;
          if (!zone.empty()) {
            if (auto local = LocalTimeInZone(zone, moment)) typed = *local;
          }
          const chart::Chart chart = chart::ComputeChart(moment, options);
          AppendChartJson(text, moment, chart, lunar.Of(moment),
                          chart::ComputeBoundaries(chart, options), conventions,
                          typed ? &*typed : nullptr);
          text += '\n';
        }
      });
}

}  // namespace veltrane::app
