#pragma once
// What the engine tells the page, in the order it happened: boxes, status texts, the small
// message window, beeps, lines to be spoken, and the windows the page is to open. The page drains the queue after each call
// and shows them. A box cannot wait for the page's answer, so it takes its first button,
// as the desktop's boxes default.
#include <string>
#include <string_view>
#include <vector>

#include "app/model/voice.h"
#include "core/message_sink.h"

namespace ravlo {

struct WebMessage {
  enum class Kind { Box, Status, Small, Beep, Speak, Window };
  Kind kind = Kind::Status;
  std::string caption;
  std::string text;     // Window: the command's name
  int number = 0;      // Small: display time in ms; Speak: rate; Box: the buttons
  int volume = 0;      // Speak
};

class MessageQueue final : public MessageSink, public Voice {
 public:
  BoxAnswer box(std::string_view caption, std::string_view text, BoxButtons buttons,
                BoxIcon icon) override;
  void status(std::string_view text) override;
  void smallMessage(std::string_view text, std::string_view caption, int displayMs) override;
  void beep() override;
  bool interruptRequested() override { return false; }

  // The speaking half: kana for the page's speech synthesis.
  void setRate(int rate) override { rate_ = rate; }
  void setVolume(int volume) override { volume_ = volume; }
  VoiceResult speak(std::string_view text) override;

  // A command that opens a window of the page (settings, notebook, ...), by its name.
  void window(std::string_view command);

  std::vector<WebMessage> take();

 private:
  std::vector<WebMessage> queue_;
  int rate_ = 0;
  int volume_ = 100;
};

}  // namespace ravlo
