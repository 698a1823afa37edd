#include "app/model/siki_speaker.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/model/siki_reading.h"
#include "app/model/speakable_kana.h"

namespace ravlo {

int speechRate(int hayasa) {
  const int rate = static_cast<int>(std::lround(hayasa * 0.5));
  return std::clamp(rate, kMinVoiceRate, kMaxVoiceRate);
}

void SikiSpeaker::SikiSpeak(std::string_view text, bool whole) { say(text, whole, false); }

void SikiSpeaker::speakOnRequest(std::string_view text) { say(text, true, true); }

void SikiSpeaker::say(std::string_view text, bool whole, bool requested) {
  const std::string reading = SikiSpeakText(text, whole);
  if (reading.empty()) return;
  const std::string kana = SpeakableKana(reading);
  if (kana.empty()) return;
  voice_.setRate(speechRate(settings_.HAYASA));
  voice_.setVolume(std::clamp(settings_.OOKISA, 0, 100));
  const VoiceResult result = voice_.speak(kana);
  if (result == VoiceResult::Spoken || (failureReported_ && !requested)) return;
  failureReported_ = true;
  sink_.status(result == VoiceResult::NoEngine ? kNoSpeechEngineText : kNoAudioOutputText);
}

}  // namespace ravlo
