// The table of 置闰 intercalary periods that docs/methods.md carries, as the
// program computes it.
#pragma once

#include <string>

namespace veltrane::tools {

// Markdown rows, one per intercalary period whose first day falls in
// first_year..last_year: the term repeated, its first and last day (date and
// day pillar), and how many days the repeated period's 符头 led its term.
std::string IntercalaryTableMarkdown(int first_year, int last_year);

}  // namespace veltrane::tools
