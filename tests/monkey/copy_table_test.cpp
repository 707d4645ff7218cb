// The monkey's check of a copied chart takes a whole copy and names what is
// wrong with a damaged one.
#include "copy_table.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/copy_worked_chart.h"

namespace veltrane::testing_support {
namespace {

TEST(CopyTable, TakesAWholeCopyAndRefusesDamagedOnes) {
  const std::string whole = testing_support::WorkedChartText(7);
  EXPECT_EQ(CopyTableFault(whole), "");

  std::string no_end = whole.substr(0, whole.size() - 2);
  std::string short_rule = whole;
  short_rule.erase(short_rule.find("┼"), 3);
  std::string cell_split = whole;
  cell_split.replace(cell_split.find("天冲"), 6, "天│冲");
  for (const std::string& damaged : {std::string(), no_end, short_rule, cell_split, whole.substr(2),
                                     whole.substr(0, whole.size() / 2)}) {
    EXPECT_NE(CopyTableFault(damaged), "") << damaged;
  }
}

}  // namespace
}  // namespace veltrane::testing_support
