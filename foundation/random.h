#pragma once

#include <cstdint>

// The program's one random generator: the classic 15-bit linear congruential
// generator, kept here so every platform draws the same sequence for a seed.
constexpr int kRandomMax = 32767;

void SeedRandom(std::uint32_t seed);

// The whole state, as SeedRandom takes it: seeding with it later repeats
// every draw from here on.
std::uint32_t RandomState();

// Next value, 0 to kRandomMax.
int Rand();

// A fresh value scaled to [0, 1], both ends possible.
inline double RandUnit() { return static_cast<double>(Rand()) / kRandomMax; }
