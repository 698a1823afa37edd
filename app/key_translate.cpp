#include "app/key_translate.h"

#include <QKeyEvent>

#include "app/model/typed_keys.h"

namespace ravlo {
namespace {

// Qt's codes of the pad's keys are the characters they print.
int keypadKey(int qtKey) { return qtKey < 0x80 ? keypadKeyFor(static_cast<char32_t>(qtKey)) : 0; }

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
  // Qt's codes of printable keys are the characters' own code points.
  if (const TypedKey jp = japaneseKeyFor(static_cast<char32_t>(qtKey)); jp.key != 0) {
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
