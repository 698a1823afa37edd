// The process-settings dialog over a real main window, and what it does to a worked solution
// on the screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>

#include "app/main_display.h"
#include "dialog_support.h"
#include "render/recording_canvas.h"
#include "tools/calc_proc_set_form.h"
#include "tools/jouken_form.h"

namespace ravlo::test {
namespace {

using C = CalcProcControl;

class ProcSet {
 public:
  explicit ProcSet(std::string_view ini = {}) : w(ini) { open(); }

  void open() {
    form = std::make_unique<CalcProcSetForm>(w.state(), w.form().toolHooks(), &w.form(), &w.form());
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  template <typename T>
  T* get(C c) {
    auto* t = qobject_cast<T*>(form->control(c));
    EXPECT_NE(t, nullptr);
    return t;
  }

  Window w;
  std::unique_ptr<CalcProcSetForm> form;
};

// What the calculation screen draws now, on a recording canvas.
RecordingCanvas screenPicture(Window& w) {
  RecordingCanvas c;
  setUpCalcCanvas(c, w.settings());
  MainPaint(c, w.state(), 800, 1200, false);
  return c;
}

int adviceLines(const RecordingCanvas& c) {
  int n = 0;
  for (const auto& t : c.texts()) {
    if (t.text.rfind("⇒", 0) == 0 || t.text.rfind("⇔", 0) == 0) ++n;
  }
  return n;
}

TEST(CalcProcSetForm, OpensFromTheMenuThePanelAndTheSettingsDialog) {
  Window w;
  QPointer<QWidget> seen;
  EXPECT_EQ(whileModal([&] { w.form().action("A1")->trigger(); },
                       [&](QWidget& d) {
                         seen = &d;
                         EXPECT_TRUE(d.isModal());
                       }),
            "CalcProcSetForm");
  EXPECT_TRUE(seen.isNull());
  EXPECT_EQ(whileModal([&] {
              QTest::keyClick(w.form().inputForm(), Qt::Key_A, Qt::AltModifier);
            }),
            "CalcProcSetForm");

  // From the settings dialog: its button and Alt+A, the settings dialog staying open.
  std::string nested;
  whileModal([&] { w.form().action("N2")->trigger(); },
             [&](QWidget& jouken) {
               nested = whileModal([&] {
                 jouken.findChild<QAbstractButton*>("CalcProcButton")->click();
               });
               EXPECT_TRUE(jouken.isVisible());
             });
  EXPECT_EQ(nested, "CalcProcSetForm");
  whileModal([&] { w.form().action("N2")->trigger(); },
             [&](QWidget& jouken) {
               nested = whileModal([&] { QTest::keyClick(&jouken, Qt::Key_A, Qt::AltModifier); });
             });
  EXPECT_EQ(nested, "CalcProcSetForm");
}

TEST(CalcProcSetForm, LooksLikeItsForm) {
  ProcSet p;
  CalcProcSetForm& f = *p.form;
  EXPECT_EQ(f.windowTitle(), QStringLiteral("◆詳細設定◆"));
  EXPECT_EQ(f.size(), QSize(200, 321));
  EXPECT_TRUE(f.windowFlags().testFlag(Qt::Tool));
  EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0xC0, 0xDC, 0xC0));
  EXPECT_EQ(child<QGroupBox>(f, "GroupBox1")->palette().color(QPalette::Window), QColor(255, 255, 0));
  const QRect main = p.w.form().frameGeometry();
  EXPECT_EQ(f.pos(), QPoint(main.x() + main.width() - 200 - 40, main.y() + 60));

  for (auto [name, title] : {std::pair{"GroupBox1", "◆計算式の詳細設定◆"},
                             std::pair{"GroupBox2", "▼その他いろいろな計算の設定▼"},
                             std::pair{"RadioGroup2", "◇式の詳しさ◇"},
                             std::pair{"RadioGroup1", "★最終表示★"},
                             std::pair{"RadioGroup3", "素因数分解後の約数の和の表示"}}) {
    EXPECT_EQ(child<QGroupBox>(f, name)->title().toStdString(), title);
  }
  for (auto [name, caption] :
       {std::pair{"AdvCheckBox", "式の後にアドバイスを表示"}, std::pair{"RadioGroup20", "ふつう"},
        std::pair{"RadioGroup21", "くわしい"}, std::pair{"RadioGroup10", "帯分数"},
        std::pair{"RadioGroup11", "仮分数"}, std::pair{"CheckBox1", "帯分数､仮分数の変換で約分"},
        std::pair{"CheckBox2", "素因数分解時に中断が可能"},
        std::pair{"RadioGroup30", "元の数を除く[10個で改行]"},
        std::pair{"RadioGroup31", "元の数を除く[５個で改行]"},
        std::pair{"RadioGroup32", "全約数[10個で改行]"}, std::pair{"RadioGroup33", "全約数[５個で改行]"},
        std::pair{"RetKeyChkBox", "Returnを＝とみなす"},
        std::pair{"CheckBox3", "わり算で商と余りを出す"}, std::pair{"CloseButton", "閉じる C"}}) {
    EXPECT_EQ(child<QAbstractButton>(f, name)->text().toStdString(), caption) << name;
  }
  const std::vector<std::string> labels = labelTexts(f);
  for (const char* text : {"・商は小数第", "位まで求める"}) {
    EXPECT_NE(std::find(labels.begin(), labels.end(), text), labels.end()) << text;
  }
  auto* places = p.get<QSpinBox>(C::UpDown1);
  // 0 … 6, and as far as the default of 10 that the settings hold.
  EXPECT_EQ(std::tuple(places->minimum(), places->maximum()), std::tuple(0, 10));
  EXPECT_FALSE(places->wrapping());
  EXPECT_TRUE(places->findChild<QLineEdit*>()->isReadOnly());
  for (QWidget* control : namedControls(f)) {
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
  }
  expectTidyLayout(f);
}

TEST(CalcProcSetForm, ShowsTheSettingsItOpensWith) {
  ProcSet p(
      "[▼過程表示▼]\nADVICEDSP=1\nPROCTEIDO=1\nPROCLASTANS=0\n"
      "[▼式の編集▼]\nRETKEYFLAG=0\n"
      "[▼素因数分解▼]\nWA_TYPE=1\n1GYOU_SUU=10\n"
      "[▼その他▼]\nWARI_TYPE=0\nWARI_PNT=3\n");
  EXPECT_TRUE(p.get<QCheckBox>(C::AdvCheckBox)->isChecked());
  EXPECT_EQ(p.get<RadioGroup>(C::RadioGroup2)->itemIndex(), 1);
  EXPECT_EQ(p.get<RadioGroup>(C::RadioGroup1)->itemIndex(), 0);
  EXPECT_TRUE(p.get<QCheckBox>(C::CheckBox1)->isChecked());
  EXPECT_TRUE(p.get<QCheckBox>(C::CheckBox2)->isChecked());
  EXPECT_EQ(p.get<RadioGroup>(C::RadioGroup3)->itemIndex(), 2);
  EXPECT_FALSE(p.get<QCheckBox>(C::RetKeyChkBox)->isChecked());
  EXPECT_FALSE(p.get<QCheckBox>(C::CheckBox3)->isChecked());
  EXPECT_EQ(p.get<QSpinBox>(C::UpDown1)->value(), 3);
  EXPECT_FALSE(p.get<QSpinBox>(C::UpDown1)->isEnabled());
}

TEST(CalcProcSetForm, TheQuotientPlacesFollowTheRemainderBox) {
  ProcSet p;
  // The default of 10 places is more than the dialog offers: shown as it is, and opening
  // the dialog leaves it alone.
  QSpinBox* places = p.get<QSpinBox>(C::UpDown1);
  EXPECT_EQ(places->value(), 10);
  EXPECT_EQ(p.w.settings().WARI_PNT, 10);
  p.get<QCheckBox>(C::CheckBox3)->click();
  EXPECT_EQ(p.w.settings().WARI_TYPE, 1);
  EXPECT_TRUE(places->isEnabled());
  QTest::keyClick(places, Qt::Key_Up);
  EXPECT_EQ(p.w.settings().WARI_PNT, 10);  // no wrap
  QTest::keyClick(places, Qt::Key_Down);
  QTest::keyClick(places, Qt::Key_Down);
  EXPECT_EQ(p.w.settings().WARI_PNT, 8);
  p.get<QCheckBox>(C::CheckBox3)->click();
  EXPECT_EQ(p.w.settings().WARI_TYPE, 0);
  EXPECT_FALSE(places->isEnabled());
}

TEST(CalcProcSetForm, TheInterruptBoxLeavesTheReductionBoxAloneAndTheMenuFollows) {
  ProcSet p;
  QAction* n20 = p.w.form().action("N20");
  QCheckBox* abort = p.get<QCheckBox>(C::CheckBox2);
  QCheckBox* reduce = p.get<QCheckBox>(C::CheckBox1);
  abort->click();
  EXPECT_FALSE(p.w.state().SoinsuuAbort);
  EXPECT_FALSE(n20->isChecked());
  EXPECT_TRUE(reduce->isChecked());
  abort->click();
  EXPECT_TRUE(p.w.state().SoinsuuAbort);
  EXPECT_TRUE(n20->isChecked());
  EXPECT_TRUE(reduce->isChecked());
  EXPECT_EQ(p.w.state().process.options.HENKAN_YAKUBUN, 1);
  reduce->click();
  EXPECT_EQ(p.w.state().process.options.HENKAN_YAKUBUN, 0);
  EXPECT_TRUE(p.w.state().SoinsuuAbort);
}

TEST(CalcProcSetForm, TheFourthDivisorItemComesBackOnReopening) {
  ProcSet p;
  p.get<RadioGroup>(C::RadioGroup3)->item(3)->click();
  EXPECT_EQ(p.w.settings().WA_TYPE, 1);
  EXPECT_EQ(p.w.settings().ICHIGYOU_SUU, 5);
  p.form->close();
  p.open();
  EXPECT_EQ(p.get<RadioGroup>(C::RadioGroup3)->itemIndex(), 3);
  p.get<RadioGroup>(C::RadioGroup3)->item(0)->click();
  EXPECT_EQ(p.w.settings().WA_TYPE, 0);
  EXPECT_EQ(p.w.settings().ICHIGYOU_SUU, 10);
}

TEST(CalcProcSetForm, ReturnCountsAsEqualsOnlyWhileTicked) {
  ProcSet p;
  p.get<QCheckBox>(C::RetKeyChkBox)->click();
  EXPECT_FALSE(p.w.settings().RETKEYFLAG);
  p.form->close();
  p.w.type("1+2");
  p.w.key(Qt::Key_Return);
  EXPECT_EQ(p.w.state().InpSiki, "1+2");
}

TEST(CalcProcSetForm, AdviceLinesAppearOnTheWorkedSolutionOnTheScreen) {
  ProcSet p("[▼過程表示▼]\nPROCDSP=1\n");
  Window& w = p.w;
  w.type("3b2*4b9=");
  ASSERT_NE(w.state().process.ProcType, 0) << w.state().InpSiki;
  const RecordingCanvas before = screenPicture(w);
  EXPECT_EQ(adviceLines(before), 0) << before.dump();

  PaintCounter paints(*w.form().screen());
  paints.take();
  p.get<QCheckBox>(C::AdvCheckBox)->click();
  EXPECT_TRUE(w.settings().ADVICEDSP);
  EXPECT_GT(paints.take(), 0);
  const RecordingCanvas after = screenPicture(w);
  EXPECT_GT(adviceLines(after), 0) << after.dump();
  // The first step keeps its advice 1 even at the ordinary level.
  EXPECT_NE(after.allText().find("約分できるものは"), std::string::npos) << after.dump();
}

TEST(CalcProcSetForm, TheDetailedLevelDrawsTheCommonDenominatorSteps) {
  ProcSet p("[▼過程表示▼]\nPROCDSP=1\nADVICEDSP=1\n");
  Window& w = p.w;
  w.type("2b1+3b1=");
  ASSERT_NE(w.state().process.ProcType, 0) << w.state().InpSiki;
  const std::string ordinary = screenPicture(w).allText();
  p.get<RadioGroup>(C::RadioGroup2)->item(1)->click();
  EXPECT_TRUE(w.settings().PROCTEIDO);
  const std::string detailed = screenPicture(w).allText();
  EXPECT_EQ(ordinary.find("[通分]"), std::string::npos) << ordinary;
  EXPECT_NE(detailed.find("[通分]"), std::string::npos) << detailed;
  EXPECT_GT(detailed.size(), ordinary.size());
}

TEST(CalcProcSetForm, TheFinalFormOfTheNextWorkedSolution) {
  ProcSet p("[▼過程表示▼]\nPROCDSP=1\n");
  Window& w = p.w;
  w.type("3b2+3b2=");
  const std::string mixed = w.state().process.ProcText;
  w.key(Qt::Key_Delete);
  p.get<RadioGroup>(C::RadioGroup1)->item(1)->click();
  EXPECT_TRUE(w.settings().PROCLASTANS);
  w.type("3b2+3b2=");
  const std::string improper = w.state().process.ProcText;
  EXPECT_NE(mixed.find("~020X=1k3b1~"), std::string::npos) << mixed;
  EXPECT_NE(improper.find("~020X=3b4~"), std::string::npos) << improper;
  EXPECT_EQ(improper.find("1k3b1"), std::string::npos) << improper;
}

TEST(CalcProcSetForm, ReductionBeforeTheImproperToMixedProcess) {
  ProcSet p("[▼過程表示▼]\nPROCDSP=1\n");
  Window& w = p.w;
  w.type("4b6");
  w.key(Qt::Key_T, Qt::ControlModifier);
  const std::string reduced = w.state().process.ProcText;
  EXPECT_EQ(reduced.rfind("001X4b6~058A=4b6~043X=2b3~", 0), 0u) << reduced;
  p.get<QCheckBox>(C::CheckBox1)->click();
  w.key(Qt::Key_Delete);
  w.type("4b6");
  w.key(Qt::Key_T, Qt::ControlModifier);
  const std::string asItIs = w.state().process.ProcText;
  EXPECT_EQ(asItIs.find("058A"), std::string::npos) << asItIs;
  EXPECT_NE(asItIs.find("4b6"), std::string::npos) << asItIs;
}

TEST(CalcProcSetForm, AltCAndTheButtonClose) {
  for (bool byKey : {true, false}) {
    ProcSet p;
    if (byKey) {
      QTest::keyClick(p.get<QCheckBox>(C::AdvCheckBox), Qt::Key_C, Qt::AltModifier);
    } else {
      child<QAbstractButton>(*p.form, "CloseButton")->click();
    }
    EXPECT_FALSE(p.form->isVisible()) << (byKey ? "Alt+C" : "閉じる");
    EXPECT_EQ(p.form->result(), QDialog::Rejected);
  }
}

}  // namespace
}  // namespace ravlo::test
