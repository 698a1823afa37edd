#pragma once
// Where synthesized speech is played.
#include "app/voice/pcm_buffer.h"

namespace ravlo {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Plays the buffer to its end; false when no sound output could be opened.
  virtual bool play(const PcmBuffer& pcm) = 0;
};

}  // namespace ravlo
