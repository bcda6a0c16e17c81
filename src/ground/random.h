#pragma once
// The program-wide pseudo-random generator: a 32-bit linear congruential
// sequence. One instance is owned by whoever runs the program (the window
// or the command-line renderer) and handed to the code that draws from it.

#include <cstdint>

namespace corvessa {

class RandomGenerator {
public:
    explicit RandomGenerator(uint32_t seed = 0) : seed_(seed) {}

    uint32_t Seed() const { return seed_; }
    void SetSeed(uint32_t seed) { seed_ = seed; }
    // Seeds from the clock: ((hour*60 + minute)*60 + second)*1000 + ms, UTC.
    void Randomize();

    // Advances the seed, then returns a uniform integer 0 .. n-1 (0 for n = 0):
    // the upper 32 bits of seed * n.
    uint32_t Random(uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return uint32_t((uint64_t(seed_) * n) >> 32);
    }

private:
    uint32_t seed_;
};

}  // namespace corvessa
