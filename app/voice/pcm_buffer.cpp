#include "app/voice/pcm_buffer.h"

#include <cmath>

namespace ravlo {

double PcmBuffer::seconds() const {
  if (sampleRate <= 0) return 0.0;
  return static_cast<double>(samples.size()) / sampleRate;
}

double PcmBuffer::rms() const {
  if (samples.empty()) return 0.0;
  double sum = 0.0;
  for (int16_t s : samples) {
    const double v = s / 32768.0;
    sum += v * v;
  }
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

}  // namespace ravlo
