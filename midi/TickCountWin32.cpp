// The millisecond tick count on Windows.
#include "TickCount.h"

#include <windows.h>

std::uint32_t MillisecondTickCount()
{
    return GetTickCount();
}
