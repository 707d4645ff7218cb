// Prints the 置闰 intercalary periods of 1900..2100 as the Markdown table of
// docs/methods.md.
#include <cstdio>

#include "intercalary_table.h"

int main() {
  std::fputs(veltrane::tools::IntercalaryTableMarkdown(1900, 2100).c_str(), stdout);
  return 0;
}
