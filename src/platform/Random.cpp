#include "platform/Random.h"

#include <chrono>
#include <cmath>

namespace {

std::uint32_t& Seed()
{
    static std::uint32_t seed = 0;
    return seed;
}

// A 32-bit linear congruential step; unsigned arithmetic wraps by definition.
std::uint32_t NextSeed()
{
    Seed() = Seed() * 134775813u + 1u;
    return Seed();
}

} // namespace

void Randomize()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    const auto bits = static_cast<std::uint64_t>(ticks);
    Seed() = static_cast<std::uint32_t>(bits ^ (bits >> 32));
}

void RandSeed(std::uint32_t seed)
{
    Seed() = seed;
}

std::uint32_t CurrentRandSeed()
{
    return Seed();
}

int Random(int range)
{
    if (range <= 0)
        return 0;
    return static_cast<int>((static_cast<std::uint64_t>(NextSeed()) * static_cast<std::uint64_t>(range)) >> 32);
}

double RandomFloat()
{
    return NextSeed() / 4294967296.0;
}

double RandG(double mean, double stdDev)
{
    // Marsaglia's polar method: a point drawn uniformly inside the unit circle
    // gives one normal deviate; the second it could give is not kept, so the
    // sequence depends on the seed alone.
    double u = 0;
    double s = 0;
    do {
        u = 2 * RandomFloat() - 1;
        const double v = 2 * RandomFloat() - 1;
        s = u * u + v * v;
    } while (s >= 1 || s == 0);
    return mean + stdDev * u * std::sqrt(-2 * std::log(s) / s);
}
