// Qt key events become the Japanese keyboard's virtual-key codes.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "app/key_translate.h"

#include "tests/param_names.h"

namespace ravlo::test {
namespace {

struct KeyRow {
  const char* what;
  int qtKey;
  Qt::KeyboardModifiers mods;
  int vk;
  bool shift;
  bool ctrl;
  bool alt;
};

class KeyTranslation : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyTranslation, GivesTheJapaneseKey) {
  const KeyRow& r = GetParam();
  const TranslatedKey k = translateKey(r.qtKey, r.mods);
  EXPECT_EQ(k.key, r.vk) << r.what;
  EXPECT_EQ(k.mods.shift, r.shift) << r.what;
  EXPECT_EQ(k.mods.ctrl, r.ctrl) << r.what;
  EXPECT_EQ(k.mods.alt, r.alt) << r.what;
}

constexpr auto None = Qt::NoModifier;
constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Pad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTranslation,
    ::testing::Values(
        KeyRow{"digit 3", Qt::Key_3, None, '3', false, false, false},
        KeyRow{"letter b", Qt::Key_B, None, 'B', false, false, false},
        KeyRow{"Shift+B keeps Shift", Qt::Key_B, Shift, 'B', true, false, false},
        KeyRow{"plus typed with Shift (US)", Qt::Key_Plus, Shift, vk::Semicolon, true, false,
               false},
        KeyRow{"plus without Shift (JP ; key)", Qt::Key_Plus, None, vk::Semicolon, true, false,
               false},
        KeyRow{"main minus", Qt::Key_Minus, None, vk::Minus, false, false, false},
        KeyRow{"keypad minus", Qt::Key_Minus, Pad, vk::Subtract, false, false, false},
        KeyRow{"keypad plus", Qt::Key_Plus, Pad, vk::Add, false, false, false},
        KeyRow{"keypad star", Qt::Key_Asterisk, Pad, vk::Multiply, false, false, false},
        KeyRow{"keypad slash", Qt::Key_Slash, Pad, vk::Divide, false, false, false},
        KeyRow{"keypad point", Qt::Key_Period, Pad, vk::Decimal, false, false, false},
        KeyRow{"keypad 7", Qt::Key_7, Pad, vk::Numpad0 + 7, false, false, false},
        KeyRow{"keypad Enter", Qt::Key_Enter, Pad, vk::Enter, false, false, false},
        KeyRow{"equals on a US layout", Qt::Key_Equal, None, vk::Minus, true, false, false},
        KeyRow{"star (US Shift+8)", Qt::Key_Asterisk, Shift, vk::Colon, true, false, false},
        KeyRow{"colon", Qt::Key_Colon, Shift, vk::Colon, false, false, false},
        KeyRow{"open bracket (US Shift+9)", Qt::Key_ParenLeft, Shift, '8', true, false, false},
        KeyRow{"close bracket", Qt::Key_ParenRight, Shift, '9', true, false, false},
        KeyRow{"exclamation", Qt::Key_Exclam, Shift, '1', true, false, false},
        KeyRow{"caret (US Shift+6)", Qt::Key_AsciiCircum, Shift, vk::Caret, false, false, false},
        KeyRow{"at (US Shift+2)", Qt::Key_At, Shift, vk::At, false, false, false},
        KeyRow{"square brackets", Qt::Key_BracketLeft, None, vk::BracketOpen, false, false,
               false},
        KeyRow{"less than", Qt::Key_Less, Shift, vk::Comma, true, false, false},
        KeyRow{"greater than", Qt::Key_Greater, Shift, vk::Period, true, false, false},
        KeyRow{"slash", Qt::Key_Slash, None, vk::Slash, false, false, false},
        KeyRow{"question mark", Qt::Key_Question, Shift, vk::Slash, true, false, false},
        KeyRow{"yen", Qt::Key_yen, None, vk::Yen, false, false, false},
        KeyRow{"backslash is the yen key", Qt::Key_Backslash, None, vk::Yen, false, false, false},
        KeyRow{"Delete", Qt::Key_Delete, None, vk::Delete, false, false, false},
        KeyRow{"Backspace", Qt::Key_Backspace, None, vk::BackSpace, false, false, false},
        KeyRow{"Return", Qt::Key_Return, None, vk::Enter, false, false, false},
        KeyRow{"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, vk::Enter, false, true,
               false},
        KeyRow{"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, 'Q', false, true, false},
        KeyRow{"Alt+E", Qt::Key_E, Qt::AltModifier, 'E', false, false, true},
        KeyRow{"F5", Qt::Key_F5, None, vk::F5, false, false, false},
        KeyRow{"F6", Qt::Key_F6, None, vk::F6, false, false, false},
        KeyRow{"Shift+PageUp", Qt::Key_PageUp, Shift, vk::PageUp, true, false, false},
        KeyRow{"Right arrow", Qt::Key_Right, None, vk::Right, false, false, false},
        KeyRow{"Shift alone is nothing", Qt::Key_Shift, Shift, 0, false, false, false},
        KeyRow{"Control alone is nothing", Qt::Key_Control, Qt::ControlModifier, 0, false, false,
               false},
        KeyRow{"an accented letter is nothing", Qt::Key_Eacute, None, 0, false, false, false}),
    ravlo::test_names::RowName<&KeyRow::what>{});

TEST(KeyTranslation, ReadsTheEvent) {
  QKeyEvent e(QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"));
  const TranslatedKey k = translateKey(e);
  EXPECT_EQ(k.key, vk::Add);
  EXPECT_FALSE(k.mods.shift || k.mods.ctrl || k.mods.alt);
}

}  // namespace
}  // namespace ravlo::test
