#pragma once
// The generator's own random numbers: xoshiro256** seeded through SplitMix64, and an integer
// range by rejection. Standard distributions differ between libraries; these give the same
// sheet from the same seed on every platform.
#include <cstdint>

namespace ravlo {

// One SplitMix64 step: advances state and returns the mixed value.
uint64_t SplitMix64(uint64_t& state);

class GenRng {
 public:
  explicit GenRng(uint64_t seed);
  uint64_t next();
  // A number in [lo, hi], every value equally likely; lo when hi < lo.
  int64_t between(int64_t lo, int64_t hi);
  bool coin() { return (next() >> 63) != 0; }

 private:
  uint64_t s_[4];
};

}  // namespace ravlo
