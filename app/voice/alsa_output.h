#pragma once
// Plays speech on the default ALSA device. The device is opened for each utterance, so
// headphones plugged in later are found, and a machine without sound says no at once.
#include "app/voice/audio_output.h"

namespace ravlo {

class AlsaOutput final : public AudioOutput {
 public:
  AlsaOutput();
  bool play(const PcmBuffer& pcm) override;
};

}  // namespace ravlo
