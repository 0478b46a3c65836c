// The random values of a randomize pass: a small generator, seeded once per process.
#include "RandomSource.h"

#include "TickCount.h"

#include <algorithm>

bool FirstDraw = true;

namespace {
std::uint32_t generatorState = 1;
}

void SeedGenerator(std::uint32_t seed)
{
    generatorState = seed;
}

int NextDraw()
{
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFFu);
}

int RandomInRange(int bound1, int bound2)
{
    if (FirstDraw) {
        SeedGenerator(MillisecondTickCount());
        FirstDraw = false;
    }
    const int low = std::min(bound1, bound2);
    const int high = std::max(bound1, bound2);
    // A plain remainder: its slight bias over 32,768 draws is far below what an ear hears.
    return low + NextDraw() % (high - low + 1);
}
