// The system's millisecond tick count, which seeds the random values.
#pragma once

#include <cstdint>

// Milliseconds since the system started, wrapping at 2^32 (GetTickCount on Windows).
std::uint32_t MillisecondTickCount();
