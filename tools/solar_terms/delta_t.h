// ΔT = TT − UT1, from the observed series before 2000.0 and a quadratic from 2000.0 on.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace veltrane::tools {

// One observed value of the series: the epoch as a Modified Julian Date
// (0h of the listed calendar day) and ΔT in seconds.
struct DeltaTSample {
  double mjd;
  double seconds;
};

class DeltaT {
 public:
  // Reads the series from a text stream: one "year month day seconds" row per
  // line, rows strictly rising in date; '#' starts a comment. Throws
  // std::runtime_error naming the line on malformed input.
  static DeltaT Read(std::istream& in);

  // ΔT in seconds at the given moment.
  //   Given: mjd, a Modified Julian Date (JD − 2400000.5) in TT; the ΔT
  //          difference between TT and UT is far below what ΔT depends on.
  //   Returns: ΔT = TT − UT in seconds.
  //   Notes: before 2000-01-01 0h, linear interpolation between the two
  //          samples around mjd (throws std::out_of_range outside them);
  //          from 2000-01-01 0h on, ΔT = 63.829 + 0.555·t + 0.0114·t², t the
  //          decimal year minus 2000, which meets the last sample (63.8285 s).
  double At(double mjd) const;

  // The first moment the series covers (MJD).
  double FirstMjd() const { return samples_.front().mjd; }

 private:
  explicit DeltaT(std::vector<DeltaTSample> samples) : samples_(std::move(samples)) {}
  std::vector<DeltaTSample> samples_;
};

// Decimal year of a moment: the year plus the elapsed fraction of that year.
//   Given: mjd, a Modified Julian Date.  Returns: e.g. 2000.5 for mid-2000.
double DecimalYear(double mjd);

}  // namespace veltrane::tools
