#include "app/window_voice.h"

#include "app/voice/espeak_voice.h"

namespace ravlo {
namespace {

std::unique_ptr<Voice> voiceUnlessGiven(Voice* given) {
  if (given) return nullptr;
  return std::make_unique<EspeakVoice>();
}

}  // namespace

WindowVoice::WindowVoice(const CalcSettings& settings, MessageSink& sink, Voice* voice,
                         std::function<void()> beforeSpeaking)
    : ownVoice_(voiceUnlessGiven(voice)),
      speaker_(settings, sink, voice ? *voice : *ownVoice_),
      beforeSpeaking_(std::move(beforeSpeaking)) {}

WindowVoice::~WindowVoice() = default;

void WindowVoice::SikiSpeak(std::string_view text, bool whole) {
  // Speech holds the event loop until it ends: paint what is pending now, not afterwards.
  if (beforeSpeaking_) beforeSpeaking_();
  speaker_.SikiSpeak(text, whole);
}

}  // namespace ravlo
