// Structural checks of a solar-term table, shared by its generator and tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veltrane::calendar {

// What is wrong with a table in the SolarTermTable layout.
//   Given: the table bytes (24,000 expected).
//   Returns: one line per fault, empty when the table is sound: the size;
//            every field in range (month 1–12, a day of that month, hour
//            0–23, minute and second 0–59); slot s in month (s + 1) / 2, so
//            slot 1 in January and slot 24 in December; moments rising
//            strictly within each year and from each 冬至 to the next 小寒.
std::vector<std::string> SolarTermTableProblems(std::span<const std::uint8_t> table);

}  // namespace veltrane::calendar
