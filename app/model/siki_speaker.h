#pragma once
// Reads lines of the calculation screen aloud: the reading of the line, made speakable, at
// the rate and volume of the settings, through a Voice. When the voice cannot speak, the
// status bar says so once and the readings of typing go on without a sound; a line asked
// for is answered with the notice every time.
#include <string_view>

#include "app/model/calc_settings.h"
#include "app/model/calc_view.h"
#include "app/model/voice.h"
#include "core/message_sink.h"

namespace ravlo {

inline constexpr std::string_view kNoSpeechEngineText =
    "◆音声エンジン(espeak-ng)を起動できないので、読み上げは行いません。";
inline constexpr std::string_view kNoAudioOutputText =
    "◆音声を出力できる装置が見つからないので、読み上げは行いません。";

// The voice's rate for the rate setting HAYASA (1 … 10): round(HAYASA × 0.5).
int speechRate(int hayasa);

class SikiSpeaker final : public CalcVoice {
 public:
  SikiSpeaker(const CalcSettings& settings, MessageSink& sink, Voice& voice)
      : settings_(settings), sink_(sink), voice_(voice) {}

  void SikiSpeak(std::string_view text, bool whole) override;
  void speakOnRequest(std::string_view text) override;

  // Whether a failure has been reported (and read-outs go on silently).
  bool failureReported() const { return failureReported_; }

 private:
  void say(std::string_view text, bool whole, bool requested);

  const CalcSettings& settings_;
  MessageSink& sink_;
  Voice& voice_;
  bool failureReported_ = false;
};

}  // namespace ravlo
