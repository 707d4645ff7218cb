// Field-by-field comparison of the engine's charts and plate model with the
// literal reference plotting.
#pragma once

#include <string>

#include "chart/plate_model.h"
#include "chart/plot_chart.h"
#include "plot_reference.h"
#include "ui/centre_markers.h"

namespace veltrane::chart::reference {

// Names every field in which the engine's chart differs from the reference's,
// with both values ("" when they agree).
std::string ChartDifferences(const chart::Chart& engine, const Chart& ref);

// Names every text of the window (pillars, term, juText, xun and duty) in
// which the engine's chart differs from the reference's ("" when they agree).
std::string TextDifferences(const chart::Chart& engine, const Chart& ref);

// Names every box, counter, counter label and centre marker in which the plate
// model and the window's markers, placed as a plotting leaves them, differ
// from the reference boxes ("" when they agree).
std::string BoxDifferences(const PlateModel& model, ui::CentreMarkers& markers, const Boxes& boxes);

// Places the eight star boxes of both at the same, distinct positions.
void PlaceStarBoxes(ui::CentreMarkers& markers, Boxes& boxes);

}  // namespace veltrane::chart::reference
