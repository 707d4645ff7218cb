#include "delta_t.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace veltrane::tools {
namespace {

// 2000-01-01 0h: the observed series ends here and the quadratic takes over.
constexpr double kQuadraticFromMjd = 51544.0;

double MjdOfDate(int year, int month, int day) {
  double djm0 = 0.0;
  double djm = 0.0;
  if (eraCal2jd(year, month, day, &djm0, &djm) != 0) {
    throw std::runtime_error("bad calendar date");
  }
  return djm;
}

}  // namespace

DeltaT DeltaT::Read(std::istream& in) {
  std::vector<DeltaTSample> samples;
  std::string line;
  int line_number = 0;
  while (std::getline(in, line)) {
    ++line_number;
    const auto hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream fields(line);
    int year = 0;
    int month = 0;
    int day = 0;
    double seconds = 0.0;
    if (!(fields >> year)) continue;  // blank or comment-only line
    std::string rest;
    if (!(fields >> month >> day >> seconds) || (fields >> rest)) {
      throw std::runtime_error("delta T line " + std::to_string(line_number) +
                               ": want \"year month day seconds\"");
    }
    double mjd = 0.0;
    try {
      mjd = MjdOfDate(year, month, day);
    } catch (const std::runtime_error&) {
      throw std::runtime_error("delta T line " + std::to_string(line_number) + ": bad date");
    }
    if (!samples.empty() && mjd <= samples.back().mjd) {
      throw std::runtime_error("delta T line " + std::to_string(line_number) + ": dates must rise");
    }
    samples.push_back({mjd, seconds});
  }
  if (samples.size() < 2 || samples.back().mjd < kQuadraticFromMjd) {
    throw std::runtime_error("delta T series must reach 2000-01-01");
  }
  return DeltaT(std::move(samples));
}

double DeltaT::At(double mjd) const {
  if (mjd >= kQuadraticFromMjd) {
    const double t = DecimalYear(mjd) - 2000.0;
    return 63.829 + 0.555 * t + 0.0114 * t * t;
  }
  if (mjd < samples_.front().mjd) throw std::out_of_range("moment before the delta T series");
  const auto after = std::upper_bound(samples_.begin(), samples_.end(), mjd,
                                      [](double m, const DeltaTSample& s) { return m < s.mjd; });
  const DeltaTSample& b = *after;  // exists: the series reaches past kQuadraticFromMjd
  const DeltaTSample& a = *(after - 1);
  return a.seconds + (b.seconds - a.seconds) * (mjd - a.mjd) / (b.mjd - a.mjd);
}

double DecimalYear(double mjd) {
  int year = 0;
  int month = 0;
  int day = 0;
  double fraction = 0.0;
  eraJd2cal(ERFA_DJM0, mjd, &year, &month, &day, &fraction);
  const double start = MjdOfDate(year, 1, 1);
  const double end = MjdOfDate(year + 1, 1, 1);
  return year + (mjd - start) / (end - start);
}

}  // namespace veltrane::tools
