#pragma once
// Synthesized speech: 16-bit mono samples at one rate.
#include <cstdint>
#include <vector>

namespace ravlo {

struct PcmBuffer {
  std::vector<int16_t> samples;
  int sampleRate = 0;

  double seconds() const;
  // Root mean square of the samples as a fraction of full scale (0 … 1); 0 when empty.
  double rms() const;
};

}  // namespace ravlo
