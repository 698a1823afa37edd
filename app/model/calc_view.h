#pragma once
// How the calculation state reaches the world around it besides messages: the screen that
// shows it, the voice that reads it, and the windows and commands that its keys start.
// Every hook does nothing by default, so a state without a window works as it is.
#include <string_view>

#include "app/model/key_table.h"

namespace ravlo {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

class CalcView {
 public:
  virtual ~CalcView() = default;
  // Draw the calculation screen again from the state.
  virtual void repaint() {}
  // Fill the block with the background colour: the cursor disappears.
  virtual void eraseCursor(const ScreenRect& /*block*/) {}
  // The caption of the input-string label ("&" already shown as "＆").
  virtual void showInputString(std::string_view /*caption*/) {}
  // The conversion buttons 帯T, 仮K and 小S.
  virtual void setAnswerButtons(bool /*taiEnabled*/, bool /*kaEnabled*/, bool /*syouEnabled*/) {}
  // The computed line goes onto the system clipboard.
  virtual void copyLine(std::string_view /*line*/) {}
};

class CalcVoice {
 public:
  virtual ~CalcVoice() = default;
  // Read a text aloud: whole = false for one typed token, true for a whole line.
  virtual void SikiSpeak(std::string_view /*text*/, bool /*whole*/) {}
  // A line the learner asked to hear (R, 読R, the menu): a voice that cannot speak says so
  // every time, not only the first.
  virtual void speakOnRequest(std::string_view text) { SikiSpeak(text, true); }
};

class CalcCommandHandler {
 public:
  virtual ~CalcCommandHandler() = default;
  // A command the calculation state does not carry out itself (see CalcCommand).
  virtual void run(CalcCommand /*command*/) {}
  // A constants box, substitution box or expression memo is open.
  virtual bool toolBoxOpen() const { return false; }
};

}  // namespace ravlo
