// Binds the plate model to the main window: loads a model from the boxes and
// labels it needs, and writes back only what an operation changed. The five
// ring counters are the caller's (the window's state).
#pragma once

#include "chart/plate_model.h"
#include "ui/centre_markers.h"

namespace veltrane::ui {

// Window parts beside the plates, as further PlateParts bits.
inline constexpr chart::PlateParts kCentreMarkersPart = 1u << 11;  // left, top of 标签22, 天干支5
inline constexpr chart::PlateParts kStarBoxesPart = 1u << 12;  // left, top of 星1..8 (read only)
inline constexpr chart::PlateParts kAllWindowPlateParts =
    chart::kAllPlateParts | kCentreMarkersPart | kStarBoxesPart;
static_assert((chart::kAllPlateParts & (kCentreMarkersPart | kStarBoxesPart)) == 0);

// Fills the given parts of model from the main window, and its counters from
// `counters`. Parts not named keep what model held.
void LoadPlateModel(chart::PlateModel& model, chart::PlateParts parts,
                    const chart::RingCounters& counters);

// Writes into the main window every box, label and position of the given
// parts where model differs from loaded (what the window showed), and stores
// model's counters in `counters`.
void StorePlateModel(const chart::PlateModel& model, const chart::PlateModel& loaded,
                     chart::PlateParts parts, chart::RingCounters& counters);

// A model (and, for kCentreMarkersPart and kStarBoxesPart, the centre
// markers) loaded from the window and the counters on construction; Commit
// writes back what changed since the load or the previous Commit.
class PlateSession {
 public:
  PlateSession(chart::PlateParts parts, chart::RingCounters& counters);

  chart::PlateModel& model() { return model_; }
  const chart::PlateModel& model() const { return model_; }
  chart::PlateParts parts() const { return parts_; }
  CentreMarkers& markers() { return markers_; }

  void Commit();

 private:
  chart::PlateParts parts_;
  chart::RingCounters& counters_;
  chart::PlateModel model_;
  chart::PlateModel shown_;  // what the window shows
  CentreMarkers markers_;
  CentreMarkers shown_markers_;
};

// Runs one ring operation on the window with the given counters: load its
// parts, run, write back.
void RunRingOpOnWindow(chart::RingOp op, chart::RingCounters& counters);

}  // namespace veltrane::ui
