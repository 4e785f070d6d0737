#include "foundation/random.h"

namespace {

std::uint32_t state = 1;

} // namespace

void SeedRandom(std::uint32_t seed) { state = seed; }

std::uint32_t RandomState() { return state; }

int Rand() {
  state = state * 22695477u + 1u;
  return static_cast<int>((state >> 16) & 0x7fffu);
}
