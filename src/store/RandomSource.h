#pragma once
// The program's one source of random numbers. Seeded from the clock at first
// use unless a test has seeded it.
#include <cstdint>

// A uniformly random number in 0 .. n - 1; 0 when n is below 1.
std::int32_t RandomInt(std::int32_t n);

// Makes the following numbers repeatable.
void SeedRandom(std::uint64_t seed);
