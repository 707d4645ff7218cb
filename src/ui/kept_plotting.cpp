#include "ui/kept_plotting.h"

namespace veltrane::ui {

KeptPlotting& KeptPlottingResults() {
  static KeptPlotting kept;
  return kept;
}

void FreeKeptPlotting() { KeptPlottingResults() = KeptPlotting(); }

}  // namespace veltrane::ui
