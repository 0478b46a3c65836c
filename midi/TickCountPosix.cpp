// The millisecond tick count on Linux, for the native build of the portable core.
#include "TickCount.h"

#include <chrono>

std::uint32_t MillisecondTickCount()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}
