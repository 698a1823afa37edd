#pragma once
// A sink for the command line: every box or small-window notice becomes one record
// "【caption】text" on the stream (line breaks written as the two characters \n),
// every status text "[status] text". Boxes take their default answer.
#include <ostream>

#include "core/message_sink.h"

namespace ravlo {

class StreamSink final : public MessageSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  BoxAnswer box(std::string_view caption, std::string_view text, BoxButtons buttons,
                BoxIcon icon) override;
  void status(std::string_view text) override;
  void smallMessage(std::string_view text, std::string_view caption, int displayMs) override;
  void beep() override {}
  bool interruptRequested() override { return false; }

 private:
  void record(std::string_view caption, std::string_view text);
  std::ostream& out_;
};

// The one-line form of a message text: each line break becomes the two characters "\n".
std::string escapeLineBreaks(std::string_view text);

}  // namespace ravlo
