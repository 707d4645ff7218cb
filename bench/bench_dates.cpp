#include "bench_dates.h"

namespace veltrane::bench {

const std::vector<BenchDate>& BenchDates() {
  static const std::vector<BenchDate> dates = [] {
    std::vector<BenchDate> list;
    constexpr int kCount = 1024;
    list.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
      // Steps of prime sizes walk years, months, days and hours independently.
      const int year = 1900 + (i * 37) % 200;
      const int month = 1 + (i * 7) % 12;
      const int day = 1 + (i * 11) % 28;
      const int hour = (i * 5) % 24;
      const int minute = (i * 13) % 60;
      list.push_back({{year, month, day, hour, minute},
                      std::to_string(year),
                      std::to_string(month),
                      std::to_string(day),
                      std::to_string(hour)});
    }
    return list;
  }();
  return dates;
}

}  // namespace veltrane::bench
