// docs/reading.md is what the generator writes from the rule table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "reading/rule.h"
#include "reading_document.h"

namespace veltrane::reading {
namespace {

TEST(ReadingDocument, TheCommittedPageIsWhatTheTableWrites) {
  std::ifstream file(VELTRANE_SOURCE_DIR "/docs/reading.md", std::ios::binary);
  ASSERT_TRUE(file) << "docs/reading.md is missing: run veltrane_reading_document docs/reading.md";
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(), ReadingDocument())
      << "docs/reading.md is out of date: run veltrane_reading_document docs/reading.md";
}

TEST(ReadingDocument, EveryRuleAndDisputeIsOnThePage) {
  const std::string page = ReadingDocument();
  for (const Rule& r : Rules()) {
    EXPECT_NE(page.find("`" + std::string(r.id) + "`"), std::string::npos) << r.id;
  }
  for (const Dispute& d : Disputes()) {
    EXPECT_NE(page.find("(`" + std::string(d.id) + "`)"), std::string::npos) << d.id;
  }
}

}  // namespace
}  // namespace veltrane::reading
