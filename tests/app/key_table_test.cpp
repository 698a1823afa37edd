#include <gtest/gtest.h>

#include <string>

#include "app/model/key_table.h"

namespace ravlo {
namespace {

constexpr KeyMods kNone{};
constexpr KeyMods kShift{true, false, false};
constexpr KeyMods kCtrl{false, true, false};
constexpr KeyMods kAlt{false, false, true};
constexpr KeyMods kShiftCtrl{true, true, false};

KeyAction tok(char c) { return {KeyActionKind::Token, c, CalcCommand::Clear, false}; }
KeyAction cmd(CalcCommand c) { return {KeyActionKind::Command, '\0', c, false}; }
KeyAction direct(char c) { return {KeyActionKind::AppendDirect, c, CalcCommand::Clear, false}; }
KeyAction none() { return {}; }

std::string describe(const KeyAction& a) {
  switch (a.kind) {
    case KeyActionKind::Nothing: return "nothing";
    case KeyActionKind::Token: return std::string("token ") + a.token;
    case KeyActionKind::AppendDirect: return std::string("direct ") + a.token;
    case KeyActionKind::Command: return "command " + std::string(commandName(a.command));
  }
  return "?";
}

struct Row {
  const char* name;
  int key;
  KeyMods mods;
  KeyContext ctx;
  KeyAction expected;
};

const KeyContext kTyping{};
const KeyContext kClosed{false, false, true, false};
const KeyContext kNsin{true, true, true, false};
const KeyContext kNoReturn{true, false, false, false};
const KeyContext kToolOpen{true, false, true, true};

TEST(InpKeyAction, EveryRuleOfTheKeyTable) {
  const Row rows[] = {
      // rule 2: Alt opens tool windows, other Alt keys go on
      {"Alt+J", 'J', kAlt, kTyping, cmd(CalcCommand::SettingsDialog)},
      {"Alt+N", 'N', kAlt, kTyping, cmd(CalcCommand::Notebook)},
      {"Alt+D", 'D', kAlt, kTyping, cmd(CalcCommand::SubstitutionBox)},
      {"Alt+M", 'M', kAlt, kTyping, cmd(CalcCommand::ExpressionMemo)},
      {"Alt+3 goes on to the digit", '3', kAlt, kTyping, tok('3')},
      {"Alt+Right goes on to =", vk::Right, kAlt, kTyping, tok('=')},
      // rule 3: Right arrow is "=" whatever the modifiers
      {"Right", vk::Right, kNone, kTyping, tok('=')},
      {"Shift+Right", vk::Right, kShift, kTyping, tok('=')},
      {"Ctrl+Right", vk::Right, kCtrl, kClosed, tok('=')},
      // rule 4: Home / End scroll only while input is closed
      {"Home closed", vk::Home, kNone, kClosed, cmd(CalcCommand::ScrollTop)},
      {"End closed", vk::End, kNone, kClosed, cmd(CalcCommand::ScrollBottom)},
      {"Shift+Home closed", vk::Home, kShift, kClosed, cmd(CalcCommand::ScrollTop)},
      {"Home typing", vk::Home, kNone, kTyping, tok('(')},
      {"End typing", vk::End, kNone, kTyping, tok(')')},
      // rule 5: Shift
      {"Shift+F", 'F', kShift, kTyping, cmd(CalcCommand::FontDialog)},
      {"Shift+S", 'S', kShift, kTyping, cmd(CalcCommand::PrimeFactorize)},
      {"Shift+R", 'R', kShift, kTyping, cmd(CalcCommand::JunkanSyori)},
      {"Shift+-", vk::Minus, kShift, kTyping, tok('=')},
      {"Shift+8", '8', kShift, kTyping, tok('(')},
      {"Shift+9", '9', kShift, kTyping, tok(')')},
      {"Shift+;", vk::Semicolon, kShift, kTyping, tok('+')},
      {"Shift+:", vk::Colon, kShift, kTyping, tok('*')},
      {"Shift+1", '1', kShift, kTyping, tok('!')},
      {"Shift+,", vk::Comma, kShift, kTyping, tok('<')},
      {"Shift+.", vk::Period, kShift, kTyping, tok('>')},
      {"Shift+Down", vk::Down, kShift, kTyping, tok('=')},
      {"Shift+/", vk::Slash, kShift, kTyping, cmd(CalcCommand::NsinHenkan)},
      {"Shift+P", 'P', kShift, kTyping, tok('P')},
      {"Shift+C", 'C', kShift, kTyping, tok('C')},
      {"Shift+K", 'K', kShift, kTyping, tok('K')},
      {"Shift+B", 'B', kShift, kTyping, tok('B')},
      {"Shift+N", 'N', kShift, kTyping, cmd(CalcCommand::NsinModeSwitch)},
      {"Shift+Enter", vk::Enter, kShift, kNoReturn, tok('=')},
      {"Shift+PageUp", vk::PageUp, kShift, kTyping, cmd(CalcCommand::LineSpacingUp)},
      {"Shift+PageDown", vk::PageDown, kShift, kTyping, cmd(CalcCommand::LineSpacingDown)},
      {"Shift+2 does nothing", '2', kShift, kTyping, none()},
      {"Shift+X does nothing", 'X', kShift, kTyping, none()},
      {"Shift+Delete does nothing", vk::Delete, kShift, kTyping, none()},
      {"Shift wins over Ctrl", 'S', kShiftCtrl, kTyping, cmd(CalcCommand::PrimeFactorize)},
      // rule 6: Ctrl
      {"Ctrl+B", 'B', kCtrl, kTyping, cmd(CalcCommand::DecimalToFraction)},
      {"Ctrl+L", 'L', kCtrl, kTyping, cmd(CalcCommand::EqualKaigyoSwitch)},
      {"Ctrl+S", 'S', kCtrl, kTyping, cmd(CalcCommand::AnswerAsDecimal)},
      {"Ctrl+T", 'T', kCtrl, kTyping, cmd(CalcCommand::AnswerAsMixed)},
      {"Ctrl+K", 'K', kCtrl, kTyping, cmd(CalcCommand::AnswerAsImproper)},
      {"Ctrl+Y", 'Y', kCtrl, kTyping, cmd(CalcCommand::Reduce)},
      {"Ctrl+W", 'W', kCtrl, kTyping, cmd(CalcCommand::ConstantsBox)},
      {"Ctrl+H", 'H', kCtrl, kTyping, cmd(CalcCommand::Restore)},
      {"Ctrl+D", 'D', kCtrl, kTyping, cmd(CalcCommand::Clear)},
      {"Ctrl+I", 'I', kCtrl, kTyping, cmd(CalcCommand::InputPanelSwitch)},
      {"Ctrl+C", 'C', kCtrl, kTyping, cmd(CalcCommand::KeepAndCopy)},
      {"Ctrl+P", 'P', kCtrl, kTyping, cmd(CalcCommand::PasteAnswer)},
      {"Ctrl+Q", 'Q', kCtrl, kTyping, cmd(CalcCommand::Solve)},
      {"Ctrl+Enter", vk::Enter, kCtrl, kTyping, cmd(CalcCommand::Solve)},
      {"Ctrl+PageUp", vk::PageUp, kCtrl, kTyping, cmd(CalcCommand::PageHeightUp)},
      {"Ctrl+PageDown", vk::PageDown, kCtrl, kTyping, cmd(CalcCommand::PageHeightDown)},
      {"Ctrl+5 does nothing", '5', kCtrl, kTyping, none()},
      {"Ctrl+Delete does nothing", vk::Delete, kCtrl, kTyping, none()},
      // rule 7: plain keys
      {"P", 'P', kNone, kTyping, tok('P')},
      {"C", 'C', kNone, kTyping, tok('C')},
      {"C in base-n mode is still the token", 'C', kNone, kNsin, tok('C')},
      {"Up", vk::Up, kNone, kTyping, cmd(CalcCommand::ScrollUp)},
      {"Down", vk::Down, kNone, kTyping, cmd(CalcCommand::ScrollDown)},
      {"F6", vk::F6, kNone, kTyping, cmd(CalcCommand::BetsukaiSwitch)},
      {"F7 with a tool box", vk::F7, kNone, kToolOpen, cmd(CalcCommand::FocusToolBox)},
      {"F7 without a tool box", vk::F7, kNone, kTyping, tok(')')},
      {"F8", vk::F8, kNone, kTyping, cmd(CalcCommand::InputPanelSwitch)},
      {"A in base-n mode", 'A', kNone, kNsin, direct('A')},
      {"F in base-n mode", 'F', kNone, kNsin, direct('F')},
      {"B in base-n mode", 'B', kNone, kNsin, direct('B')},
      {". in base-n mode", vk::Period, kNone, kNsin, direct('>')},
      {"pad . in base-n mode", vk::Decimal, kNone, kNsin, direct('>')},
      {"G in base-n mode", 'G', kNone, kNsin, tok('%')},
      {"A outside base-n mode", 'A', kNone, kTyping, tok('%')},
      {"Delete", vk::Delete, kNone, kTyping, cmd(CalcCommand::Clear)},
      {"BackSpace", vk::BackSpace, kNone, kTyping, cmd(CalcCommand::BackSpace)},
      {"Left", vk::Left, kNone, kTyping, cmd(CalcCommand::BackSpace)},
      {"PageUp", vk::PageUp, kNone, kTyping, tok('k')},
      {"K", 'K', kNone, kTyping, tok('k')},
      {"PageDown", vk::PageDown, kNone, kTyping, tok('b')},
      {"B", 'B', kNone, kTyping, tok('b')},
      {"F5", vk::F5, kNone, kTyping, cmd(CalcCommand::ProcessDisplaySwitch)},
      {"Insert", vk::Insert, kNone, kTyping, cmd(CalcCommand::Restore)},
      {"pad *", vk::Multiply, kNone, kTyping, tok('*')},
      {"pad +", vk::Add, kNone, kTyping, tok('+')},
      {"pad -", vk::Subtract, kNone, kTyping, tok('-')},
      {"pad /", vk::Divide, kNone, kTyping, tok('/')},
      {"main -", vk::Minus, kNone, kTyping, tok('-')},
      {"^", vk::Caret, kNone, kTyping, tok('^')},
      {":", vk::Colon, kNone, kTyping, tok(':')},
      {"@", vk::At, kNone, kTyping, tok('@')},
      {"[", vk::BracketOpen, kNone, kTyping, tok('[')},
      {"]", vk::BracketClose, kNone, kTyping, tok(']')},
      {".", vk::Period, kNone, kTyping, tok('.')},
      {"pad .", vk::Decimal, kNone, kTyping, tok('.')},
      {"/", vk::Slash, kNone, kTyping, tok('/')},
      {"/ in base-n mode", vk::Slash, kNone, kNsin, cmd(CalcCommand::NsinHenkan)},
      {"0", '0', kNone, kTyping, tok('0')},
      {"9", '9', kNone, kTyping, tok('9')},
      {"pad 0", vk::Numpad0, kNone, kTyping, tok('0')},
      {"pad 9", vk::Numpad0 + 9, kNone, kTyping, tok('9')},
      {"X", 'X', kNone, kTyping, tok('x')},
      {"Enter with RETKEYFLAG", vk::Enter, kNone, kTyping, tok('=')},
      {"Enter without RETKEYFLAG", vk::Enter, kNone, kNoReturn, tok('%')},
      {"; unshifted", vk::Semicolon, kNone, kTyping, tok('%')},
      {"F1", vk::F1, kNone, kTyping, tok('%')},
      {"Y", 'Y', kNone, kTyping, tok('%')},
      {"unknown code", 255, kNone, kTyping, tok('%')},
      {"negative code", -1, kNone, kTyping, tok('%')},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(describe(InpKeyAction(r.key, r.mods, r.ctx)), describe(r.expected)) << r.name;
    EXPECT_EQ(InpKeyAction(r.key, r.mods, r.ctx), r.expected) << r.name;
  }
}

TEST(InpKeyAction, YenTypesPaiThenEndsAsItsOwnRuleSays) {
  KeyAction plain = InpKeyAction(vk::Yen, kNone, kTyping);
  EXPECT_TRUE(plain.typePai);
  EXPECT_EQ(describe(plain), "token %");
  KeyAction shifted = InpKeyAction(vk::Yen, kShift, kTyping);
  EXPECT_TRUE(shifted.typePai);
  EXPECT_EQ(describe(shifted), "nothing");
  EXPECT_FALSE(InpKeyAction('3', kNone, kTyping).typePai);
}

TEST(MainWindowKeyAction, OwnKeysComeFirstExceptTheShiftedConversions) {
  const struct {
    int key;
    KeyMods mods;
    KeyAction expected;
  } rows[] = {
      {'J', kNone, cmd(CalcCommand::SettingsDialog)},
      {'J', kCtrl, cmd(CalcCommand::SettingsDialog)},
      {'J', kShift, cmd(CalcCommand::SettingsDialog)},
      {'N', kNone, cmd(CalcCommand::Notebook)},
      {'N', kCtrl, cmd(CalcCommand::Notebook)},
      {'N', kShift, none()},  // on to the key table: base-n mode
      {'N', kShiftCtrl, none()},
      {'R', kNone, cmd(CalcCommand::ReadAloud)},
      {'R', kCtrl, cmd(CalcCommand::ReadAloud)},
      {'R', kShift, none()},  // on to the key table: fraction <-> repeating decimal
      {'R', kAlt, cmd(CalcCommand::ReadAloud)},
      {'E', kAlt, cmd(CalcCommand::ExpressionEditor)},
      {'E', kNone, none()},
      {'3', kNone, none()},
      {vk::F5, kNone, none()},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(describe(MainWindowKeyAction(r.key, r.mods)), describe(r.expected)) << r.key;
  }
}

TEST(InputPanelAltKeyAction, PanelAltKeys) {
  EXPECT_EQ(InputPanelAltKeyAction('C', kAlt), cmd(CalcCommand::HideInputPanel));
  EXPECT_EQ(InputPanelAltKeyAction('E', kAlt), cmd(CalcCommand::ExpressionEditor));
  EXPECT_EQ(InputPanelAltKeyAction('R', kAlt), cmd(CalcCommand::ReadAloud));
  EXPECT_EQ(InputPanelAltKeyAction('A', kAlt), cmd(CalcCommand::ProcessSettingsDialog));
  EXPECT_EQ(InputPanelAltKeyAction('C', kNone), none());
  EXPECT_EQ(InputPanelAltKeyAction('Z', kAlt), none());
}

TEST(CalcCommand, StateCommandsAreTheFirstGroup) {
  EXPECT_TRUE(isStateCommand(CalcCommand::Clear));
  EXPECT_TRUE(isStateCommand(CalcCommand::BetsukaiSwitch));
  EXPECT_TRUE(isStateCommand(CalcCommand::EqualKaigyoSwitch));
  EXPECT_FALSE(isStateCommand(CalcCommand::SettingsDialog));
  EXPECT_FALSE(isStateCommand(CalcCommand::NsinHenkan));
  EXPECT_FALSE(isStateCommand(CalcCommand::Solve));
}

}  // namespace
}  // namespace ravlo
