#include "app/voice/alsa_output.h"

#include <alsa/asoundlib.h>

#include <cstdarg>

namespace ravlo {
namespace {

// A missing sound card is reported once in the status bar; ALSA's own lines on stderr
// would only repeat it for every utterance.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

constexpr unsigned kLatencyMicroseconds = 200000;

}  // namespace

AlsaOutput::AlsaOutput() { snd_lib_error_set_handler(&quietAlsa); }

bool AlsaOutput::play(const PcmBuffer& pcm) {
  if (pcm.sampleRate <= 0) return false;
  snd_pcm_t* handle = nullptr;
  // Non-blocking open: a device held by another program answers at once instead of waiting.
  if (snd_pcm_open(&handle, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
    return false;
  }
  bool ok = snd_pcm_nonblock(handle, 0) == 0 &&
            snd_pcm_set_params(handle, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                               static_cast<unsigned>(pcm.sampleRate), 1,
                               kLatencyMicroseconds) == 0;
  const int16_t* data = pcm.samples.data();
  auto left = static_cast<snd_pcm_uframes_t>(pcm.samples.size());
  while (ok && left > 0) {
    snd_pcm_sframes_t written = snd_pcm_writei(handle, data, left);
    if (written < 0) written = snd_pcm_recover(handle, static_cast<int>(written), 1);
    if (written < 0) {
      ok = false;
    } else {
      data += written;
      left -= static_cast<snd_pcm_uframes_t>(written);
    }
  }
  if (ok) snd_pcm_drain(handle);
  snd_pcm_close(handle);
  return ok;
}

}  // namespace ravlo
