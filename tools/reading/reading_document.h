// docs/reading.md, written from the rule table, the profiles, the disputed points and the worked
// examples that cannot come out under the chart's conventions.
#pragma once

#include <string>

namespace veltrane::reading {

// The whole of docs/reading.md.
std::string ReadingDocument();

}  // namespace veltrane::reading
