// The page's WebAssembly entry: plain numbers and words in, one JSON text out.
#include <emscripten/emscripten.h>

#include <string>

#include "web/page_chart.h"

namespace {

// The answer stays alive until the next call; the page copies it out at once.
std::string& Answer() {
  static std::string answer;
  return answer;
}

std::string_view Text(const char* text) {
  return text ? std::string_view(text) : std::string_view();
}

}  // namespace

extern "C" {

// Plots one chart and returns the page's JSON (see PageChartJson). The
// options are their words (see veltrane_options); `zone` is "" for China
// Standard Time; a NaN longitude means none.
EMSCRIPTEN_KEEPALIVE const char* veltrane_chart(
    int year, int month, int day, int hour, int minute, const char* method, const char* day_start,
    const char* centre_palace, double longitude, const char* solar_time, const char* zone,
    int local_year, int local_month, int local_day, int local_hour, int local_minute,
    int offset_minutes, int ambiguous, int near_minutes, const char* profile) {
  const std::optional<veltrane::chart::ChartOptions> options = veltrane::web::ChartOptionsOfWords(
      {Text(method), Text(day_start), Text(centre_palace), Text(solar_time)}, longitude);
  if (!options) {
    Answer() = R"({"error":"排盘选项无效"})";
    return Answer().c_str();
  }
  veltrane::web::PageRequest request;
  request.moment = {year, month, day, hour, minute};
  request.local = {local_year, local_month, local_day, local_hour, local_minute};
  request.options = *options;
  request.zone = Text(zone);
  request.offset_minutes = offset_minutes;
  request.ambiguous = ambiguous != 0;
  request.near_minutes = near_minutes;
  request.profile = Text(profile);
  Answer() = veltrane::web::PageChartJson(request, VELTRANE_VERSION);
  return Answer().c_str();
}

// The options' words, texts and defaults as JSON (see PageOptionsJson).
EMSCRIPTEN_KEEPALIVE const char* veltrane_options() {
  Answer() = veltrane::web::PageOptionsJson();
  return Answer().c_str();
}

}  // extern "C"
