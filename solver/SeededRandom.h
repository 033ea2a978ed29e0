// The random source of the exercise generators. The same seed gives the same sequence on every
// machine and with every standard library (the standard distributions do not promise that), so a
// paper can be made again from its seed.
#pragma once

#include <cstdint>

namespace qimbel {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    // The next 64 random bits (SplitMix64).
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from low to high, both included; low when high < low. Rejection keeps every
    // value equally likely and ends after a few draws at most on average.
    long long Between(long long low, long long high)
    {
        if (high <= low)
            return low;
        const std::uint64_t span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
        if (span == 0) // the whole 64-bit range
            return static_cast<long long>(Next());
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
        std::uint64_t draw = Next();
        while (draw >= limit)
            draw = Next();
        return static_cast<long long>(static_cast<std::uint64_t>(low) + draw % span);
    }

    // True with the chance numerator/denominator.
    bool Chance(int numerator, int denominator) { return Between(1, denominator) <= numerator; }

private:
    std::uint64_t state_;
};

} // namespace qimbel
