#include "web/engine/message_queue.h"

#include <utility>

namespace ravlo {

BoxAnswer MessageQueue::box(std::string_view caption, std::string_view text, BoxButtons buttons,
                            BoxIcon) {
  queue_.push_back({WebMessage::Kind::Box, std::string(caption), std::string(text),
                    static_cast<int>(buttons), 0});
  return defaultAnswer(buttons);
}

void MessageQueue::status(std::string_view text) {
  queue_.push_back({WebMessage::Kind::Status, {}, std::string(text), 0, 0});
}

void MessageQueue::smallMessage(std::string_view text, std::string_view caption, int displayMs) {
  queue_.push_back({WebMessage::Kind::Small, std::string(caption), std::string(text), displayMs, 0});
}

void MessageQueue::beep() { queue_.push_back({WebMessage::Kind::Beep, {}, {}, 0, 0}); }

VoiceResult MessageQueue::speak(std::string_view text) {
  queue_.push_back({WebMessage::Kind::Speak, {}, std::string(text), rate_, volume_});
  return VoiceResult::Spoken;
}

void MessageQueue::window(std::string_view command) {
  queue_.push_back({WebMessage::Kind::Window, {}, std::string(command), 0, 0});
}

std::vector<WebMessage> MessageQueue::take() { return std::exchange(queue_, {}); }

}  // namespace ravlo
