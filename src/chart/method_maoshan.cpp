#include "chart/method_maoshan.h"

#include "chart/method_terms.h"

namespace veltrane::chart {
namespace {

// A moment within this of a yuan's start lies in that yuan, as for terms.
constexpr double kTolerance = 1e-7;

}  // namespace

MethodJu MaoshanJu(const MethodInput& input) { return MaoshanJu(input, TermStartAt(input.moment)); }

MethodJu MaoshanJu(const MethodInput& input, const TermStart& in_force) {
  const double elapsed = input.moment - in_force.moment;
  Yuan yuan = Yuan::Upper;
  if (elapsed - kMaoshanLowerDays >= -kTolerance) {
    yuan = Yuan::Lower;
  } else if (elapsed - kMaoshanMiddleDays >= -kTolerance) {
    yuan = Yuan::Middle;
  }
  return MethodJuOf(SolarTermOfOrdinal(in_force.term), yuan);
}

}  // namespace veltrane::chart
