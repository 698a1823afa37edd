#pragma once
// The main window's voice: lines read with espeak-ng (or a voice a test hands in), the
// screen brought up to date first so that the learner sees what is being read.
#include <functional>
#include <memory>
#include <string_view>

#include "app/model/calc_settings.h"
#include "app/model/calc_view.h"
#include "app/model/siki_speaker.h"
#include "app/model/voice.h"
#include "core/message_sink.h"

namespace ravlo {

class WindowVoice final : public CalcVoice {
 public:
  // voice null: espeak-ng's Japanese voice on the default sound device.
  WindowVoice(const CalcSettings& settings, MessageSink& sink, Voice* voice,
              std::function<void()> beforeSpeaking);
  ~WindowVoice() override;

  void SikiSpeak(std::string_view text, bool whole) override;

  const SikiSpeaker& speaker() const { return speaker_; }

 private:
  std::unique_ptr<Voice> ownVoice_;
  SikiSpeaker speaker_;
  std::function<void()> beforeSpeaking_;
};

}  // namespace ravlo
