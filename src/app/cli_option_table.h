// Every option of veltrane-chart written once: its word, the values it takes,
// its default and its help line. The parser declares the options from it,
// --help prints it, and a test holds the manual page to it.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace veltrane::app {

enum class OptionId : std::size_t {
  kJson,
  kSvg,
  kEncoding,
  kFrom,
  kTo,
  kStepMinutes,
  kJobs,
  kTz,
  kLongitude,
  kSolarTime,
  kDayStart,
  kCentrePalace,
  kNearMinutes,
  kNotes,
  kMethod,
  kZhirunLead,
  kCompareMethods,
  kReading,
  kProfile,
  kFind,
  kCount,
  kAwayFromEdges,
  kLang,
};
inline constexpr std::size_t kOptionCount = 23;

struct OptionRow {
  OptionId id;
  std::string_view word;           // "--day-start"
  std::string_view values;         // "23|0"; empty for a switch
  std::string_view default_value;  // read when the option is not given; empty for none
  std::string_view help;           // one line, without the default
  std::string_view json_key = {};  // its name under the JSON's "conventions", if it is one
};

// The rows in the order --help lists them, one per OptionId.
std::span<const OptionRow> OptionTable();

// The row of one option.
const OptionRow& OptionOf(OptionId id);

}  // namespace veltrane::app
