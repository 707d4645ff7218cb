#include "ui/plate_binding.h"

#include <array>
#include <cstddef>

#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

using chart::PlateModel;
using chart::PlateParts;

// A family of plate boxes and the model's selections that mirror it.
template <std::size_t N>
struct BoxFamily {
  PlateParts part;
  const std::array<ControlId, N>* boxes;
  std::array<std::int32_t, N> PlateModel::*selections;
};

constexpr BoxFamily<9> kStemFamilies[] = {
    {chart::kEarthPart, &kEarthStemBoxes, &PlateModel::earth},
    {chart::kHeavenPart, &kHeavenStemBoxes, &PlateModel::heaven},
    {chart::kHiddenPart, &kHiddenStemBoxes, &PlateModel::hidden},
};
constexpr BoxFamily<8> kRingFamilies[] = {
    {chart::kStarPart, &kStarBoxes, &PlateModel::stars},
    {chart::kGatePart, &kGateBoxes, &PlateModel::gates},
    {chart::kDeityPart, &kDeityBoxes, &PlateModel::deities},
    {chart::kCounterDeityPart, &kCounterDeityBoxes, &PlateModel::counter_deities},
};

// The part bit of counter label i (gate, star, deity, stems).
constexpr PlateParts CounterLabelPart(std::size_t i) { return chart::kGateLabelPart << i; }
static_assert(CounterLabelPart(3) == chart::kStemLabelPart);

// The markers PlaceCentreStem moves, with their places among the markers.
struct Marker {
  ControlId id;
  ControlPoint CentreMarkers::*position;
};
constexpr Marker kCentreMarkers[] = {
    {kCentreMarkerLabel, &CentreMarkers::marker},
    {kCentreStemBox, &CentreMarkers::stem},
};

// The arrangement number a counter label shows: its caption when that is one
// digit 1..9, else 0.
std::int32_t ReadLabelNumber(ControlId label) {
  const runtime::HeapText caption = runtime::ReadText(kMainWindow, label, runtime::kLabelCaption);
  const std::string_view text = caption.view();
  return text.size() == 1 && text[0] >= '1' && text[0] <= '9' ? text[0] - '0' : 0;
}

void WriteLabelNumber(ControlId label, std::int32_t number) {
  if (number < 1 || number > 9) return;  // only the steps write these, always 1..9
  const char text[2] = {static_cast<char>('0' + number), '\0'};
  runtime::WriteText(kMainWindow, label, runtime::kLabelCaption, text);
}

ControlPoint ReadPosition(ControlId id) {
  return {runtime::ReadInt(kMainWindow, id, runtime::kLeft),
          runtime::ReadInt(kMainWindow, id, runtime::kTop)};
}

template <std::size_t N>
void LoadFamily(PlateModel& m, const BoxFamily<N>& f) {
  for (std::size_t i = 0; i < N; ++i) {
    (m.*f.selections)[i] = runtime::ReadInt(kMainWindow, (*f.boxes)[i], runtime::kComboSelection);
  }
}

template <std::size_t N>
void StoreFamily(const PlateModel& m, const PlateModel& loaded, const BoxFamily<N>& f) {
  for (std::size_t i = 0; i < N; ++i) {
    const std::int32_t sel = (m.*f.selections)[i];
    if (sel != (loaded.*f.selections)[i]) {
      runtime::WriteInt(kMainWindow, (*f.boxes)[i], runtime::kComboSelection, sel);
    }
  }
}

}  // namespace

void LoadPlateModel(PlateModel& model, PlateParts parts, const chart::RingCounters& counters) {
  model.counters = counters;
  for (const auto& f : kStemFamilies) {
    if (parts & f.part) LoadFamily(model, f);
  }
  for (const auto& f : kRingFamilies) {
    if (parts & f.part) LoadFamily(model, f);
  }
  for (std::size_t i = 0; i < kCounterLabels.size(); ++i) {
    if (parts & CounterLabelPart(i)) model.counter_labels[i] = ReadLabelNumber(kCounterLabels[i]);
  }
}

namespace {

void LoadCentreMarkers(CentreMarkers& markers, PlateParts parts) {
  if (parts & kCentreMarkersPart) {
    for (const Marker& marker : kCentreMarkers) markers.*marker.position = ReadPosition(marker.id);
  }
  if (parts & kStarBoxesPart) {
    for (std::size_t k = 0; k < kStarBoxes.size(); ++k) {
      markers.star_boxes[k] = ReadPosition(kStarBoxes[k]);
    }
  }
}

}  // namespace

void StorePlateModel(const PlateModel& model, const PlateModel& loaded, PlateParts parts,
                     chart::RingCounters& counters) {
  for (const auto& f : kRingFamilies) {
    if (parts & f.part) StoreFamily(model, loaded, f);
  }
  for (const auto& f : kStemFamilies) {
    if (parts & f.part) StoreFamily(model, loaded, f);
  }
  for (std::size_t i = 0; i < kCounterLabels.size(); ++i) {
    if ((parts & CounterLabelPart(i)) && model.counter_labels[i] != loaded.counter_labels[i]) {
      WriteLabelNumber(kCounterLabels[i], model.counter_labels[i]);
    }
  }
  counters = model.counters;
}

namespace {

void StoreCentreMarkers(const CentreMarkers& markers, const CentreMarkers& loaded,
                        PlateParts parts) {
  if (!(parts & kCentreMarkersPart)) return;
  for (const Marker& marker : kCentreMarkers) {
    const ControlPoint now = markers.*marker.position;
    const ControlPoint before = loaded.*marker.position;
    if (now.left != before.left)
      runtime::WriteInt(kMainWindow, marker.id, runtime::kLeft, now.left);
    if (now.top != before.top) runtime::WriteInt(kMainWindow, marker.id, runtime::kTop, now.top);
  }
}

}  // namespace

PlateSession::PlateSession(PlateParts parts, chart::RingCounters& counters)
    : parts_(parts), counters_(counters) {
  LoadPlateModel(model_, parts_, counters_);
  LoadCentreMarkers(markers_, parts_);
  shown_ = model_;
  shown_markers_ = markers_;
}

void PlateSession::Commit() {
  StorePlateModel(model_, shown_, parts_, counters_);
  StoreCentreMarkers(markers_, shown_markers_, parts_);
  shown_ = model_;
  shown_markers_ = markers_;
}

void RunRingOpOnWindow(chart::RingOp op, chart::RingCounters& counters) {
  const CentreOffsets* offsets = CentreOffsetsOf(op);
  const PlateParts centre = offsets != nullptr ? kCentreMarkersPart | kStarBoxesPart : 0;
  PlateSession session(chart::PartsOf(op) | centre, counters);
  chart::RunRingOp(session.model(), op);
  if (offsets != nullptr) PlaceCentreStem(session.model(), session.markers(), *offsets);
  session.Commit();
}

}  // namespace veltrane::ui
