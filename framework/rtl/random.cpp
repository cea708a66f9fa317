// The linear congruential generator behind Random: seed * 134775813 + 1 modulo 2^32, the
// high bits scaled to the requested range.
#include "framework/rtl/random.h"

#include <chrono>

namespace fw {

uint32_t RandSeed = 0;

namespace {

uint32_t Step() {
  RandSeed = RandSeed * 0x08088405u + 1u;
  return RandSeed;
}

}  // namespace

int Random(int range) {
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<uint64_t>(Step()) * static_cast<uint32_t>(range)) >> 32);
}

double Random() {
  return Step() * (1.0 / 4294967296.0);
}

int RandomRange(int from, int to) {
  if (from > to) return RandomRange(to, from);
  const int64_t span = static_cast<int64_t>(to) - from;
  if (span == 0) return from;
  const uint64_t draw = (static_cast<uint64_t>(Step()) * static_cast<uint64_t>(span)) >> 32;
  return static_cast<int>(from + static_cast<int64_t>(draw));
}

void Randomize() {
  static uint32_t calls = 0;
  const auto ticks = std::chrono::system_clock::now().time_since_epoch().count() ^
                     std::chrono::steady_clock::now().time_since_epoch().count();
  RandSeed =
      static_cast<uint32_t>(ticks) ^ static_cast<uint32_t>(ticks >> 32) ^ (++calls * 0x9E3779B9u);
}

}  // namespace fw
