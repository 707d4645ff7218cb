// OnMainWindowCreated: fills the chart tables, writes the clock's date and
// hour into the date boxes and plots the first chart.
#pragma once

namespace veltrane::ui {

void OnMainWindowCreated();

// Writes the clock's year, month, day and hour (0..23) into the four date
// boxes, all from one reading of the clock.
void WriteClockIntoDateBoxes();

}  // namespace veltrane::ui
