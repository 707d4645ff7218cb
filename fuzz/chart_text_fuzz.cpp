// Feeds arbitrary bytes to the text table as the texts of a view: the copy
// handler formats what the window's boxes hold, and any box may hold any
// bytes. The input is cut at zero bytes into the palaces' fields, the centre
// text and the centre star. Checks: every script formats it, without reading
// out of bounds (the sanitizers watch) and without an empty result.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "views/chart_text.h"

using namespace veltrane;

namespace {

std::vector<std::string> Fields(std::string_view bytes) {
  std::vector<std::string> fields;
  for (std::size_t pos = 0; pos <= bytes.size();) {
    const std::size_t end = std::min(bytes.find('\0', pos), bytes.size());
    fields.emplace_back(bytes.substr(pos, end - pos));
    pos = end + 1;
  }
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = Fields({reinterpret_cast<const char*>(data), size});
  std::size_t next = 0;
  const auto field = [&]() -> std::string { return next < fields.size() ? fields[next++] : ""; };
  views::ChartView view;
  for (views::PalaceView& p : view.palaces) {
    for (std::string* f :
         {&p.hidden, &p.deity, &p.star, &p.heaven, &p.gate, &p.counter_deity, &p.earth}) {
      *f = field();
    }
  }
  view.centre = field();
  view.centre_star = field();
  view.void_palaces = {static_cast<int>(size % 10), static_cast<int>(size % 7)};
  view.horse_palace = static_cast<int>(size % 9);
  for (const chart::Script script : chart::kScripts) {
    const std::string text = views::FormatChartText(view, script);
    if (text.empty()) std::abort();
  }
  return 0;
}
