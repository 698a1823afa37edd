#include "app/window_voice.h"

#include <QObject>
#include <QTimer>
#include <string>

#include "app/voice/espeak_voice.h"

namespace ravlo {
namespace {

std::unique_ptr<Voice> voiceUnlessGiven(Voice* given) {
  if (given) return nullptr;
  return std::make_unique<EspeakVoice>();
}

}  // namespace

void LaterStatusSink::status(std::string_view text) {
  QTimer::singleShot(0, context_, [sink = &sink_, shown = std::string(text)] { sink->status(shown); });
}

WindowVoice::WindowVoice(const CalcSettings& settings, MessageSink& sink, QObject* context,
                         Voice* voice, std::function<void()> beforeSpeaking)
    : ownVoice_(voiceUnlessGiven(voice)),
      notices_(sink, context),
      speaker_(settings, notices_, voice ? *voice : *ownVoice_),
      beforeSpeaking_(std::move(beforeSpeaking)) {}

WindowVoice::~WindowVoice() = default;

void WindowVoice::SikiSpeak(std::string_view text, bool whole) {
  // Speech holds the event loop until it ends: paint what is pending now, not afterwards.
  if (beforeSpeaking_) beforeSpeaking_();
  speaker_.SikiSpeak(text, whole);
}

void WindowVoice::speakOnRequest(std::string_view text) {
  if (beforeSpeaking_) beforeSpeaking_();
  speaker_.speakOnRequest(text);
}

}  // namespace ravlo
