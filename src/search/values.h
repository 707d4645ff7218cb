// The values a query's tests compare with: each field's words (as practitioners write them)
// read into the numbers a chart holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "search/query.h"

namespace veltrane::search {

// The number a word stands for in `field`, or nullopt when the field has no such value.
std::optional<int> ValueOf(Field field, std::string_view word);

// Every rule whose id or name is `word` (empty when none is).
std::vector<std::uint16_t> RulesNamed(std::string_view word);

// What a field takes, in a few words, for error messages.
std::string_view ValueHint(Field field);

}  // namespace veltrane::search
