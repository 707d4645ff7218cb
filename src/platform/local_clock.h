// The system's local wall clock, for platforms and tools that read it.
#pragma once

#include "platform/platform.h"

namespace veltrane::platform {

// The current local time of the system's clock and time zone, to the millisecond.
LocalTime ReadLocalClock();

}  // namespace veltrane::platform
