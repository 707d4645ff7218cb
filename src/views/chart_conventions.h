// The "conventions" object of a chart's JSON: every chart option in force,
// each under its key, with its value as the option's word.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_options.h"

namespace veltrane::views {

// The keys of the conventions, which the tool's option table and the web page also name them by.
struct ConventionKeys {
  std::string_view method = "method";
  std::string_view day_start = "day_start";
  std::string_view centre_palace = "centre_palace";
  std::string_view time_zone = "time_zone";
  std::string_view longitude = "longitude";
  std::string_view solar_time = "solar_time";
  std::string_view zhirun_lead = "zhirun_lead";
};
inline constexpr ConventionKeys kConventionKeys;

// The zone a chart's date is read in when none is named: China Standard Time.
inline constexpr std::string_view kChinaZoneName = "UTC+8";

// The zone as a JSON string: `zone`, or kChinaZoneName when it is empty.
std::string ZoneJson(std::string_view zone);

// The object {"method", "day_start", "centre_palace", "time_zone", "longitude"
// (null without one), "solar_time"} and "zhirun_lead" under 置闰, the one
// method that reads it; `zone` as in ZoneJson.
std::string ConventionsJson(const chart::ChartOptions& options, std::string_view zone);

// The same without "method" and with "zhirun_lead" always, for lines that
// compare every method.
std::string ConventionsJsonWithoutMethod(const chart::ChartOptions& options, std::string_view zone);

}  // namespace veltrane::views
