// How many terminal columns a UTF-8 text takes: East Asian wide and full-width
// characters two, others one; the ambiguous ones (box drawing, ○) two where
// the text is read in a Chinese setting, one elsewhere.
#pragma once

#include <string_view>

namespace veltrane::views {

// Whether East Asian ambiguous characters count as wide.
enum class Ambiguous { kNarrow, kWide };

// Returns the display width of a UTF-8 text; a byte that starts no valid
// sequence counts as one column and is stepped over alone.
int DisplayWidth(std::string_view text, Ambiguous ambiguous);

}  // namespace veltrane::views
