// Pseudo-random numbers as the platform draws them: one global seed that tests set for
// reproducible sequences, a linear congruential step, Random(n), Random() and Randomize.
#pragma once

#include <cstdint>

namespace fw {

// The generator's whole state; set it to repeat a sequence.
extern uint32_t RandSeed;

// 0 <= result < range; 0 when range <= 0.
int Random(int range);
// 0 <= result < 1.
double Random();
// from <= result < to (the arguments may come in either order; equal gives from).
int RandomRange(int from, int to);
// Seeds from the clock, so each run differs.
void Randomize();

}  // namespace fw
