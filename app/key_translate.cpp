#include "app/key_translate.h"

#include <QKeyEvent>

namespace ravlo {
namespace {

struct JapaneseKey {
  int key = 0;
  bool shift = false;
};

// The key of a Japanese keyboard that prints the character, and whether it needs Shift.
JapaneseKey japaneseKeyFor(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Minus: return {vk::Minus, false};
    case Qt::Key_Equal: return {vk::Minus, true};
    case Qt::Key_AsciiCircum: return {vk::Caret, false};
    case Qt::Key_AsciiTilde: return {vk::Caret, true};
    case Qt::Key_yen:
    case Qt::Key_Backslash: return {vk::Yen, false};
    case Qt::Key_Bar: return {vk::Yen, true};
    case Qt::Key_At: return {vk::At, false};
    case Qt::Key_QuoteLeft: return {vk::At, true};
    case Qt::Key_BracketLeft: return {vk::BracketOpen, false};
    case Qt::Key_BraceLeft: return {vk::BracketOpen, true};
    case Qt::Key_Semicolon: return {vk::Semicolon, false};
    case Qt::Key_Plus: return {vk::Semicolon, true};
    case Qt::Key_Colon: return {vk::Colon, false};
    case Qt::Key_Asterisk: return {vk::Colon, true};
    case Qt::Key_BracketRight: return {vk::BracketClose, false};
    case Qt::Key_BraceRight: return {vk::BracketClose, true};
    case Qt::Key_Comma: return {vk::Comma, false};
    case Qt::Key_Less: return {vk::Comma, true};
    case Qt::Key_Period: return {vk::Period, false};
    case Qt::Key_Greater: return {vk::Period, true};
    case Qt::Key_Slash: return {vk::Slash, false};
    case Qt::Key_Question: return {vk::Slash, true};
    case Qt::Key_Underscore: return {226, true};  // the "ろ" key
    case Qt::Key_Exclam: return {'1', true};
    case Qt::Key_QuoteDbl: return {'2', true};
    case Qt::Key_NumberSign: return {'3', true};
    case Qt::Key_Dollar: return {'4', true};
    case Qt::Key_Percent: return {'5', true};
    case Qt::Key_Ampersand: return {'6', true};
    case Qt::Key_Apostrophe: return {'7', true};
    case Qt::Key_ParenLeft: return {'8', true};
    case Qt::Key_ParenRight: return {'9', true};
    default: break;
  }
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return {vk::Digit0 + (qtKey - Qt::Key_0), false};
  return {};
}

int keypadKey(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::Numpad0 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk: return vk::Multiply;
    case Qt::Key_Plus: return vk::Add;
    case Qt::Key_Minus: return vk::Subtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return vk::Decimal;
    case Qt::Key_Slash: return vk::Divide;
    default: return 0;
  }
}

// Keys that print nothing, by their virtual-key codes.
int controlKey(int qtKey) {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::F1 + (qtKey - Qt::Key_F1);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return vk::A + (qtKey - Qt::Key_A);
  switch (qtKey) {
    case Qt::Key_Backspace: return vk::BackSpace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Enter;
    case Qt::Key_Pause: return 19;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return vk::PageUp;
    case Qt::Key_PageDown: return vk::PageDown;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    case Qt::Key_Clear: return 12;
    default: return 0;
  }
}

}  // namespace

TranslatedKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  TranslatedKey out;
  out.mods.shift = modifiers.testFlag(Qt::ShiftModifier);
  out.mods.ctrl = modifiers.testFlag(Qt::ControlModifier);
  out.mods.alt = modifiers.testFlag(Qt::AltModifier);

  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (const int pad = keypadKey(qtKey); pad != 0) {
      out.key = pad;
      out.mods.shift = false;
      return out;
    }
  }
  if (const int control = controlKey(qtKey); control != 0) {
    out.key = control;
    return out;
  }
  if (const JapaneseKey jp = japaneseKeyFor(qtKey); jp.key != 0) {
    out.key = jp.key;
    out.mods.shift = jp.shift;
    return out;
  }
  return {};
}

TranslatedKey translateKey(const QKeyEvent& event) {
  return translateKey(event.key(), event.modifiers());
}

}  // namespace ravlo
