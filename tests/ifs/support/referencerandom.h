#pragma once

#include <cstdint>

// The generator's formula written out independently, so tests can say which
// values an algorithm must have drawn, and in which order.
class ReferenceRandom {
public:
  explicit ReferenceRandom(std::uint32_t seed) : state_(seed) {}

  int Next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
  }
  double NextUnit() { return Next() / 32767.0; }
  void Skip(int count) {
    for (int i = 0; i < count; ++i)
      Next();
  }

private:
  std::uint32_t state_;
};

// The first seed from `start` on whose first draw satisfies `wanted`.
template <typename Predicate>
std::uint32_t SeedWhereFirstDraw(Predicate wanted, std::uint32_t start = 1) {
  for (std::uint32_t seed = start;; ++seed)
    if (wanted(ReferenceRandom(seed).Next()))
      return seed;
}
