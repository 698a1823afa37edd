#include "app/model/key_table.h"

namespace ravlo {
namespace {

constexpr KeyAction nothing() { return {}; }
constexpr KeyAction token(char c) { return {KeyActionKind::Token, c, CalcCommand::Clear, false}; }
constexpr KeyAction direct(char c) {
  return {KeyActionKind::AppendDirect, c, CalcCommand::Clear, false};
}
constexpr KeyAction command(CalcCommand c) { return {KeyActionKind::Command, '\0', c, false}; }

constexpr bool isDigitKey(int key) { return key >= vk::Digit0 && key <= vk::Digit0 + 9; }
constexpr bool isNumpadDigit(int key) { return key >= vk::Numpad0 && key <= vk::Numpad0 + 9; }

// Rule 2: Alt opens the tool windows; other Alt keys go on.
KeyAction altRule(int key) {
  switch (key) {
    case 'J': return command(CalcCommand::SettingsDialog);
    case 'N': return command(CalcCommand::Notebook);
    case 'D': return command(CalcCommand::SubstitutionBox);
    case 'M': return command(CalcCommand::ExpressionMemo);
    default: return nothing();
  }
}

// Rule 5: every Shift key ends here, doing nothing when it is not listed.
KeyAction shiftRule(int key) {
  switch (key) {
    case 'F': return command(CalcCommand::FontDialog);
    case 'S': return command(CalcCommand::PrimeFactorize);
    case 'R': return command(CalcCommand::JunkanSyori);
    case vk::Minus: return token('=');
    case '8': return token('(');
    case '9': return token(')');
    case vk::Semicolon: return token('+');
    case vk::Colon: return token('*');
    case '1': return token('!');
    case vk::Comma: return token('<');
    case vk::Period: return token('>');
    case vk::Down: return token('=');
    case vk::Slash: return command(CalcCommand::NsinHenkan);
    case 'P': return token('P');
    case 'C': return token('C');
    case 'K': return token('K');
    case 'B': return token('B');
    case 'N': return command(CalcCommand::NsinModeSwitch);
    case vk::Enter: return token('=');
    case vk::PageUp: return command(CalcCommand::LineSpacingUp);
    case vk::PageDown: return command(CalcCommand::LineSpacingDown);
    default: return nothing();
  }
}

// Rule 6: every Ctrl key ends here, doing nothing when it is not listed.
KeyAction ctrlRule(int key) {
  switch (key) {
    case 'B': return command(CalcCommand::DecimalToFraction);
    case 'L': return command(CalcCommand::EqualKaigyoSwitch);
    case 'S': return command(CalcCommand::AnswerAsDecimal);
    case 'T': return command(CalcCommand::AnswerAsMixed);
    case 'K': return command(CalcCommand::AnswerAsImproper);
    case 'Y': return command(CalcCommand::Reduce);
    case 'W': return command(CalcCommand::ConstantsBox);
    case 'H': return command(CalcCommand::Restore);
    case 'D': return command(CalcCommand::Clear);
    case 'I': return command(CalcCommand::InputPanelSwitch);
    case 'C': return command(CalcCommand::KeepAndCopy);
    case 'P': return command(CalcCommand::PasteAnswer);
    case 'Q':
    case vk::Enter: return command(CalcCommand::Solve);
    case vk::PageUp: return command(CalcCommand::PageHeightUp);
    case vk::PageDown: return command(CalcCommand::PageHeightDown);
    default: return nothing();
  }
}

// Rule 7: keys without Shift or Ctrl.
KeyAction plainRule(int key, const KeyContext& ctx) {
  switch (key) {
    case 'P': return token('P');
    case 'C': return token('C');
    case vk::Up: return command(CalcCommand::ScrollUp);
    case vk::Down: return command(CalcCommand::ScrollDown);
    case vk::F6: return command(CalcCommand::BetsukaiSwitch);
    case vk::F8: return command(CalcCommand::InputPanelSwitch);
    default: break;
  }
  // With no tool box open, F7 falls through to ")" below.
  if (key == vk::F7 && ctx.toolBoxOpen) return command(CalcCommand::FocusToolBox);
  if (ctx.NsinMode) {
    if (key >= 'A' && key <= 'F') return direct(static_cast<char>(key));
    if (key == vk::Period || key == vk::Decimal) return direct('>');
    if (key == vk::Slash) return command(CalcCommand::NsinHenkan);
  }
  switch (key) {
    case vk::Delete: return command(CalcCommand::Clear);
    case vk::BackSpace:
    case vk::Left: return command(CalcCommand::BackSpace);
    case vk::PageUp:
    case 'K': return token('k');
    case vk::PageDown:
    case 'B': return token('b');
    case vk::Home: return token('(');
    case vk::End:
    case vk::F7: return token(')');
    case vk::F5: return command(CalcCommand::ProcessDisplaySwitch);
    case vk::Insert: return command(CalcCommand::Restore);
    case vk::Multiply: return token('*');
    case vk::Add: return token('+');
    case vk::Subtract: return token('-');
    case vk::Divide: return token('/');
    // The main keyboard's minus types "-" too, as it does on every other layout.
    case vk::Minus: return token('-');
    case vk::Caret: return token('^');
    case vk::Colon: return token(':');
    case vk::At: return token('@');
    case vk::BracketOpen: return token('[');
    case vk::BracketClose: return token(']');
    case vk::Period:
    case vk::Decimal: return token('.');
    // Outside base-n mode the main keyboard's "/" divides, as the keypad's does: a laptop
    // has no keypad.
    case vk::Slash: return token('/');
    case 'X': return token('x');
    case vk::Enter: return ctx.RETKEYFLAG ? token('=') : token('%');
    default: break;
  }
  if (isDigitKey(key)) return token(static_cast<char>('0' + (key - vk::Digit0)));
  if (isNumpadDigit(key)) return token(static_cast<char>('0' + (key - vk::Numpad0)));
  // A key without meaning: the checker refuses "%" with an empty message.
  return token('%');
}

}  // namespace

KeyAction InpKeyAction(int key, KeyMods mods, const KeyContext& ctx) {
  KeyAction result = [&] {
    if (mods.alt) {
      KeyAction a = altRule(key);
      if (a.kind != KeyActionKind::Nothing) return a;
    }
    if (key == vk::Right) return token('=');
    if (!ctx.InpAccept) {
      if (key == vk::Home) return command(CalcCommand::ScrollTop);
      if (key == vk::End) return command(CalcCommand::ScrollBottom);
    }
    if (mods.shift) return shiftRule(key);
    if (mods.ctrl) return ctrlRule(key);
    return plainRule(key, ctx);
  }();
  result.typePai = key == vk::Yen;
  return result;
}

KeyAction MainWindowKeyAction(int key, KeyMods mods) {
  if (mods.alt && key == 'E') return command(CalcCommand::ExpressionEditor);
  if (mods.alt && key == 'R') return command(CalcCommand::ReadAloud);
  // Shift+R and Shift+N are the conversions the menus show beside them.
  const bool shiftOnly = mods.shift && !mods.alt;
  switch (key) {
    case 'J': return command(CalcCommand::SettingsDialog);
    case 'N': return shiftOnly ? nothing() : command(CalcCommand::Notebook);
    case 'R': return shiftOnly ? nothing() : command(CalcCommand::ReadAloud);
    default: return nothing();
  }
}

KeyAction InputPanelAltKeyAction(int key, KeyMods mods) {
  if (!mods.alt) return nothing();
  switch (key) {
    case 'C': return command(CalcCommand::HideInputPanel);
    case 'E': return command(CalcCommand::ExpressionEditor);
    case 'R': return command(CalcCommand::ReadAloud);
    case 'A': return command(CalcCommand::ProcessSettingsDialog);
    default: return nothing();
  }
}

std::string_view commandName(CalcCommand c) {
  switch (c) {
    case CalcCommand::Clear: return "Clear";
    case CalcCommand::Restore: return "Restore";
    case CalcCommand::BackSpace: return "BackSpace";
    case CalcCommand::ScrollUp: return "ScrollUp";
    case CalcCommand::ScrollDown: return "ScrollDown";
    case CalcCommand::ScrollTop: return "ScrollTop";
    case CalcCommand::ScrollBottom: return "ScrollBottom";
    case CalcCommand::LineSpacingUp: return "LineSpacingUp";
    case CalcCommand::LineSpacingDown: return "LineSpacingDown";
    case CalcCommand::PageHeightUp: return "PageHeightUp";
    case CalcCommand::PageHeightDown: return "PageHeightDown";
    case CalcCommand::ProcessDisplaySwitch: return "ProcessDisplaySwitch";
    case CalcCommand::BetsukaiSwitch: return "BetsukaiSwitch";
    case CalcCommand::EqualKaigyoSwitch: return "EqualKaigyoSwitch";
    case CalcCommand::SettingsDialog: return "SettingsDialog";
    case CalcCommand::Notebook: return "Notebook";
    case CalcCommand::SubstitutionBox: return "SubstitutionBox";
    case CalcCommand::ExpressionMemo: return "ExpressionMemo";
    case CalcCommand::ConstantsBox: return "ConstantsBox";
    case CalcCommand::FocusToolBox: return "FocusToolBox";
    case CalcCommand::FontDialog: return "FontDialog";
    case CalcCommand::InputPanelSwitch: return "InputPanelSwitch";
    case CalcCommand::ExpressionEditor: return "ExpressionEditor";
    case CalcCommand::ReadAloud: return "ReadAloud";
    case CalcCommand::ProcessSettingsDialog: return "ProcessSettingsDialog";
    case CalcCommand::HideInputPanel: return "HideInputPanel";
    case CalcCommand::KeepAnswer: return "KeepAnswer";
    case CalcCommand::PasteAnswer: return "PasteAnswer";
    case CalcCommand::ViewAnswer: return "ViewAnswer";
    case CalcCommand::KeepAndCopy: return "KeepAndCopy";
    case CalcCommand::AnswerAsDecimal: return "AnswerAsDecimal";
    case CalcCommand::AnswerAsMixed: return "AnswerAsMixed";
    case CalcCommand::AnswerAsImproper: return "AnswerAsImproper";
    case CalcCommand::Reduce: return "Reduce";
    case CalcCommand::DecimalToFraction: return "DecimalToFraction";
    case CalcCommand::JunkanSyori: return "JunkanSyori";
    case CalcCommand::PrimeFactorize: return "PrimeFactorize";
    case CalcCommand::NsinModeSwitch: return "NsinModeSwitch";
    case CalcCommand::NsinHenkan: return "NsinHenkan";
    case CalcCommand::Solve: return "Solve";
  }
  return "?";
}

}  // namespace ravlo
