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

class QObject;

namespace ravlo {

// Passes messages on, but shows status texts only once the key being handled is done:
// typing clears the status bar right after a token is spoken, which would wipe at once the
// one notice that the voice cannot speak.
class LaterStatusSink final : public MessageSink {
 public:
  // Texts still waiting when context goes are dropped.
  LaterStatusSink(MessageSink& sink, QObject* context) : sink_(sink), context_(context) {}
  BoxAnswer box(std::string_view caption, std::string_view text, BoxButtons buttons,
                BoxIcon icon) override {
    return sink_.box(caption, text, buttons, icon);
  }
  void status(std::string_view text) override;
  void smallMessage(std::string_view text, std::string_view caption, int displayMs) override {
    sink_.smallMessage(text, caption, displayMs);
  }
  void beep() override { sink_.beep(); }
  bool interruptRequested() override { return sink_.interruptRequested(); }

 private:
  MessageSink& sink_;
  QObject* context_;
};

class WindowVoice final : public CalcVoice {
 public:
  // voice null: espeak-ng's Japanese voice on the default sound device.
  // context: the window; the voice's notices go to its status bar through sink.
  WindowVoice(const CalcSettings& settings, MessageSink& sink, QObject* context, Voice* voice,
              std::function<void()> beforeSpeaking);
  ~WindowVoice() override;

  void SikiSpeak(std::string_view text, bool whole) override;
  void speakOnRequest(std::string_view text) override;

  const SikiSpeaker& speaker() const { return speaker_; }

 private:
  std::unique_ptr<Voice> ownVoice_;
  LaterStatusSink notices_;
  SikiSpeaker speaker_;
  std::function<void()> beforeSpeaking_;
};

}  // namespace ravlo
