#include "app/voice/espeak_voice.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/voice/alsa_output.h"
#include "app/voice/wav_file.h"

namespace ravlo {
namespace {

// Collects the samples of one synthesis into the buffer passed as user data.
int collectSamples(short* wav, int count, espeak_EVENT* events) {
  if (wav == nullptr || count <= 0 || events == nullptr || events->user_data == nullptr) return 0;
  auto* pcm = static_cast<PcmBuffer*>(events->user_data);
  pcm->samples.insert(pcm->samples.end(), wav, wav + count);
  return 0;
}

}  // namespace

EspeakVoice::EspeakVoice()
    : ownOutput_(std::make_unique<AlsaOutput>()), output_(ownOutput_.get()) {}

EspeakVoice::EspeakVoice(AudioOutput& output) : output_(&output) {}

EspeakVoice::~EspeakVoice() = default;

int EspeakVoice::wordsPerMinute(int rate) {
  // The settings' rate counts like the Windows speech rate it was made for: each step is a
  // tenth of a power of three, so 10 is three times and -10 a third of the normal speed.
  // Normal is espeak-ng's own 175 words per minute; the ends are its limits, 80 and 450.
  const int r = std::clamp(rate, kMinVoiceRate, kMaxVoiceRate);
  const double wpm = espeakRATE_NORMAL * std::pow(3.0, r / 10.0);
  return std::clamp(static_cast<int>(std::lround(wpm)), espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
}

bool EspeakVoice::engineReady() {
  // espeak-ng keeps its engine inside the library, and once stopped it cannot be started
  // again (espeak_ng_Terminate then waits forever on its own thread). So it is started once
  // for the whole run and left running; every voice shares it. The flag never changes after.
  static const bool ready = [] {
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    if (espeak_ng_Initialize(&context) != ENS_OK) {
      espeak_ng_ClearErrorContext(&context);
      return false;
    }
    // Synchronous output: espeak_Synth returns when every sample has gone to the callback.
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK ||
        espeak_ng_SetVoiceByName(kEspeakVoiceName) != ENS_OK) {
      return false;
    }
    espeak_SetSynthCallback(&collectSamples);
    return true;
  }();
  return ready;
}

std::optional<PcmBuffer> EspeakVoice::synthesize(std::string_view text) {
  if (!engineReady()) return std::nullopt;
  PcmBuffer pcm;
  pcm.sampleRate = espeak_ng_GetSampleRate();
  if (text.empty()) return pcm;
  espeak_SetParameter(espeakRATE, wordsPerMinute(rate_), 0);
  // The settings' 100 is espeak-ng's normal volume.
  espeak_SetParameter(espeakVOLUME, std::clamp(volume_, 0, 100), 0);
  const std::string utf8(text);
  if (espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                   &pcm) != EE_OK) {
    return std::nullopt;
  }
  return pcm;
}

VoiceResult EspeakVoice::speak(std::string_view text) {
  const std::optional<PcmBuffer> pcm = synthesize(text);
  if (!pcm) return VoiceResult::NoEngine;
  if (pcm->samples.empty()) return VoiceResult::Spoken;
  return output_->play(*pcm) ? VoiceResult::Spoken : VoiceResult::NoAudio;
}

bool EspeakVoice::writeWav(std::string_view text, const std::filesystem::path& file) {
  const std::optional<PcmBuffer> pcm = synthesize(text);
  return pcm && ravlo::writeWav(file, *pcm);
}

}  // namespace ravlo
