#include "web/engine/calculator.h"

#include <algorithm>

#include "app/houtei_dsp.h"
#include "app/main_display.h"
#include "app/model/conversion_router.h"
#include "app/model/input_buttons.h"
#include "app/model/read_aloud.h"
#include "app/model/settings_file.h"
#include "app/model/siki_reading.h"
#include "render/text_cells.h"
#include "web/engine/dom_keys.h"

namespace ravlo {
namespace {

// The desktop's input-string label is this high; the line is drawn below it when shown.
constexpr int kInputStringRowHeight = 26;

}  // namespace

Calculator::Calculator(std::string_view settingsFile)
    : state_(settings_, queue_), speaker_(settings_, queue_, queue_), commands_(*this) {
  if (!settingsFile.empty()) SettingsLoadBytes(settings_, settingsFile, queue_);
  settings_.FONTSIZE = std::clamp(settings_.FONTSIZE, kFontSizeMin, kFontSizeMax);
  state_.setView(&screen_);
  state_.setVoice(&speaker_);
  state_.setCommands(&commands_);
  state_.InputPanelHeight = kInputStringRowHeight;
  state_.MainFormCreate(metrics(), kWebPixelsPerInch);
  state_.ScrollPos = 0;
  state_.InputFormCreate();
}

FontMetrics Calculator::metrics() const {
  FixedPitchCanvas c;
  setUpCalcCanvas(c, settings_);
  return FontMetrics{c.textWidth("1234567890"), c.textHeight("1234567890")};
}

void Calculator::key(int key, KeyMods mods) {
  const KeyAction own = MainWindowKeyAction(key, mods);
  if (own.kind == KeyActionKind::Command) {
    runCommand(own.command);
  } else {
    state_.InpKeySyori(key, mods);
  }
}

void Calculator::typeText(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view character = text.substr(i, utf8CharLength(text, i));
    i += character.size();
    // An upper-case letter is typed with Shift.
    const bool upper = character.size() == 1 && character[0] >= 'A' && character[0] <= 'Z';
    const DomKey k = translateDomKey(character, KeyMods{upper, false, false});
    if (k.key != 0) key(k.key, k.mods);
  }
}

void Calculator::keyEvent(std::string_view domKey, KeyMods mods, bool numpad) {
  const DomKey k = translateDomKey(domKey, mods, numpad);
  if (k.key != 0) key(k.key, k.mods);
}

bool Calculator::button(std::string_view name) {
  for (const InputButtonSpec& b : inputButtonSpecs()) {
    if (b.name != name) continue;
    // As the panel presses it: tokens through the checker, or the button's command.
    if (b.tokens.empty()) {
      state_.runCommand(b.command);
    } else {
      state_.JiInputText(b.tokens);
    }
    return true;
  }
  return false;
}

bool Calculator::command(std::string_view name) {
  for (int i = 0; i <= static_cast<int>(CalcCommand::Solve); ++i) {
    const auto c = static_cast<CalcCommand>(i);
    if (commandName(c) != name) continue;
    runCommand(c);
    return true;
  }
  return false;
}

void Calculator::wheel(int notches) {
  if (notches != 0) state_.scrollBy(notches * state_.lineAdvance());
}

void Calculator::runCommand(CalcCommand command) {
  switch (command) {
    case CalcCommand::Solve: HouteiDsp(state_); return;
    case CalcCommand::ReadAloud: ReadAloud(state_, true); return;
    default: break;
  }
  if (isStateCommand(command)) {
    state_.runCommand(command);
    return;
  }
  if (runConversionCommand(state_, command)) return;
  // Dialogs, the notebook, the tool boxes: windows of the page.
  queue_.window(commandName(command));
}

std::string Calculator::reading() const { return SikiSpeakText(state_.InpSiki, true); }

std::vector<DrawOp> Calculator::paint(int width, int height, bool cursorShown) {
  state_.ClientHeight = height;
  FixedPitchCanvas c;
  setUpCalcCanvas(c, settings_);
  MainPaint(c, state_, width, height, cursorShown);
  return c.ops();
}

std::optional<std::string> Calculator::setting(std::string_view section,
                                               std::string_view key) const {
  IniDocument document = settings_.document;
  writeSettings(settings_, document);
  return document.value(section, key);
}

bool Calculator::setSetting(std::string_view section, std::string_view key,
                            std::string_view value) {
  IniDocument document = settings_.document;
  writeSettings(settings_, document);
  if (!document.value(section, key)) return false;
  document.setValue(section, key, value);
  // Read back under the file's own rules, so a value is taken exactly as from a file.
  SettingsLoadBytes(settings_, document.toCp932().text, queue_);
  state_.updateAnsForm();
  state_.setFontMetrics(metrics());
  state_.repaint();
  return true;
}

std::string Calculator::settingsBytes() const { return settingsFileBytes(settings_).text; }

}  // namespace ravlo
