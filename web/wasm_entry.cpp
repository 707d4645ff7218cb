// The page's WebAssembly entry: plain numbers in, one JSON text out.
#include <emscripten/emscripten.h>

#include <string>

#include "chart/method.h"
#include "web/page_chart.h"

namespace {

// The answer stays alive until the next call; the page copies it out at once.
std::string& Answer() {
  static std::string answer;
  return answer;
}

veltrane::chart::ChartMoment MomentOf(int year, int month, int day, int hour, int minute) {
  return {year, month, day, hour, minute};
}

}  // namespace

extern "C" {

// Plots one chart and returns the page's JSON (see PageChartJson). `zone` is
// "" for China Standard Time; a NaN longitude means none; codes out of their
// ranges fall back to the window's convention.
EMSCRIPTEN_KEEPALIVE const char* veltrane_chart(int year, int month, int day, int hour, int minute,
                                                int method, int day_start_at_0, int gen_kun,
                                                double longitude, int mean_solar, const char* zone,
                                                int local_year, int local_month, int local_day,
                                                int local_hour, int local_minute,
                                                int offset_minutes, int ambiguous, int near_minutes,
                                                const char* profile) {
  using namespace veltrane::chart;
  veltrane::web::PageRequest request;
  request.moment = MomentOf(year, month, day, hour, minute);
  request.local = MomentOf(local_year, local_month, local_day, local_hour, local_minute);
  request.options.method = method >= 0 && method < kChartMethodCount
                               ? static_cast<ChartMethod>(method)
                               : ChartMethod::kChaibu;
  request.options.day_start = day_start_at_0 ? DayStart::kAtMidnight : DayStart::kAt23;
  request.options.centre_palace = gen_kun ? CentrePalace::kGenKun : CentrePalace::kKun;
  if (longitude == longitude && longitude >= -180 && longitude <= 180) {
    request.options.longitude = longitude;
    request.options.solar_time = mean_solar ? SolarTime::kMean : SolarTime::kApparent;
  }
  request.zone = zone ? zone : "";
  request.offset_minutes = offset_minutes;
  request.ambiguous = ambiguous != 0;
  request.near_minutes = near_minutes >= 0 && near_minutes <= 1440 ? near_minutes : 10;
  request.profile = profile ? profile : "";
  Answer() = veltrane::web::PageChartJson(request);
  return Answer().c_str();
}

// The reading profiles as JSON (see ProfilesJson).
EMSCRIPTEN_KEEPALIVE const char* veltrane_profiles() {
  Answer() = veltrane::web::ProfilesJson();
  return Answer().c_str();
}

}  // extern "C"
