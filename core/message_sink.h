#pragma once
// Every message box, status text and small-window notice of the engine goes through one
// injected sink, so the engine never opens a window itself.
#include <string>
#include <string_view>
#include <vector>
#include <deque>

namespace ravlo {

enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };
enum class BoxIcon { None, Information, Warning, Error, Question };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal box; returns the button that closed it.
  virtual BoxAnswer box(std::string_view caption, std::string_view text,
                        BoxButtons buttons = BoxButtons::Ok, BoxIcon icon = BoxIcon::None) = 0;
  // The main window's status bar.
  virtual void status(std::string_view text) = 0;
  // The small timed message window; text keeps its "$"/"@" form markers.
  virtual void smallMessage(std::string_view text, std::string_view caption, int displayMs) = 0;
  virtual void beep() = 0;
  // Long work polls this; true when the user has asked to stop (Escape or a click).
  virtual bool interruptRequested() = 0;
};

// Says nothing, answers every box with its first button.
class NullSink final : public MessageSink {
 public:
  BoxAnswer box(std::string_view, std::string_view, BoxButtons buttons, BoxIcon) override;
  void status(std::string_view) override {}
  void smallMessage(std::string_view, std::string_view, int) override {}
  void beep() override {}
  bool interruptRequested() override { return false; }
};

// Keeps every message for tests; box answers can be scripted in advance.
class RecordingSink final : public MessageSink {
 public:
  enum class Kind { Box, Status, Small, Beep };
  struct Entry {
    Kind kind;
    std::string caption;
    std::string text;
    int displayMs = 0;
    BoxButtons buttons = BoxButtons::Ok;
  };

  BoxAnswer box(std::string_view caption, std::string_view text, BoxButtons buttons,
                BoxIcon icon) override;
  void status(std::string_view text) override;
  void smallMessage(std::string_view text, std::string_view caption, int displayMs) override;
  void beep() override;
  bool interruptRequested() override;

  void scriptAnswer(BoxAnswer answer) { answers_.push_back(answer); }
  // The next `polls` calls of interruptRequested() say false, the one after says true.
  void interruptAfter(int polls) { interruptAfter_ = polls; }

  const std::vector<Entry>& entries() const { return entries_; }
  std::vector<Entry> boxes() const;
  // The last status text, or "" when none was shown.
  std::string lastStatus() const;
  bool empty() const { return entries_.empty(); }
  void clear() { entries_.clear(); }
  int pollCount() const { return polls_; }

 private:
  std::vector<Entry> entries_;
  std::deque<BoxAnswer> answers_;
  int interruptAfter_ = -1;
  int polls_ = 0;
};

// The first (default) answer of a set of buttons.
BoxAnswer defaultAnswer(BoxButtons buttons);

}  // namespace ravlo
