// The conversion commands from the input panel, the keys and the menus of the main window.
#include <gtest/gtest.h>

#include <QAction>

#include "app/model/settings_file.h"
#include "window_fixture.h"

namespace ravlo::test {
namespace {

TEST(ConversionWindow, AnswerButtonsConvertAndWaitForTheNextClear) {
  Window w("[▼答の表示▼]\nANSSYU=1\n");
  InputForm* panel = w.form().inputForm();
  w.type("3b4+3b1=");
  ASSERT_EQ(w.state().InpSiki, "3b4+3b1=3b5");
  ASSERT_TRUE(panel->button("Button19")->isEnabled());

  w.click("Button19");  // 帯T
  EXPECT_EQ(w.state().InpSiki, "3b4+3b1=3b5=1k3b2");
  EXPECT_FALSE(panel->button("Button19")->isEnabled());
  // A disabled button looks disabled.
  const QPalette pal = panel->button("Button19")->palette();
  EXPECT_NE(pal.color(QPalette::Disabled, QPalette::ButtonText),
            pal.color(QPalette::Active, QPalette::ButtonText));
  w.click("toSyousuuButton");  // 小S
  EXPECT_TRUE(w.state().InpSiki.starts_with("3b4+3b1=3b5=1k3b2=1.66")) << w.state().InpSiki;
  EXPECT_FALSE(panel->button("toSyousuuButton")->isEnabled());
  EXPECT_FALSE(panel->button("Button18")->isEnabled());  // the improper form was the answer
  EXPECT_EQ(w.form().screen()->accessibleDescription().toStdString(), w.state().InpSiki);

  w.click("SpeedButton1");  // 消D
  for (const char* b : {"Button19", "Button18", "toSyousuuButton"}) {
    EXPECT_TRUE(panel->button(b)->isEnabled()) << b;
  }
  w.type("3b4+3b1=");
  w.key(Qt::Key_K, Qt::ControlModifier);  // the improper form is the answer: nothing
  EXPECT_EQ(w.state().InpSiki, "3b4+3b1=3b5");
  w.key(Qt::Key_T, Qt::ControlModifier);
  w.key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(panel->button("Button19")->isEnabled());
  EXPECT_FALSE(panel->button("toSyousuuButton")->isEnabled());
  EXPECT_TRUE(w.rec().boxes().empty());
}

TEST(ConversionWindow, ImproperButtonOnAMixedAnswer) {
  Window w;
  InputForm* panel = w.form().inputForm();
  w.type("3b4+3b1=");
  ASSERT_EQ(w.state().InpSiki, "3b4+3b1=1k3b2");
  w.click("Button18");  // 仮K
  EXPECT_EQ(w.state().InpSiki, "3b4+3b1=1k3b2=3b5");
  EXPECT_FALSE(panel->button("Button18")->isEnabled());
  w.key(Qt::Key_Delete);
  EXPECT_TRUE(panel->button("Button18")->isEnabled());
}

TEST(ConversionWindow, ControlKeysReduceAndConvertDecimals) {
  Window w;
  w.type("6b4");
  w.key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, "6b4=3b2");
  EXPECT_EQ(w.status(), "◆約分の過程を表示しました。");
  w.key(Qt::Key_Delete);
  w.type("0.25");
  w.key(Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, "0.25=4b1");
  EXPECT_EQ(w.status(), "◆小数を分数になおしました。");
}

TEST(ConversionWindow, PrimeFactorizationByKeyMenuAndPopup) {
  Window w;
  w.type("6");
  w.key(Qt::Key_S, Qt::ShiftModifier);
  EXPECT_EQ(w.state().InpSiki, "6=2*3");
  EXPECT_TRUE(w.state().SoinsuuShown);
  EXPECT_EQ(w.status(), "◆素因数分解をおこないました。");
  for (const char* item : {"N25", "N11"}) {
    w.key(Qt::Key_Delete);
    w.type("12");
    w.form().action(item)->trigger();
    EXPECT_EQ(w.state().InpSiki, "12=2^2*3") << item;
  }
  // A refused line beeps and says what to type.
  w.key(Qt::Key_Delete);
  w.type("2+3");
  w.form().action("N25")->trigger();
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].caption, "◇素因数分解◇");
  EXPECT_EQ(w.state().InpSiki, "2+3");
}

TEST(ConversionWindow, TheInterruptItemReachesTheFactorization) {
  Window w;
  QAction* n20 = w.form().action("N20");
  ASSERT_TRUE(n20->isChecked());
  n20->trigger();
  EXPECT_FALSE(w.state().SoinsuuAbort);
  w.type("6");
  w.key(Qt::Key_S, Qt::ShiftModifier);
  bool sawHint = false;
  for (const auto& e : w.rec().entries()) {
    if (e.kind == RecordingSink::Kind::Status &&
        e.text.find("Ctrl＋Alt＋Delete") != std::string::npos) {
      sawHint = true;
    }
  }
  EXPECT_TRUE(sawHint);
}

TEST(ConversionWindow, RepeatingDecimalFromThePanelKeyAndTheMenu) {
  Window w;
  InputForm* panel = w.form().inputForm();
  w.type("3b1");
  QTest::keyClick(panel, Qt::Key_R, Qt::ShiftModifier);
  EXPECT_EQ(w.state().InpSiki, "3b1=0.@3");
  w.key(Qt::Key_Delete);
  w.type("6b1");
  w.form().action("R2")->trigger();
  EXPECT_EQ(w.state().InpSiki, "6b1=0.1@6");
}

TEST(ConversionWindow, BaseNModeFromThePanelAndTheMenus) {
  Window w("[▼読み上げ▼]\nEVERYINPUT=1\n");
  InputForm* panel = w.form().inputForm();
  QAction* n26 = w.form().action("N26");
  QAction* n27 = w.form().action("N27");
  QTest::keyClick(panel, Qt::Key_N, Qt::ShiftModifier);
  ASSERT_TRUE(w.state().NsinMode);
  EXPECT_TRUE(n26->isChecked());
  EXPECT_TRUE(n27->isChecked());
  EXPECT_EQ(w.status(), "Ｎ進法変換モードに入りました！!");
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].caption, "ｎ進法の変換！");
  EXPECT_EQ(w.settings().EVERYINPUT, 0);

  // 255>(16 typed with "." for ">", converted by "/".
  w.type("255.(16");
  EXPECT_EQ(w.state().InpSiki, "255>(16");
  w.type("/");
  EXPECT_EQ(w.state().InpSiki, "255(10)=FF(16)");
  EXPECT_FALSE(w.state().InpAccept);
  // FF(16 by the letter keys and the "?" button.
  w.key(Qt::Key_Delete);
  w.type("FF(16");
  w.click("SpeedButton23");
  EXPECT_EQ(w.state().InpSiki, "FF(16)=255(10)");
  // 11(2) closed by "=".
  w.key(Qt::Key_Delete);
  w.type("11(2)=");
  EXPECT_EQ(w.state().InpSiki, "11(2)=3(10)");
  // "=" and Return convert with the last ")" left out, as "/" does.
  w.key(Qt::Key_Delete);
  w.type("12(3.5=");
  EXPECT_EQ(w.state().InpSiki, "12(3)=10(5)");
  w.key(Qt::Key_Delete);
  w.type("255.(16");
  w.key(Qt::Key_Return);
  EXPECT_EQ(w.state().InpSiki, "255(10)=FF(16)");
  EXPECT_EQ(w.rec().boxes().size(), 1u);

  n27->trigger();
  EXPECT_FALSE(w.state().NsinMode);
  EXPECT_FALSE(n26->isChecked());
  EXPECT_FALSE(n27->isChecked());
  EXPECT_EQ(w.status(), "Ｎ進法変換モードを出ました！!");
  EXPECT_EQ(w.settings().EVERYINPUT, 1);
  // Outside the mode "/" divides.
  w.key(Qt::Key_Delete);
  w.type("11/2");
  EXPECT_EQ(w.state().InpSiki, "11/2");
  EXPECT_EQ(w.rec().boxes().size(), 1u);
}

TEST(ConversionWindow, ClosingInBaseNModeKeepsTheSpokenKeysSetting) {
  auto w = std::make_unique<Window>("[▼読み上げ▼]\nEVERYINPUT=1\n");
  w->form().action("N26")->trigger();
  ASSERT_TRUE(w->state().NsinMode);
  ASSERT_TRUE(w->closeWindow());
  CalcSettings again;
  RecordingSink sink;
  SettingsLoad(again, w->ini(), sink);
  EXPECT_EQ(again.EVERYINPUT, 1);
}

}  // namespace
}  // namespace ravlo::test
