// The random values of a randomize pass: a small generator, seeded once per process.
#pragma once

#include <cstdint>

// True until the first draw of the process has seeded the generator from the tick count.
extern bool FirstDraw;

// Replaces the generator's state (1 at process start) with `seed`.
void SeedGenerator(std::uint32_t seed);

// One step of the generator: state = state * 214013 + 2531011 (mod 2^32); the draw is
// bits 16..30 of the new state, 0..32767.
int NextDraw();

// A value from the inclusive range between `bound1` and `bound2` (0..255, in either
// order), from exactly one draw; seeds the generator first when FirstDraw is set.
int RandomInRange(int bound1, int bound2);
