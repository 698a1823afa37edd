// The settings dialog without its window: what each control shows, writes and asks of the
// main window.
#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "tests/app/calc_state_support.h"
#include "tests/param_names.h"
#include "tools/model/jouken_model.h"

namespace ravlo::test {
namespace {

using testing_support::Session;
using C = JoukenControl;
using E = ToolEffects;

struct WriteRow {
  const char* what;
  C control;
  int value;
  std::function<bool(CalcState&)> written;
  ToolEffects effects;
  friend void PrintTo(const WriteRow& r, std::ostream* os) { *os << r.what; }
};

class ControlWrites : public ::testing::TestWithParam<WriteRow> {};

TEST_P(ControlWrites, TheSettingAtOnce) {
  const WriteRow& row = GetParam();
  Session s;
  JoukenModel model(*s);
  const int repaintsBefore = s.view.repaints;
  EXPECT_EQ(model.change(row.control, row.value), row.effects) << row.what;
  EXPECT_TRUE(row.written(*s)) << row.what;
  // The model asks for repaints; it does not paint itself.
  EXPECT_EQ(s.view.repaints, repaintsBefore) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlWrites,
    ::testing::Values(
        WriteRow{"入力ごと", C::CheckBox1, 1,
                 [](CalcState& st) { return st.settings().EVERYINPUT == 1; }, {}},
        WriteRow{"式と答え", C::CheckBox2, 1,
                 [](CalcState& st) { return st.settings().ALLSTRING == 1; }, {}},
        WriteRow{"＊＊＊＊", C::CheckBox3, 1,
                 [](CalcState& st) { return st.settings().WITHKETA == 1; }, {}},
        WriteRow{"rate", C::SpRateBar, 3,
                 [](CalcState& st) { return st.settings().HAYASA == 3; }, {}},
        WriteRow{"volume 7 is 70", C::SpVolBar, 7,
                 [](CalcState& st) { return st.settings().OOKISA == 70; }, {}},
        WriteRow{"volume 0", C::SpVolBar, 0,
                 [](CalcState& st) { return st.settings().OOKISA == 0; }, {}},
        WriteRow{"= line break", C::CheckBox4, 1,
                 [](CalcState& st) { return st.settings().EQUAL_KAIGYO; }, E::Repaint},
        WriteRow{"input string", C::CheckBox5, 1,
                 [](CalcState& st) { return st.settings().INPUTSTR_DSP; }, E::Repaint},
        WriteRow{"× omitted", C::CheckBox6, 1,
                 [](CalcState& st) { return st.settings().KAKERU_ABR == 1; }, {}},
        WriteRow{"side panel off", C::CheckBox7, 0,
                 [](CalcState& st) { return !st.settings().WAKIGAKI; },
                 E::Repaint | E::SidePanel},
        WriteRow{"status bar off", C::CheckBox8, 0,
                 [](CalcState& st) { return !st.settings().SBARDSP; }, E::Repaint},
        WriteRow{"both answer forms", C::RadioGroup1, 2,
                 [](CalcState& st) { return st.settings().ANSSYU == 2; }, {}},
        WriteRow{"decimal too", C::SyoBCheckBox, 1,
                 [](CalcState& st) { return st.settings().SYOUDSP == 1; }, {}},
        WriteRow{"process on: the margin above the line", C::RadioGroup4, 1,
                 [](CalcState& st) { return st.settings().PROCDSP && st.ProcTop == 29; },
                 E::Repaint},
        WriteRow{"cursor period", C::UpDown1, 1230,
                 [](CalcState& st) { return st.settings().CURSOLTEMPO == 1230; },
                 E::CursorTimer},
        WriteRow{"goal advance", C::UpDown2, 150,
                 [](CalcState& st) { return st.settings().JIOKURI == 150; }, E::SidePanel},
        WriteRow{"page height", C::UpDown3, 250,
                 [](CalcState& st) { return st.settings().PAGEA4BAI == 250; }, E::Repaint},
        WriteRow{"line feed, working copy too", C::UpDown4, 9,
                 [](CalcState& st) {
                   return st.settings().GYOKEISUU == 9 && st.GyoKeisuu == 9;
                 },
                 E::Repaint},
        // Out of range: the control cannot go there, and neither can the setting.
        WriteRow{"rate below 1", C::SpRateBar, 0,
                 [](CalcState& st) { return st.settings().HAYASA == 1; }, {}},
        WriteRow{"cursor period above 2000", C::UpDown1, 5000,
                 [](CalcState& st) { return st.settings().CURSOLTEMPO == 2000; },
                 E::CursorTimer},
        WriteRow{"line feed below 1", C::UpDown4, -3,
                 [](CalcState& st) { return st.settings().GYOKEISUU == 1; }, E::Repaint}),
    ravlo::test_names::RowName<&WriteRow::what>{});

TEST(JoukenModel, ProcessOffTakesTheMarginAway) {
  Session s([](CalcSettings& cs) { cs.PROCDSP = true; });
  JoukenModel model(*s);
  s->layoutScreen();
  ASSERT_EQ(s->ProcTop, 29);  // round(1.5 × 19)
  model.change(C::RadioGroup4, 0);
  EXPECT_FALSE(s.settings.PROCDSP);
  EXPECT_EQ(s->ProcTop, 0);
}

TEST(JoukenModel, TheInputStringPanelComesUpWithTheLineTyped) {
  Session s;
  JoukenModel model(*s);
  s.type("3b2+1");
  s.view.captions.clear();
  model.change(C::CheckBox5, 1);
  ASSERT_FALSE(s.view.captions.empty());
  EXPECT_EQ(s.view.captions.back(), "3b2+1");
  s.view.captions.clear();
  model.change(C::CheckBox5, 0);
  EXPECT_TRUE(s.view.captions.empty());
}

TEST(JoukenModel, AShorterPageDoesNotLeaveTheScreenScrolledPastItsEnd) {
  Session s([](CalcSettings& cs) { cs.PAGEA4BAI = 400; });
  JoukenModel model(*s);
  s->scrollTo(3000);
  ASSERT_EQ(s->ScrollPos, 3000);
  model.change(C::UpDown3, 80);
  EXPECT_EQ(s->ScrollPos, s->scrollRange());
  EXPECT_LT(s->ScrollPos, 3000);
}

TEST(JoukenModel, SpeakingEveryInputIsTheChoiceThatOutlastsBaseNMode) {
  Session s([](CalcSettings& cs) { cs.EVERYINPUT = 1; });
  s->NsinMode = true;
  s->NsinSavedEveryInput = 1;
  s.settings.EVERYINPUT = 0;
  JoukenModel model(*s);
  EXPECT_EQ(model.value(C::CheckBox1), 1);
  model.change(C::CheckBox1, 0);
  // Still silent while the mode lasts; silent afterwards too, as now chosen.
  EXPECT_EQ(s.settings.EVERYINPUT, 0);
  EXPECT_EQ(s->NsinSavedEveryInput, 0);
  model.change(C::CheckBox1, 1);
  EXPECT_EQ(s.settings.EVERYINPUT, 0);
  EXPECT_EQ(s->NsinSavedEveryInput, 1);
}

TEST(JoukenModel, TheGoalList) {
  Session s([](CalcSettings& cs) {
    cs.MOKUHYOU_SOUSUU = 3;
    cs.MOKUHYOU[0] = "早起き";
    cs.MOKUHYOU[1] = "音読";
    cs.MOKUHYOU[2] = "計算";
    cs.DSPBANGOU = 1;
  });
  JoukenModel model(*s);
  EXPECT_EQ(model.goals(), (std::vector<std::string>{"早起き", "音読", "計算"}));
  EXPECT_EQ(model.value(C::ComboBox1), 1);
  EXPECT_EQ(model.change(C::ComboBox1, 2), E::SidePanel);
  EXPECT_EQ(s.settings.DSPBANGOU, 2);
  // No such goal: nothing changes.
  EXPECT_EQ(model.change(C::ComboBox1, 3), ToolEffects{});
  EXPECT_EQ(model.change(C::ComboBox1, -1), ToolEffects{});
  EXPECT_EQ(s.settings.DSPBANGOU, 2);
}

TEST(JoukenModel, ConfirmedGoalLinesReplaceTheGoals) {
  Session s([](CalcSettings& cs) {
    cs.MOKUHYOU_SOUSUU = 8;
    cs.DSPBANGOU = 7;
  });
  JoukenModel model(*s);
  const std::vector<std::string> two{"一", "二"};
  EXPECT_EQ(model.replaceGoals(two), E::SidePanel);
  EXPECT_EQ(s.settings.MOKUHYOU_SOUSUU, 2);
  EXPECT_EQ(model.goals(), two);
  // The first goal is the one selected and shown, not a goal that no longer exists.
  EXPECT_EQ(s.settings.DSPBANGOU, 0);
  EXPECT_EQ(model.value(C::ComboBox1), 0);

  std::vector<std::string> twelve;
  for (int i = 0; i < 12; ++i) twelve.push_back("目標" + std::to_string(i));
  model.replaceGoals(twelve);
  EXPECT_EQ(s.settings.MOKUHYOU_SOUSUU, 10);
  EXPECT_EQ(s.settings.MOKUHYOU[9], "目標9");

  model.replaceGoals({});
  EXPECT_EQ(s.settings.MOKUHYOU_SOUSUU, 0);
  EXPECT_EQ(model.value(C::ComboBox1), -1);
}

TEST(JoukenModel, ThePiTextIsCheckedAndReported) {
  Session s;
  JoukenModel model(*s);
  EXPECT_TRUE(model.checkPai("3.1", "3.14").ok);
  EXPECT_EQ(s->PaiStr, "3.1");
  EXPECT_TRUE(s.sink.boxes().empty());

  const PaiCheck twoPoints = model.checkPai("3.1.", "3.1");
  EXPECT_FALSE(twoPoints.ok);
  // A wrong text is still the text: the field keeps it for correcting.
  EXPECT_EQ(s->PaiStr, "3.1.");
  ASSERT_EQ(s.sink.boxes().size(), 1u);
  EXPECT_EQ(s.sink.boxes()[0].caption, "警告！");
  EXPECT_EQ(s.sink.boxes()[0].text, "'.' が複数あります。");
  EXPECT_EQ(s.sink.boxes()[0].buttons, BoxButtons::Ok);

  const PaiCheck r = model.checkPai("3.1415926535897932384", "3.141592653589793238");
  EXPECT_TRUE(r.tooLong);
  EXPECT_EQ(s->PaiStr, "3.141592653589793238");
  EXPECT_EQ(s.sink.boxes().back().text, "20字以上は長すぎる。");
}

TEST(JoukenModel, ClosingTakesThePiTextAsItIsAndTheAnswerForm) {
  Session s;
  JoukenModel model(*s);
  model.change(C::RadioGroup1, 2);
  model.change(C::SyoBCheckBox, 1);
  // Answer forms wait for the dialog to close.
  EXPECT_EQ(s->AnsForm, 0);
  model.close("3..");
  EXPECT_EQ(s->AnsForm, 6);
  EXPECT_EQ(s->PaiStr, "3..");
  EXPECT_TRUE(s.sink.boxes().empty());
  // The yen key types it; the checker refuses the second point.
  s.press(vk::Yen);
  EXPECT_EQ(s->InpSiki, "3.");
  s->SikiClear();
  s.type("3b2+3b2=");
  EXPECT_EQ(s->InpSiki, "3b2+3b2=1k3b1=3b4=1.33333333333333333u");
}

}  // namespace
}  // namespace ravlo::test
