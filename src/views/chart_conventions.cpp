#include "views/chart_conventions.h"

#include "chart/method.h"
#include "chart/option_words.h"
#include "views/json_number.h"
#include "views/json_string.h"

namespace veltrane::views {
namespace {

void AppendKey(std::string& out, std::string_view key) {
  out += out.size() > 1 ? ",\"" : "\"";
  out += key;
  out += "\":";
}

// Every convention but the method, from "day_start" on; `zhirun_lead` adds its key.
void AppendOptions(std::string& out, const chart::ChartOptions& options, std::string_view zone,
                   bool zhirun_lead) {
  const ConventionKeys& key = kConventionKeys;
  AppendKey(out, key.day_start);
  out += chart::WordOf(options.day_start);  // a number: 23 or 0
  AppendKey(out, key.centre_palace);
  AppendJsonString(out, chart::WordOf(options.centre_palace));
  AppendKey(out, key.time_zone);
  out += ZoneJson(zone);
  AppendKey(out, key.longitude);
  if (options.longitude) {
    char number[kMaxNumberChars];
    out.append(number, WriteShortestDouble(number, *options.longitude));
  } else {
    out += "null";
  }
  AppendKey(out, key.solar_time);
  AppendJsonString(out, chart::WordOf(options.solar_time));
  if (zhirun_lead) {
    AppendKey(out, key.zhirun_lead);
    out += std::to_string(options.zhirun_lead_days);
  }
  out += '}';
}

}  // namespace

std::string ZoneJson(std::string_view zone) {
  std::string json;
  AppendJsonString(json, zone.empty() ? kChinaZoneName : zone);
  return json;
}

std::string ConventionsJson(const chart::ChartOptions& options, std::string_view zone) {
  std::string json = "{";
  AppendKey(json, kConventionKeys.method);
  AppendJsonString(json, chart::ChartMethodName(options.method));
  AppendOptions(json, options, zone, options.method == chart::ChartMethod::kZhirun);
  return json;
}

std::string ConventionsJsonWithoutMethod(const chart::ChartOptions& options,
                                         std::string_view zone) {
  std::string json = "{";
  AppendOptions(json, options, zone, true);
  return json;
}

}  // namespace veltrane::views
