#pragma once
// A small deterministic generator (SplitMix64): the same seed gives the same sample
// everywhere, unlike the std distributions whose output differs between libraries.
#include <cstdint>

class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // [0, 1)
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // [lo, hi] inclusive
    int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }
    bool chance(double p) { return uniform() < p; }
    template <typename List> const auto& pick(const List& list) { return list[range(0, int(list.size()) - 1)]; }

private:
    std::uint64_t m_state;
};
