#include "generate/gen_rng.h"

namespace ravlo {
namespace {

uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

uint64_t SplitMix64(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

GenRng::GenRng(uint64_t seed) {
  for (uint64_t& s : s_) s = SplitMix64(seed);
}

uint64_t GenRng::next() {
  const uint64_t result = rotl(s_[1] * 5, 7) * 9;
  const uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = rotl(s_[3], 45);
  return result;
}

int64_t GenRng::between(int64_t lo, int64_t hi) {
  if (hi <= lo) return lo;
  const uint64_t span = static_cast<uint64_t>(hi) - static_cast<uint64_t>(lo) + 1;
  if (span == 0) return static_cast<int64_t>(next());  // the whole 64-bit range
  // Values at or above the last whole multiple of span would favour the small remainders.
  const uint64_t limit = UINT64_MAX - UINT64_MAX % span;
  uint64_t v = next();
  while (v >= limit) v = next();
  return static_cast<int64_t>(static_cast<uint64_t>(lo) + v % span);
}

}  // namespace ravlo
