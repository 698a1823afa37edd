#include "core/message_sink.h"

namespace ravlo {

BoxAnswer defaultAnswer(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::YesNo:
    case BoxButtons::YesNoCancel:
      return BoxAnswer::Yes;
    case BoxButtons::Ok:
    case BoxButtons::OkCancel:
      break;
  }
  return BoxAnswer::Ok;
}

BoxAnswer NullSink::box(std::string_view, std::string_view, BoxButtons buttons, BoxIcon) {
  return defaultAnswer(buttons);
}

BoxAnswer RecordingSink::box(std::string_view caption, std::string_view text,
                             BoxButtons buttons, BoxIcon) {
  entries_.push_back({Kind::Box, std::string(caption), std::string(text), 0, buttons});
  if (answers_.empty()) return defaultAnswer(buttons);
  BoxAnswer a = answers_.front();
  answers_.pop_front();
  return a;
}

void RecordingSink::status(std::string_view text) {
  entries_.push_back({Kind::Status, "", std::string(text), 0, BoxButtons::Ok});
}

void RecordingSink::smallMessage(std::string_view text, std::string_view caption,
                                 int displayMs) {
  entries_.push_back(
      {Kind::Small, std::string(caption), std::string(text), displayMs, BoxButtons::Ok});
}

void RecordingSink::beep() { entries_.push_back({Kind::Beep, "", "", 0, BoxButtons::Ok}); }

bool RecordingSink::interruptRequested() {
  ++polls_;
  if (interruptAfter_ < 0) return false;
  if (interruptAfter_ == 0) return true;
  --interruptAfter_;
  return false;
}

std::vector<RecordingSink::Entry> RecordingSink::boxes() const {
  std::vector<Entry> out;
  for (const auto& e : entries_)
    if (e.kind == Kind::Box) out.push_back(e);
  return out;
}

std::string RecordingSink::lastStatus() const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
    if (it->kind == Kind::Status) return it->text;
  return "";
}

}  // namespace ravlo
