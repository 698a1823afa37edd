#pragma once
// One calculation session of the web page: the settings, the message queue, the calculation
// state with its engines, wired as the desktop's main window wires them. The page forwards
// keys, typed characters, panel buttons and menu commands, and paints what paint() records.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/calc_settings.h"
#include "app/model/calc_state.h"
#include "app/model/siki_speaker.h"
#include "web/engine/fixed_pitch_canvas.h"
#include "web/engine/message_queue.h"
#include "web/engine/screen_state.h"

namespace ravlo {

class Calculator {
 public:
  // settingsFile: the bytes of a settings file; empty for the defaults of a first run.
  explicit Calculator(std::string_view settingsFile = {});
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // A key press on the calculation screen: a Japanese-keyboard virtual-key code.
  void key(int key, KeyMods mods);
  // A browser's key event: KeyboardEvent.key and its modifiers.
  void keyEvent(std::string_view domKey, KeyMods mods, bool numpad = false);
  // Each character as the key that prints it.
  void typeText(std::string_view text);
  // An input panel button by its name; false when there is none.
  bool button(std::string_view name);
  // A command of the key table by its name (commandName); false when there is none.
  bool command(std::string_view name);
  // The mouse wheel: each notch scrolls one line of text, down for positive counts.
  void wheel(int notches);

  const std::string& line() const { return state_.InpSiki; }
  // The reading of the whole line, as the voice is given it.
  std::string reading() const;
  std::vector<WebMessage> takeMessages() { return queue_.take(); }
  ScreenState& screen() { return screen_; }

  // The calculation screen of width × height pixels, as the desktop paints it.
  std::vector<DrawOp> paint(int width, int height, bool cursorShown);

  // A setting by the settings file's section and key, as the file writes it.
  std::optional<std::string> setting(std::string_view section, std::string_view key) const;
  // Sets it under the file's rules (a value out of range is brought in, with a status text).
  bool setSetting(std::string_view section, std::string_view key, std::string_view value);
  std::string settingsBytes() const;

 private:
  class Commands final : public CalcCommandHandler {
   public:
    explicit Commands(Calculator& calc) : calc_(calc) {}
    void run(CalcCommand command) override { calc_.runCommand(command); }

   private:
    Calculator& calc_;
  };

  void runCommand(CalcCommand command);
  FontMetrics metrics() const;

  CalcSettings settings_;
  MessageQueue queue_;
  CalcState state_;
  SikiSpeaker speaker_;
  ScreenState screen_;
  Commands commands_;
};

}  // namespace ravlo
