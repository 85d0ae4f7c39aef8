#include "store/RandomSource.h"

#include <chrono>
#include <random>

namespace {

std::mt19937_64& Generator()
{
    static std::mt19937_64 generator(static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return generator;
}

}  // namespace

std::int32_t RandomInt(std::int32_t n)
{
    if (n < 1)
        return 0;
    std::uniform_int_distribution<std::int32_t> distribution(0, n - 1);
    return distribution(Generator());
}

void SeedRandom(std::uint64_t seed)
{
    Generator().seed(seed);
}
