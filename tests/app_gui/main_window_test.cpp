// The main window and the input panel driven as a learner drives them: panel buttons, keys,
// menu items; what the state holds and what the status bar says afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

#include "expr/inp_check_msg.h"
#include "window_fixture.h"

#include "tests/param_names.h"

namespace ravlo::test {
namespace {

TEST(MainWindow, PanelButtonsTypeAndComputeAnExpression) {
  Window w;
  for (const char* b : {"SpeedButton15", "SpeedButton5", "SpeedButton10", "SpeedButton18",
                        "SpeedButton4"}) {
    w.click(b);
  }
  EXPECT_EQ(w.state().InpSiki, "3b2+1");
  EXPECT_EQ(w.form().screen()->accessibleDescription(), QStringLiteral("3b2+1"));
  w.click("SpeedButton14");
  EXPECT_EQ(w.state().InpSiki, "3b2+1=1k3b2");
  EXPECT_FALSE(w.state().InpAccept);
  EXPECT_EQ(w.form().screen()->accessibleDescription(), QStringLiteral("3b2+1=1k3b2"));
  EXPECT_EQ(w.status(), "");
}

TEST(MainWindow, KeysTypeAndComputeAnExpression) {
  Window w;
  w.type("3b2+1");
  EXPECT_EQ(w.state().InpSiki, "3b2+1");
  w.type("=");
  EXPECT_EQ(w.state().InpSiki, "3b2+1=1k3b2");
  // Closed: further keys are ignored.
  w.type("5");
  EXPECT_EQ(w.state().InpSiki, "3b2+1=1k3b2");
  w.key(Qt::Key_Delete);
  EXPECT_EQ(w.state().InpSiki, "");
  EXPECT_TRUE(w.state().InpAccept);
  w.key(Qt::Key_Insert);
  EXPECT_EQ(w.state().InpSiki, "3b2+1");
  w.key(Qt::Key_Backspace);
  EXPECT_EQ(w.state().InpSiki, "3b2+");
}

struct KeyRow {
  const char* what;
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  const char* inpSiki;
};

class KeyboardTokens : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyboardTokens, ReachTheLine) {
  Window w;
  w.type("2+3");
  w.key(GetParam().key, GetParam().mods);
  EXPECT_EQ(w.state().InpSiki, GetParam().inpSiki) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardTokens,
    ::testing::Values(KeyRow{"b: over", Qt::Key_B, Qt::NoModifier, "2+3b"},
                      KeyRow{"k: and", Qt::Key_K, Qt::NoModifier, "2+3k"},
                      KeyRow{"PageDown: over", Qt::Key_PageDown, Qt::NoModifier, "2+3b"},
                      KeyRow{"main minus", Qt::Key_Minus, Qt::NoModifier, "2+3-"},
                      KeyRow{"keypad minus", Qt::Key_Minus, Qt::KeypadModifier, "2+3-"},
                      KeyRow{"keypad plus", Qt::Key_Plus, Qt::KeypadModifier, "2+3+"},
                      KeyRow{"plus with Shift", Qt::Key_Plus, Qt::ShiftModifier, "2+3+"},
                      KeyRow{"star", Qt::Key_Asterisk, Qt::ShiftModifier, "2+3*"},
                      KeyRow{"keypad slash", Qt::Key_Slash, Qt::KeypadModifier, "2+3/"},
                      KeyRow{"main keyboard slash", Qt::Key_Slash, Qt::NoModifier, "2+3/"},
                      KeyRow{"caret", Qt::Key_AsciiCircum, Qt::NoModifier, "2+3^"},
                      KeyRow{"point", Qt::Key_Period, Qt::NoModifier, "2+3."},
                      KeyRow{"keypad 7", Qt::Key_7, Qt::KeypadModifier, "2+37"},
                      KeyRow{"exclamation", Qt::Key_Exclam, Qt::ShiftModifier, "2+3!"},
                      KeyRow{"Right arrow: equals", Qt::Key_Right, Qt::NoModifier, "2+3=5"},
                      KeyRow{"Return: equals", Qt::Key_Return, Qt::NoModifier, "2+3=5"},
                      KeyRow{"keypad Enter: equals", Qt::Key_Enter, Qt::KeypadModifier, "2+3=5"},
                      KeyRow{"Shift+minus: equals", Qt::Key_Equal, Qt::NoModifier, "2+3=5"},
                      KeyRow{"Left: back space", Qt::Key_Left, Qt::NoModifier, "2+"},
                      KeyRow{"an unknown key changes nothing", Qt::Key_F3, Qt::NoModifier, "2+3"}),
    ravlo::test_names::RowName<&KeyRow::what>{});

TEST(MainWindow, ARefusedKeyShowsTheCheckersMessage) {
  Window w;
  w.type("3+");
  w.type("+");
  EXPECT_EQ(w.state().InpSiki, "3+");
  ASSERT_NE(w.status(), "");
  EXPECT_EQ(w.status(), inpCheckMessage(w.state().InpErrNo()));
  w.type("4");
  EXPECT_EQ(w.status(), "");
}

TEST(MainWindow, F5SwitchesTheProcessDisplay) {
  Window w;
  const bool before = w.settings().PROCDSP;
  w.key(Qt::Key_F5);
  EXPECT_NE(w.settings().PROCDSP, before);
  EXPECT_EQ(w.state().ProcTop, w.settings().PROCDSP ? (3 * w.state().CharH + 1) / 2 : 0);
  w.key(Qt::Key_F5);
  EXPECT_EQ(w.settings().PROCDSP, before);
}

TEST(MainWindow, F6SwitchesToTheOtherSolution) {
  Window w("[▼過程表示▼]\nPROCDSP=1\n");
  ASSERT_TRUE(w.settings().PROCDSP);
  w.type("1k3b1+2+5b1=");
  ASSERT_NE(w.state().process.ProcType, 0);
  const std::string first = w.state().process.ProcText;
  w.key(Qt::Key_F6);
  EXPECT_EQ(w.state().process.BetsukaiMode, 1);
  EXPECT_NE(w.state().process.ProcText, first);
  w.key(Qt::Key_F6);
  EXPECT_EQ(w.state().process.BetsukaiMode, 0);
  EXPECT_EQ(w.state().process.ProcText, first);
}

TEST(MainWindow, AnswerButtonsFollowTheAnswer) {
  Window w;
  InputForm* panel = w.form().inputForm();
  w.type("3b2+1=");
  EXPECT_FALSE(panel->button("Button19")->isEnabled());  // 帯T: the mixed form is shown
  EXPECT_TRUE(panel->button("Button18")->isEnabled());
  EXPECT_TRUE(panel->button("toSyousuuButton")->isEnabled());
  w.click("SpeedButton1");  // 消D
  EXPECT_TRUE(panel->button("Button19")->isEnabled());
  EXPECT_EQ(w.state().InpSiki, "");
  w.click("SpeedButton2");  // 復H
  EXPECT_EQ(w.state().InpSiki, "3b2+1");
  w.click("BackSpaceButton");
  EXPECT_EQ(w.state().InpSiki, "3b2+");
}

TEST(MainWindow, TwoTokenButtons) {
  Window w;
  w.type("x");
  w.click("LessAndEqButton");
  EXPECT_EQ(w.state().InpSiki, "x<=");
  w.click("SpeedButton15");
  w.key(Qt::Key_Delete);
  w.type("x");
  w.click("MoreAndEqButton");
  EXPECT_EQ(w.state().InpSiki, "x>=");
}

struct LaterRow {
  const char* button;
  const char* feature;
};

class LaterButtons : public ::testing::TestWithParam<LaterRow> {};

TEST_P(LaterButtons, SayTheyAreNotThereYet) {
  Window w;
  w.type("3b1+0=");
  w.click(GetParam().button);
  EXPECT_EQ(w.status(), notAvailableText(GetParam().feature)) << GetParam().button;
}

INSTANTIATE_TEST_SUITE_P(Buttons, LaterButtons,
                         ::testing::Values(LaterRow{"NoteOpenButton", "ノート"}),
    ravlo::test_names::RowName<&LaterRow::button>{});

TEST(MainWindow, TheSettingsButtonOpensTheSettingsDialog) {
  Window w;
  EXPECT_EQ(whileModal([&] { w.click("SetteiButton"); }), "JoukenForm");
  EXPECT_EQ(w.status(), "");
}

TEST(MainWindow, TheWindowsOwnLettersAndTheShiftedConversions) {
  Window w;
  EXPECT_EQ(whileModal([&] { w.key(Qt::Key_J); }), "JoukenForm");
  EXPECT_EQ(w.state().InpSiki, "");
  w.key(Qt::Key_N);
  EXPECT_EQ(w.status(), notAvailableText("ノート"));
  EXPECT_FALSE(w.state().NsinMode);
  // Shift+R and Shift+N do what the menus show beside them.
  w.type("3b1");
  w.key(Qt::Key_R, Qt::ShiftModifier);
  EXPECT_EQ(w.state().InpSiki, "3b1=0.@3");
  w.key(Qt::Key_N, Qt::ShiftModifier);
  EXPECT_TRUE(w.state().NsinMode);
  EXPECT_TRUE(w.form().action("N26")->isChecked());
}

TEST(MainWindow, RWithAModifierStillReadsAloud) {
  VoiceRecorder voice;
  Window w({}, true, &voice);
  w.type("12");
  w.key(Qt::Key_R, Qt::ControlModifier);
  ASSERT_EQ(voice.said.size(), 1u);
  EXPECT_EQ(voice.said[0].text, "12");
  EXPECT_EQ(w.state().InpSiki, "12");
}

struct MenuRow {
  const char* name;
  const char* caption;
  QKeySequence shortcut;
};

class MenuItems : public ::testing::TestWithParam<MenuRow> {};

TEST_P(MenuItems, CaptionAndShortcut) {
  Window w(std::string_view{}, false);
  QAction* a = w.form().action(GetParam().name);
  ASSERT_NE(a, nullptr) << GetParam().name;
  EXPECT_EQ(a->text().toStdString(), GetParam().caption);
  EXPECT_EQ(a->shortcut(), GetParam().shortcut) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuItems,
    ::testing::Values(
        MenuRow{"File1", "フォーム(&F)", {}}, MenuRow{"Print1", "印刷(&P)...", {}},
        MenuRow{"Exit1", "終了(&X)", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X)},
        MenuRow{"N3", "操作(&W)", {}}, MenuRow{"SikiEdit", "式エディタを開く(&E)", {}},
        MenuRow{"Memo", "式メモを開く(&M)", {}}, MenuRow{"Box1", "代入Boxを開く(&D)", {}},
        MenuRow{"PageEdit", "ノｰトを開く(&N)", {}}, MenuRow{"Box2", "定数Boxを開く(&W)", {}},
        MenuRow{"R1", "式を読み上げる(&R)", {}},
        MenuRow{"N25", "素因数分解をする(&S)   Shift+S", {}},
        MenuRow{"R2", "分数⇔循環小数           Shift+R", {}},
        MenuRow{"N26", "ｎ進法変換モード        Shift+N", {}},
        MenuRow{"Y1", "約分する(&Y)              Ctrl+Y", {}},
        MenuRow{"B1", "小数→分数(&B)           Ctrl+B", {}},
        MenuRow{"T2", "仮分数→帯分数(&T)     Ctrl+T", {}},
        MenuRow{"K1", "帯分数→仮分数(&K)     Ctrl+K", {}},
        MenuRow{"OtherCal", "答を一時保存(&C)", {}},
        MenuRow{"V2", "保存した答を貼り付け(&P)", {}},
        MenuRow{"ViewV1", "保存した答をLookする(&L)", {}}, MenuRow{"V1", "表示(&V)", {}},
        MenuRow{"N24", "解答欄を付ける(&C)", {}},
        MenuRow{"CtrlL1", "＝ で改行する⇔しない(&L)　", QKeySequence(Qt::CTRL | Qt::Key_L)},
        MenuRow{"N4", "入力パネル表示する⇔しない(&I) 　", QKeySequence(Qt::Key_F8)},
        MenuRow{"N2", "条件設定ボックス表示(&J)  ", {}}, MenuRow{"A1", "詳細設定(&A) ", {}},
        MenuRow{"N16", "計算過程表示する⇔しない", QKeySequence(Qt::Key_F5)},
        MenuRow{"N6", "フォント(&F)　　Shift+F", {}},
        MenuRow{"N22", "ウィンドウＡ４幅(&W)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F8)},
        MenuRow{"T1", "ツール(&T)", {}}, MenuRow{"S1", "dizu(&S)", {}},
        MenuRow{"Help1", "ヘルプ(&H)", {}}, MenuRow{"Check1", "チェック(&T)", {}},
        MenuRow{"HelpView", "『ラヴロ』のヘルプ(&H)", QKeySequence(Qt::Key_F1)},
        MenuRow{"N17", "ｱﾄﾞﾊﾞｲｽ解説", QKeySequence(Qt::Key_F2)},
        MenuRow{"About1", "バージョン情報(&A)...", {}},
        MenuRow{"N8", "答を一時保存(&C)", {}}, MenuRow{"N9", "答を貼り付け(&P)", {}},
        MenuRow{"View1", "答をLookする(&L)", {}},
        MenuRow{"N11", "素因数分解する(&S)   Shift+S", {}},
        MenuRow{"N20", "中断を可能にする", {}},
        MenuRow{"N12", "循環小数⇔分数(&R)     Shift+R", {}},
        MenuRow{"N27", "ｎ進法変換モード(&N)  Shift+N", {}},
        MenuRow{"YCtrlY1", "約分する(&Y)              Ctrl+Y", {}},
        MenuRow{"BCtrlB1", "小数→分数(&B)           Ctrl+B", {}},
        MenuRow{"TCtrlT1", "仮分数→帯分数(&T)     Ctrl+T", {}},
        MenuRow{"KCtrlK1", "帯分数→仮分数(&K)     Ctrl+K", {}},
        MenuRow{"N14", "条件設定ﾎﾞｯｸｽ表示(&J)", {}}),
    ravlo::test_names::RowName<&MenuRow::name>{});

TEST(MainWindow, MenuStates) {
  Window w(std::string_view{}, false);
  EXPECT_FALSE(w.form().action("T1")->isEnabled());
  EXPECT_FALSE(w.form().action("Check1")->isVisible());
  EXPECT_FALSE(w.form().action("N17")->isEnabled());
  EXPECT_TRUE(w.form().action("F1")->isSeparator());
  EXPECT_TRUE(w.form().action("N20")->isChecked());
  EXPECT_EQ(w.form().action("N11")->toolTip(),
            QStringLiteral("素因数分解＆約数の和(除元の数)を10個で改行"));
  w.form().action("N20")->trigger();
  EXPECT_FALSE(w.state().SoinsuuAbort);
  // 解答欄 follows its check mark.
  EXPECT_FALSE(w.form().action("N24")->isChecked());
  w.form().action("N24")->trigger();
  EXPECT_TRUE(w.settings().KAITOURAN_FLAG);
  w.form().action("CtrlL1")->trigger();
  EXPECT_TRUE(w.settings().EQUAL_KAIGYO);
}

TEST(MainWindow, MenuItemsForLaterFeaturesSaySo) {
  Window w;
  for (auto [name, feature] : {std::pair{"PageEdit", "ノート"}}) {
    w.rec().clear();
    w.form().action(name)->trigger();
    EXPECT_EQ(w.status(), notAvailableText(feature)) << name;
  }
  for (auto [name, dialog] : {std::pair{"N2", "JoukenForm"}, std::pair{"N14", "JoukenForm"},
                              std::pair{"A1", "CalcProcSetForm"}}) {
    EXPECT_EQ(whileModal([&] { w.form().action(name)->trigger(); }), dialog) << name;
  }
}

TEST(MainWindow, F8HidesAndShowsTheInputPanelAlone) {
  Window w;
  InputForm* panel = w.form().inputForm();
  QAction* n4 = w.form().action("N4");
  ASSERT_TRUE(panel->isVisible());
  EXPECT_TRUE(n4->isChecked());
  w.key(Qt::Key_F8);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(n4->isChecked());
  EXPECT_TRUE(w.form().isVisible());
  EXPECT_FALSE(w.form().isMinimized());
  w.key(Qt::Key_F8);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_FALSE(panel->isMinimized());
  EXPECT_TRUE(n4->isChecked());
  // A panel minimized some other way comes back too.
  panel->showMinimized();
  w.key(Qt::Key_F8);
  EXPECT_FALSE(panel->isMinimized());
  EXPECT_TRUE(n4->isChecked());
  // Ctrl+I on the panel itself works like F8.
  QTest::keyClick(panel, Qt::Key_I, Qt::ControlModifier);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(w.form().isMinimized());
}

TEST(MainWindow, ModalWindowsStandAboveTheInputPanel) {
  Window w;
  QWindow* panel = w.form().inputForm()->windowHandle();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->flags().testFlag(Qt::WindowStaysOnTopHint));
  bool onTopMeanwhile = true;
  EXPECT_EQ(whileModal([&] { w.form().action("A1")->trigger(); },
                       [&](QWidget&) { onTopMeanwhile = panel->flags().testFlag(Qt::WindowStaysOnTopHint); }),
            "CalcProcSetForm");
  EXPECT_FALSE(onTopMeanwhile);
  EXPECT_TRUE(panel->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(w.form().inputForm()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(MainWindow, APaiTextTooLongForTheDigitLimitGivesOneMessage) {
  Window w;
  w.state().PaiStr = "3.14159265358979323846264338";
  w.key(Qt::Key_Backslash);
  EXPECT_EQ(w.state().InpSiki, "3.1415926535897932384");
  int notices = 0;
  for (const auto& e : w.rec().entries()) {
    if (e.kind == RecordingSink::Kind::Small || e.kind == RecordingSink::Kind::Box) ++notices;
  }
  EXPECT_EQ(notices, 1);
}

TEST(MainWindow, InputPanelLooksLikeItsForm) {
  Window w;
  InputForm* panel = w.form().inputForm();
  EXPECT_EQ(panel->windowTitle(), QStringLiteral("<数式操作ﾊﾟﾈﾙ>　▼Ｆ８▲"));
  EXPECT_EQ(panel->size(), QSize(162, 261));
  EXPECT_TRUE(panel->windowFlags().testFlag(Qt::Tool));
  EXPECT_TRUE(panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  for (const InputButtonSpec& button : inputButtonSpecs()) {
    QAbstractButton* b = panel->button(button.name);
    ASSERT_NE(b, nullptr) << button.name;
    EXPECT_EQ(b->text().toStdString(), button.caption);
    const std::string name = b->accessibleName().toStdString();
    EXPECT_EQ(name, inputButtonAccessibleName(button));
    EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](char c) { return c & 0x80; }))
        << button.name << ": " << name;  // Japanese words, not "P" or "?"
    EXPECT_EQ(b->geometry().topLeft(), QPoint(button.left, button.top)) << button.name;
    EXPECT_LE(b->geometry().right(), 161) << button.name;
    EXPECT_LE(b->geometry().bottom(), 260) << button.name;
  }
  // Digits black in 25 × 25 buttons, operators red, round brackets navy, square ones red.
  const auto ink = [&](const char* name) {
    return panel->button(name)->palette().color(QPalette::ButtonText);
  };
  EXPECT_EQ(ink("SpeedButton3"), QColor(0, 0, 0));
  EXPECT_EQ(panel->button("SpeedButton3")->size(), QSize(25, 25));
  EXPECT_EQ(ink("SpeedButton19"), QColor(255, 0, 0));
  EXPECT_EQ(ink("SpeedButton12"), QColor(0, 0, 128));
  EXPECT_EQ(ink("maekParButton"), QColor(255, 0, 0));
  // Placed by the main window's bottom-right corner.
  const QPoint at = w.form().pos();
  EXPECT_EQ(panel->pos(), QPoint(at.x() + w.form().width() - 210, at.y() + w.form().height() - 280));
}

TEST(MainWindow, PanelKeysAndAltKeys) {
  Window w;
  InputForm* panel = w.form().inputForm();
  QTest::keyClick(panel, Qt::Key_4);
  QTest::keyClick(panel, Qt::Key_B);
  EXPECT_EQ(w.state().InpSiki, "4b");
  // Alt+C types "C" like the key table says, then hides the panel.
  QTest::keyClick(panel, Qt::Key_Delete);
  EXPECT_EQ(whileModal([&] { QTest::keyClick(panel, Qt::Key_A, Qt::AltModifier); }),
            "CalcProcSetForm");
  QTest::keyClick(panel, Qt::Key_C, Qt::AltModifier);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(w.form().action("N4")->isChecked());
}

TEST(MainWindow, TheCursorTimerTakesTheFocusBackAndBlinks) {
  Window w;
  InputForm* panel = w.form().inputForm();
  panel->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
  w.form().cursorTick();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&w.form()));
  EXPECT_EQ(w.form().cursorTimer().interval(), 400);
  EXPECT_TRUE(w.form().cursorTimer().isActive());

  CalcScreen* screen = w.form().screen();
  const bool shown = screen->cursorShown;
  w.form().cursorTick();
  EXPECT_NE(screen->cursorShown, shown);
  w.form().cursorTick();
  EXPECT_EQ(screen->cursorShown, shown);
  // After "=" the cursor is erased and stays so.
  w.type("1+1=");
  EXPECT_FALSE(screen->cursorShown);
  for (int i = 0; i < 3; ++i) {
    w.form().cursorTick();
    EXPECT_FALSE(screen->cursorShown);
  }
  w.key(Qt::Key_Delete);
  EXPECT_TRUE(screen->cursorShown);
}

TEST(MainWindow, ScrollingByWheelArrowsAndBar) {
  Window w;
  CalcScreen* screen = w.form().screen();
  QScrollBar* bar = w.form().scrollBar();
  EXPECT_EQ(bar->maximum(), w.state().scrollRange());
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->singleStep(), 5);
  const QPointF at(20, 20);
  const auto wheel = [&](int angle) {
    QWheelEvent e(at, screen->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(screen, &e);
  };
  // One notch is one line of text; the arrows keep their few pixels.
  const int line = w.state().CharH * w.settings().GYOKEISUU / 2;
  ASSERT_GT(line, 4);
  wheel(-120);
  EXPECT_EQ(w.state().ScrollPos, line);
  EXPECT_EQ(bar->value(), line);
  w.key(Qt::Key_Down);
  EXPECT_EQ(w.state().ScrollPos, line + 4);
  w.key(Qt::Key_Up);
  EXPECT_EQ(w.state().ScrollPos, line);
  // A touchpad's half notches add up.
  wheel(60);
  EXPECT_EQ(w.state().ScrollPos, line);
  wheel(60);
  EXPECT_EQ(w.state().ScrollPos, 0);
  bar->setValue(40);
  EXPECT_EQ(w.state().ScrollPos, 40);
  // End jumps to the bottom only while input is closed.
  w.type("1+1=");
  w.key(Qt::Key_Home);
  EXPECT_EQ(w.state().ScrollPos, 0);
  w.key(Qt::Key_End);
  EXPECT_EQ(w.state().ScrollPos, std::min(screen->height(), w.state().scrollRange()));
}

TEST(MainWindow, ALineWiderThanTheScreenScrollsSideways) {
  Window w;
  QScrollBar* bar = w.form().horizontalScrollBar();
  CalcScreen* screen = w.form().screen();
  QCoreApplication::processEvents();
  EXPECT_FALSE(bar->isVisible());
  for (int i = 0; i < 40; ++i) w.type("12+");
  w.type("1");
  QTest::qWait(20);
  ASSERT_TRUE(bar->isVisible());
  EXPECT_GT(bar->maximum(), 0);
  // Typing keeps the cursor in view: the picture has moved left to the line's end.
  EXPECT_EQ(screen->scrollX, bar->value());
  const int visible = screen->width() - kSidePanelWidth;
  EXPECT_GT(w.state().renderer.CursorX, screen->scrollX);
  EXPECT_LE(w.state().renderer.CursorX + w.state().CharW, screen->scrollX + visible);
  bar->setValue(0);
  EXPECT_EQ(screen->scrollX, 0);
  w.key(Qt::Key_Delete);
  QTest::qWait(20);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(screen->scrollX, 0);
}

TEST(MainWindow, LineSpacingAndPageHeightKeys) {
  Window w;
  w.key(Qt::Key_PageUp, Qt::ShiftModifier);
  EXPECT_EQ(w.settings().GYOKEISUU, 6);
  w.key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(w.settings().PAGEA4BAI, 99);
  EXPECT_EQ(w.form().scrollBar()->maximum(), w.state().scrollRange());
}

TEST(MainWindow, WindowA4WidthPreset) {
  Window w;
  QTest::keyClick(&w.form(), Qt::Key_F8, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(w.form().width(), w.state().A4Width);
  EXPECT_EQ(w.form().height(), 600);
  EXPECT_EQ(w.form().pos(), QPoint(60, 40));
  EXPECT_GT(w.state().A4Width, 500);
}

TEST(MainWindow, HelpWithoutItsFileSaysWhatIsMissing) {
  Window w;
  w.key(Qt::Key_F1);
  const auto boxes = w.rec().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "お知らせ");
  EXPECT_EQ(boxes[0].text, "RavloRS02.chm が見あたりません。");
}

TEST(MainWindow, InputStringPanelShowsTheRawLine) {
  Window w("[▼式の表示▼]\nINPUTSTR_DSP=1\n");
  QLabel* label = w.form().inputStringLabel();
  ASSERT_TRUE(label->isVisible());
  w.type("3b2+1");
  EXPECT_EQ(label->text(), QStringLiteral("3b2+1"));
  EXPECT_EQ(w.form().sidePanel()->y(), kInputStringPanelHeight + 2);
  w.type("=");
  EXPECT_EQ(label->text(), QStringLiteral("3b2+1=1k3b2"));
  w.key(Qt::Key_Delete);
  EXPECT_EQ(label->text(), QStringLiteral(""));
}

TEST(MainWindow, AScreenReaderHearsTheLineAsTheVoiceReadsIt) {
  Window w;
  CalcScreen* screen = w.form().screen();
  EXPECT_EQ(screen->accessibleName(), QStringLiteral("計算画面"));
  w.type("3b2+1=");
  EXPECT_EQ(screen->accessibleName(), QStringLiteral("3ぶんの2たす1イコール1と3ぶんの2"));
  EXPECT_EQ(screen->accessibleDescription(), QStringLiteral("3b2+1=1k3b2"));
  w.key(Qt::Key_Delete);
  EXPECT_EQ(screen->accessibleName(), QStringLiteral("計算画面"));
  // Menus are named in words, without their keyboard mnemonics.
  std::vector<QMenu*> menus{w.form().popupMenu()};
  for (QAction* a : w.form().menuBar()->actions()) menus.push_back(a->menu());
  ASSERT_EQ(menus.size(), 6u);
  for (QMenu* menu : menus) {
    const QString name = menu->accessibleName();
    EXPECT_FALSE(name.isEmpty()) << menu->objectName().toStdString();
    EXPECT_FALSE(name.contains('&')) << name.toStdString();
    EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0x7F; }))
        << name.toStdString();
  }
}

TEST(MainWindow, EveryWidgetHasAnAccessibleName) {
  Window w;
  std::vector<QWidget*> all{&w.form(), w.form().inputForm()};
  for (QWidget* top : {static_cast<QWidget*>(&w.form()), static_cast<QWidget*>(w.form().inputForm())}) {
    for (QWidget* child : top->findChildren<QWidget*>()) {
      // Qt's own parts (menu scroll arrows, the status bar's inner label) are named by Qt.
      if (child->objectName().startsWith("qt_") || child->inherits("QMenu")) continue;
      if (child->window() != top) continue;
      all.push_back(child);
    }
  }
  for (QWidget* widget : all) {
    EXPECT_FALSE(widget->accessibleName().isEmpty())
        << widget->metaObject()->className() << " " << widget->objectName().toStdString();
  }
}

}  // namespace
}  // namespace ravlo::test
