#include "chart/method_maoshan.h"

#include "chart/method_terms.h"

namespace veltrane::chart {
namespace {

// A moment within this of a yuan's start lies in that yuan, as for terms.
constexpr double kTolerance = 1e-7;

}  // namespace

MethodJu MaoshanJu(const MethodInput& input) {
  const TermOrdinal k = TermInForceAt(input.moment);
  const double elapsed = input.moment - TermOrdinalMoment(k);
  Yuan yuan = Yuan::Upper;
  if (elapsed - kMaoshanLowerDays >= -kTolerance) {
    yuan = Yuan::Lower;
  } else if (elapsed - kMaoshanMiddleDays >= -kTolerance) {
    yuan = Yuan::Middle;
  }
  return MethodJuOf(SolarTermOfOrdinal(k), yuan);
}

}  // namespace veltrane::chart
