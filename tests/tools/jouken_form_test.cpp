// The settings dialog over a real main window: where it opens from, what it looks like,
// what each control does to the settings and the screen, the π field, and closing.
#include <gtest/gtest.h>

#include <ostream>

#include <QAction>
#include <QFontDialog>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>

#include "dialog_support.h"
#include "tools/jouken_form.h"

namespace ravlo::test {
namespace {

using C = JoukenControl;

// A settings dialog shown over a window, without the modal loop, so the test can act on it.
class Jouken {
 public:
  explicit Jouken(std::string_view ini = {}, ToolHooks* hooks = nullptr) : w(ini) {
    ToolHooks h = w.form().toolHooks();
    if (hooks) {
      if (hooks->editGoals) h.editGoals = hooks->editGoals;
      if (hooks->goalEditorOpen) h.goalEditorOpen = hooks->goalEditorOpen;
    }
    form = std::make_unique<JoukenForm>(w.state(), h, &w.form(), &w.form());
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  template <typename T>
  T* get(C c) {
    auto* t = qobject_cast<T*>(form->control(c));
    EXPECT_NE(t, nullptr);
    return t;
  }
  QAbstractButton* button(const char* name) { return child<QAbstractButton>(*form, name); }
  QLineEdit* pai() { return form->paiEdit(); }

  Window w;
  std::unique_ptr<JoukenForm> form;
};

// ---- opening ----

TEST(JoukenForm, OpensModallyFromTheMenusTheKeyAndThePanelAndIsFreedAfterClosing) {
  Window w;
  const std::vector<std::pair<const char*, std::function<void()>>> openers{
      {"menu 条件設定ボックス表示", [&] { w.form().action("N2")->trigger(); }},
      {"popup 条件設定ﾎﾞｯｸｽ表示", [&] { w.form().action("N14")->trigger(); }},
      {"J", [&] { w.key(Qt::Key_J); }},
      {"Shift+J", [&] { w.key(Qt::Key_J, Qt::ShiftModifier); }},
      {"Alt+J", [&] { w.key(Qt::Key_J, Qt::AltModifier); }},
      {"panel 条件J", [&] { w.click("SetteiButton"); }},
  };
  for (const auto& [what, open] : openers) {
    QPointer<QWidget> seen;
    bool modal = false;
    bool flagged = false;
    const std::string name = whileModal(open, [&](QWidget& d) {
      seen = &d;
      modal = d.isModal();
      flagged = w.form().settingsDialogOpen();
    });
    EXPECT_EQ(name, "JoukenForm") << what;
    EXPECT_TRUE(modal) << what;
    EXPECT_TRUE(flagged) << what;
    EXPECT_TRUE(seen.isNull()) << what << ": still there after closing";
    EXPECT_FALSE(w.form().settingsDialogOpen()) << what;
  }
  EXPECT_EQ(w.state().InpSiki, "");
}

TEST(JoukenForm, LooksLikeItsForm) {
  Jouken j;
  JoukenForm& f = *j.form;
  EXPECT_EQ(f.windowTitle(), QStringLiteral("▼条件設定▼"));
  EXPECT_EQ(f.size(), QSize(223, 402));
  EXPECT_EQ(f.palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(f.font().pixelSize(), 12);
  const QRect main = j.w.form().frameGeometry();
  EXPECT_EQ(f.pos(), QPoint(main.x() + main.width() - 223 - 50, main.y() + 50));

  const std::vector<std::string> labels = labelTexts(f);
  for (const char* text : {"速>", "大>", "Min      →     Max", "□ｶｰｿﾙ周期", "m秒", "▼字送り",
                           "[％]", "◎円周率πの近似値", "［代入￥]", "・ページ高(80-400％)",
                           "・行送り(1-12)", "Ａ４高(297㎜)の"}) {
    EXPECT_NE(std::find(labels.begin(), labels.end(), text), labels.end()) << text;
  }
  for (auto [name, title] : {std::pair{"GroupBox1", "◆読み上げの設定（SAPI 対応）◆"},
                             std::pair{"GroupBox2", "◇画面表示の仕方◇"},
                             std::pair{"GroupBox3", "◆計算画面のページ高・行送り"},
                             std::pair{"RadioGroup1", "◆答の表示◆"},
                             std::pair{"RadioGroup4", "◆計算過程を表示？"}}) {
    EXPECT_EQ(child<QGroupBox>(f, name)->title().toStdString(), title);
  }
  for (auto [name, caption] : {std::pair{"CheckBox1", "入力ごと"}, std::pair{"CheckBox2", "式と答え"},
                               std::pair{"CheckBox3", "＊＊＊＊"},
                               std::pair{"CheckBox4", "\"＝\"で改行"},
                               std::pair{"CheckBox5", "文字列式を表示"},
                               std::pair{"CheckBox6", "'×' の省略 可"},
                               std::pair{"CheckBox7", "日付・目標を表示"},
                               std::pair{"CheckBox8", "ｽﾃｰﾀｽﾊﾞｰ表示"},
                               std::pair{"SyoBCheckBox", "小数も表示"},
                               std::pair{"RadioGroup10", "帯分数のみ"},
                               std::pair{"RadioGroup11", "仮分数のみ"},
                               std::pair{"RadioGroup12", "帯・仮分数両方"},
                               std::pair{"RadioGroup40", "表示しない"},
                               std::pair{"RadioGroup41", "表示する"},
                               std::pair{"SpeedButton1", "編集Ｅ"}, std::pair{"Button2", "▲19ケタ"},
                               std::pair{"SpeedButton4", "フｫﾝﾄ&Ｆ"},
                               std::pair{"CalcProcButton", "詳細&Ａ"},
                               std::pair{"SpeedButton2", "閉&C"}}) {
    EXPECT_EQ(j.button(name)->text().toStdString(), caption) << name;
  }
  for (auto [name, hint] : {std::pair{"CheckBox6", "乗法記号 × が省略できる"},
                            std::pair{"SpeedButton1", "『今週の目標』を編集する"},
                            std::pair{"Button2", "π=3.14･･･ の近似値を19ｹﾀまで設定する"},
                            std::pair{"SpeedButton2", "or Esc"}}) {
    EXPECT_EQ(j.button(name)->toolTip().toStdString(), hint) << name;
  }
  EXPECT_EQ(j.pai()->toolTip().toStdString(), "π=3.14･･･ の近似値を決定。画面に Shift＋￥ で貼り付ける");

  // The ＊＊＊＊ box stays disabled whatever 式と答え shows.
  auto* keta = j.get<QCheckBox>(C::CheckBox3);
  EXPECT_FALSE(keta->isEnabled());
  j.get<QCheckBox>(C::CheckBox2)->click();
  EXPECT_FALSE(keta->isEnabled());
  j.get<QCheckBox>(C::CheckBox2)->click();
  EXPECT_FALSE(keta->isEnabled());

  for (QWidget* control : namedControls(f)) {
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className()
                                                      << " " << control->objectName().toStdString();
  }
  expectTidyLayout(f);
}

struct RangeRow {
  C control;
  int min, max, step;
};

TEST(JoukenForm, TrackBarsAndUpDownsKeepTheirRanges) {
  Jouken j;
  for (RangeRow r : {RangeRow{C::UpDown1, 200, 2000, 10}, RangeRow{C::UpDown2, 80, 200, 1},
                     RangeRow{C::UpDown3, 80, 400, 5}, RangeRow{C::UpDown4, 1, 12, 1}}) {
    auto* spin = j.get<QSpinBox>(r.control);
    EXPECT_EQ(std::tuple(spin->minimum(), spin->maximum(), spin->singleStep()),
              std::tuple(r.min, r.max, r.step))
        << spin->objectName().toStdString();
    EXPECT_TRUE(spin->findChild<QLineEdit*>()->isReadOnly());
    EXPECT_FALSE(spin->wrapping());
  }
  for (RangeRow r : {RangeRow{C::SpRateBar, 1, 10, 1}, RangeRow{C::SpVolBar, 0, 10, 1}}) {
    auto* bar = j.get<QSlider>(r.control);
    EXPECT_EQ(std::tuple(bar->minimum(), bar->maximum()), std::tuple(r.min, r.max));
  }
}

TEST(JoukenForm, ShowsTheSettingsItOpensWith) {
  Jouken j(
      "[▼計算画面▼]\nCURSOLTEMPO=650\nPAGEA4BAI=120\nGYOKEISUU=7\nWAKIGAKI=0\n"
      "[▼式の表示▼]\nEQUAL_KAIGYO=1\nKAKERU_ABR=1\n"
      "[▼読み上げ▼]\nALLSTRING=1\nHAYASA=3\nOOKISA=40\n"
      "[▼答の表示▼]\nANSSYU=2\nSYOUDSP=1\n"
      "[▼週の目標▼]\nSOUSUU=2\nDSPBANGOU=1\nMOKUHYOU0=早起き\nMOKUHYOU1=音読\nJIOKURI=120\n"
      "[▼過程表示▼]\nPROCDSP=1\n");
  EXPECT_FALSE(j.get<QCheckBox>(C::CheckBox1)->isChecked());
  EXPECT_TRUE(j.get<QCheckBox>(C::CheckBox2)->isChecked());
  EXPECT_EQ(j.get<QSlider>(C::SpRateBar)->value(), 3);
  EXPECT_EQ(j.get<QSlider>(C::SpVolBar)->value(), 4);
  EXPECT_TRUE(j.get<QCheckBox>(C::CheckBox4)->isChecked());
  EXPECT_FALSE(j.get<QCheckBox>(C::CheckBox5)->isChecked());
  EXPECT_TRUE(j.get<QCheckBox>(C::CheckBox6)->isChecked());
  EXPECT_FALSE(j.get<QCheckBox>(C::CheckBox7)->isChecked());
  EXPECT_TRUE(j.get<QCheckBox>(C::CheckBox8)->isChecked());
  EXPECT_EQ(j.get<RadioGroup>(C::RadioGroup1)->itemIndex(), 2);
  EXPECT_TRUE(j.get<QCheckBox>(C::SyoBCheckBox)->isChecked());
  EXPECT_EQ(j.get<RadioGroup>(C::RadioGroup4)->itemIndex(), 1);
  EXPECT_EQ(j.get<QSpinBox>(C::UpDown1)->value(), 650);
  EXPECT_EQ(j.get<QSpinBox>(C::UpDown2)->value(), 120);
  EXPECT_EQ(j.get<QSpinBox>(C::UpDown3)->value(), 120);
  EXPECT_EQ(j.get<QSpinBox>(C::UpDown4)->value(), 7);
  QComboBox* goals = j.form->goalList();
  ASSERT_EQ(goals->count(), 2);
  EXPECT_EQ(goals->itemText(0), QStringLiteral("早起き"));
  EXPECT_EQ(goals->currentIndex(), 1);
  EXPECT_EQ(j.pai()->text(), QStringLiteral("3.14"));
  // Opening alone changes no setting.
  EXPECT_EQ(j.w.settings().OOKISA, 40);
  EXPECT_TRUE(j.w.rec().boxes().empty());
}

// ---- the controls ----

TEST(JoukenForm, ScreenControlsRepaintTheMainWindowAtOnce) {
  Jouken j;
  Window& w = j.w;
  j.get<QSlider>(C::SpVolBar)->setValue(7);
  EXPECT_EQ(w.settings().OOKISA, 70);
  QTest::keyClick(j.get<QSlider>(C::SpRateBar), Qt::Key_Left);
  EXPECT_EQ(w.settings().HAYASA, 9);
  PaintCounter paints(*w.form().screen());
  paints.take();
  w.type("3b2+1");
  paints.take();

  j.get<QCheckBox>(C::CheckBox4)->click();
  EXPECT_TRUE(w.settings().EQUAL_KAIGYO);
  EXPECT_GT(paints.take(), 0);

  j.get<QCheckBox>(C::CheckBox5)->click();
  EXPECT_TRUE(w.settings().INPUTSTR_DSP);
  EXPECT_TRUE(child<QWidget>(w.form(), "Panel2")->isVisible());
  EXPECT_EQ(w.form().inputStringLabel()->text(), QStringLiteral("3b2+1"));
  EXPECT_GT(paints.take(), 0);

  j.get<QCheckBox>(C::CheckBox7)->click();
  EXPECT_FALSE(w.settings().WAKIGAKI);
  EXPECT_FALSE(w.form().sidePanel()->isVisible());
  j.get<QCheckBox>(C::CheckBox8)->click();
  EXPECT_FALSE(w.settings().SBARDSP);
  EXPECT_FALSE(w.form().statusBar()->isVisible());
  j.get<QCheckBox>(C::CheckBox8)->click();
  EXPECT_TRUE(w.form().statusBar()->isVisible());

  j.get<RadioGroup>(C::RadioGroup4)->item(1)->click();
  EXPECT_TRUE(w.settings().PROCDSP);
  EXPECT_EQ(w.state().ProcTop, static_cast<int>(std::lround(1.5 * w.state().CharH)));
  EXPECT_EQ(w.state().LineMark().text, "◆ ");
  EXPECT_GT(paints.take(), 0);

  QSpinBox* lines = j.get<QSpinBox>(C::UpDown4);
  QTest::keyClick(lines, Qt::Key_Up);
  EXPECT_EQ(w.settings().GYOKEISUU, 6);
  EXPECT_EQ(w.state().GyoKeisuu, 6);
  EXPECT_GT(paints.take(), 0);

  QSpinBox* page = j.get<QSpinBox>(C::UpDown3);
  QTest::keyClick(page, Qt::Key_Up);
  EXPECT_EQ(w.settings().PAGEA4BAI, 105);
  EXPECT_EQ(w.form().scrollBar()->maximum(), w.state().A4Height * 105 / 100);

  // Answer forms and "×" need no repaint.
  paints.take();
  j.get<RadioGroup>(C::RadioGroup1)->item(1)->click();
  j.get<QCheckBox>(C::SyoBCheckBox)->click();
  j.get<QCheckBox>(C::CheckBox6)->click();
  EXPECT_EQ(w.settings().ANSSYU, 1);
  EXPECT_EQ(w.settings().SYOUDSP, 1);
  EXPECT_EQ(w.settings().KAKERU_ABR, 1);
  EXPECT_EQ(paints.take(), 0);
}

TEST(JoukenForm, TheCursorPeriodSetsTheTimer) {
  Jouken j;
  QSpinBox* tempo = j.get<QSpinBox>(C::UpDown1);
  QTest::keyClick(tempo, Qt::Key_Up);
  EXPECT_EQ(j.w.settings().CURSOLTEMPO, 410);
  EXPECT_EQ(j.w.form().cursorTimer().interval(), 410);
  tempo->setValue(200);  // the bottom of the range
  EXPECT_EQ(j.w.settings().CURSOLTEMPO, 200);
  QTest::keyClick(tempo, Qt::Key_Down);
  EXPECT_EQ(j.w.settings().CURSOLTEMPO, 200);
  EXPECT_EQ(j.w.form().cursorTimer().interval(), 200);
  // The number cannot be typed.
  tempo->setFocus();
  QTest::keyClicks(tempo, "9");
  EXPECT_EQ(tempo->value(), 200);
  EXPECT_EQ(j.w.settings().CURSOLTEMPO, 200);
}

TEST(JoukenForm, TheGoalShownAndItsAdvance) {
  Jouken j("[▼週の目標▼]\nSOUSUU=3\nDSPBANGOU=0\nMOKUHYOU0=早起き\nMOKUHYOU1=音読\nMOKUHYOU2=計算\n");
  GoalLabel* label = j.w.form().sidePanel()->goalLabel();
  j.form->goalList()->setCurrentIndex(2);
  EXPECT_EQ(j.w.settings().DSPBANGOU, 2);
  EXPECT_EQ(label->accessibleDescription(), QStringLiteral("計算"));
  QTest::keyClick(j.get<QSpinBox>(C::UpDown2), Qt::Key_Up);
  EXPECT_EQ(j.w.settings().JIOKURI, 101);
}

// ---- buttons ----

TEST(JoukenForm, TheGoalEditorOpensModallyFromTheButtonAndAltE) {
  Jouken j;
  bool flagged = false;
  EXPECT_EQ(whileModal([&] { j.button("SpeedButton1")->click(); },
                       [&](QWidget&) { flagged = j.w.form().toolHooks().goalEditorOpen(); }),
            "MokuhyouEditForm");
  EXPECT_TRUE(flagged);
  EXPECT_FALSE(j.w.form().toolHooks().goalEditorOpen());
  EXPECT_EQ(whileModal([&] { QTest::keyClick(j.form->goalList(), Qt::Key_E, Qt::AltModifier); }),
            "MokuhyouEditForm");
  EXPECT_TRUE(j.form->isVisible());
}

TEST(JoukenForm, ConfirmedGoalsFillTheListAndTheFirstIsShown) {
  std::vector<std::string> given;
  int opened = 0;
  std::optional<std::vector<std::string>> answer;
  bool editorOpen = false;
  ToolHooks hooks;
  hooks.editGoals = [&](const std::vector<std::string>& goals) {
    ++opened;
    given = goals;
    return answer;
  };
  hooks.goalEditorOpen = [&] { return editorOpen; };
  Jouken j("[▼週の目標▼]\nSOUSUU=2\nDSPBANGOU=1\nMOKUHYOU0=早起き\nMOKUHYOU1=音読\n", &hooks);
  QComboBox* list = j.form->goalList();

  // Cancelled: nothing changes.
  j.button("SpeedButton1")->click();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(given, (std::vector<std::string>{"早起き", "音読"}));
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(j.w.settings().DSPBANGOU, 1);

  std::vector<std::string> lines;
  for (int i = 1; i <= 11; ++i) lines.push_back("目標" + std::to_string(i));
  answer = lines;
  j.button("SpeedButton1")->click();
  EXPECT_EQ(list->count(), 10);
  EXPECT_EQ(list->currentIndex(), 0);
  EXPECT_TRUE(list->hasFocus());
  EXPECT_EQ(j.w.settings().MOKUHYOU_SOUSUU, 10);
  EXPECT_EQ(j.w.settings().MOKUHYOU[9], "目標10");
  EXPECT_EQ(j.w.settings().DSPBANGOU, 0);
  EXPECT_EQ(j.w.form().sidePanel()->goalLabel()->accessibleDescription(), QStringLiteral("目標1"));

  // While the editor is open the button does nothing.
  editorOpen = true;
  j.button("SpeedButton1")->click();
  EXPECT_EQ(opened, 2);
}

TEST(JoukenForm, FontAndDetailButtonsAndTheirKeys) {
  Jouken j;
  JoukenForm& f = *j.form;
  EXPECT_EQ(whileModal([&] { j.button("SpeedButton4")->click(); }), "FontDialog1");
  EXPECT_EQ(whileModal([&] { QTest::keyClick(f.paiEdit(), Qt::Key_F, Qt::AltModifier); }),
            "FontDialog1");
  EXPECT_EQ(whileModal([&] { j.button("CalcProcButton")->click(); }), "CalcProcSetForm");
  EXPECT_EQ(whileModal([&] { QTest::keyClick(f.paiEdit(), Qt::Key_A, Qt::AltModifier); }),
            "CalcProcSetForm");
  // The keys went to the dialog, not into the π field.
  EXPECT_EQ(f.paiEdit()->text(), QStringLiteral("3.14"));
  EXPECT_TRUE(f.isVisible());
}

// ---- the π field ----

TEST(JoukenForm, ASecondPointIsReportedAtOnce) {
  Jouken j;
  QLineEdit* pai = j.pai();
  pai->setFocus();
  pai->end(false);
  QTest::keyClick(pai, Qt::Key_Period);
  const auto boxes = j.w.rec().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "警告！");
  EXPECT_EQ(boxes[0].text, "'.' が複数あります。");
  EXPECT_EQ(pai->text(), QStringLiteral("3.14."));
  EXPECT_EQ(j.w.state().PaiStr, "3.14.");
}

TEST(JoukenForm, TheTwentyFirstCharacterIsRefusedAndTheFieldGoesBack) {
  Jouken j;
  QLineEdit* pai = j.pai();
  j.button("Button2")->click();
  EXPECT_EQ(pai->text(), QStringLiteral("3.141592653589793238"));
  EXPECT_EQ(j.w.state().PaiStr, "3.141592653589793238");
  EXPECT_TRUE(j.w.rec().boxes().empty());
  pai->setFocus();
  pai->end(false);
  QTest::keyClick(pai, Qt::Key_4);
  const auto boxes = j.w.rec().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "20字以上は長すぎる。");
  EXPECT_EQ(pai->text(), QStringLiteral("3.141592653589793238"));
  EXPECT_EQ(j.w.state().PaiStr, "3.141592653589793238");
}

struct LeaveRow {
  const char* text;
  const char* message;
  int selected;
  friend void PrintTo(const LeaveRow& r, std::ostream* os) { *os << '"' << r.text << '"'; }
};

class PaiLeaving : public ::testing::TestWithParam<LeaveRow> {};

TEST_P(PaiLeaving, SelectsTheOffendingCharacter) {
  const LeaveRow& row = GetParam();
  for (bool byEnter : {true, false}) {
    Jouken j;
    QLineEdit* pai = j.pai();
    pai->setFocus();
    pai->setText(QString::fromUtf8(row.text));
    j.w.rec().clear();
    if (byEnter) {
      QTest::keyClick(pai, Qt::Key_Return);
    } else {
      j.get<QSlider>(C::SpRateBar)->setFocus(Qt::TabFocusReason);
      QTest::qWait(10);
    }
    const auto boxes = j.w.rec().boxes();
    ASSERT_EQ(boxes.size(), 1u) << row.text << (byEnter ? " Enter" : " Tab");
    EXPECT_EQ(boxes[0].text, row.message);
    EXPECT_TRUE(pai->hasFocus()) << row.text;
    EXPECT_EQ(pai->selectionStart(), row.selected) << row.text;
    EXPECT_EQ(pai->selectedText().size(), 1) << row.text;
    // Enter does not close the dialog.
    EXPECT_TRUE(j.form->isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, PaiLeaving,
                         ::testing::Values(LeaveRow{".5", "数値の先頭が '.' は不適切です。", 0},
                                           LeaveRow{"3.", "数値の末尾が '.' は不適切です。", 1},
                                           LeaveRow{"3.1a", "数値として不適切です。", 3},
                                           LeaveRow{"3.1.5", "'.' が複数あります。", 3},
                                           LeaveRow{"3.１a", "数値として不適切です。", 2}));

TEST(JoukenForm, AGoodPiTextLeavesQuietly) {
  Jouken j;
  QLineEdit* pai = j.pai();
  pai->setFocus();
  pai->setText(QStringLiteral("3.1416"));
  QTest::keyClick(pai, Qt::Key_Return);
  j.get<QSlider>(C::SpRateBar)->setFocus(Qt::TabFocusReason);
  QTest::qWait(10);
  EXPECT_TRUE(j.w.rec().boxes().empty());
  EXPECT_TRUE(j.get<QSlider>(C::SpRateBar)->hasFocus());
  EXPECT_EQ(j.w.state().PaiStr, "3.1416");
}

// ---- closing ----

class Closers : public ::testing::TestWithParam<const char*> {};

TEST_P(Closers, CloseAndTakeTheAnswerForm) {
  const std::string how = GetParam();
  Jouken j;
  JoukenForm& f = *j.form;
  j.get<RadioGroup>(C::RadioGroup1)->item(2)->click();
  j.get<QCheckBox>(C::SyoBCheckBox)->click();
  // Nothing to cancel: the settings changed already.
  EXPECT_EQ(j.w.settings().ANSSYU, 2);
  EXPECT_EQ(j.w.state().AnsForm, 0);
  j.pai()->setText(QStringLiteral("3.1416"));
  if (how == "Esc") {
    QTest::keyClick(j.get<QSpinBox>(C::UpDown1), Qt::Key_Escape);
  } else if (how == "Alt+C") {
    QTest::keyClick(j.pai(), Qt::Key_C, Qt::AltModifier);
  } else if (how == "閉") {
    j.button("SpeedButton2")->click();
  } else {
    f.close();
  }
  EXPECT_FALSE(f.isVisible()) << how;
  EXPECT_EQ(j.w.state().AnsForm, 6) << how;
  EXPECT_EQ(j.w.state().PaiStr, "3.1416") << how;
  EXPECT_EQ(j.w.settings().ANSSYU, 2) << how;
}

INSTANTIATE_TEST_SUITE_P(Ways, Closers, ::testing::Values("Esc", "Alt+C", "閉", "window"));

TEST(JoukenForm, TheYenKeyTypesThePiTextChosen) {
  Window w;
  whileModal([&] { w.form().action("N2")->trigger(); },
             [&](QWidget& d) {
               auto* pai = d.findChild<QLineEdit*>("Edit3");
               pai->setText(QStringLiteral("2.7"));
               d.findChild<QAbstractButton*>("SpeedButton2")->click();
             });
  EXPECT_EQ(w.state().PaiStr, "2.7");
  w.key(Qt::Key_yen);
  EXPECT_EQ(w.state().InpSiki, "2.7");

}

}  // namespace
}  // namespace ravlo::test
