// The part of a veltrane-chart JSON line that the window also shows: the line
// without "boundaries", which the tool adds as the object's last member.
#pragma once

#include <string>

namespace veltrane::app {

inline std::string WindowFields(const std::string& line) {
  const std::size_t at = line.find(",\"boundaries\":");
  const std::size_t close = line.rfind('}');
  if (at == std::string::npos || close == std::string::npos || close < at) return line;
  return line.substr(0, at) + line.substr(close);
}

}  // namespace veltrane::app
