// The "=" of the calculation screen: answer chains, answer forms and their buttons, ratios,
// quotient with remainder, evaluation errors, process mode and F6.
#include <gtest/gtest.h>

#include <string>

#include "calc_state_support.h"

namespace ravlo {
namespace {

using testing_support::Session;

TEST(EqualSequence, ComputesAndClosesTheLine) {
  Session s;
  s.type("3b2+1");
  const int repaints = s.view.repaints;
  EXPECT_EQ(s->JiInput('='), kJiComputed);
  EXPECT_EQ(s->InpSiki, "3b2+1=1k3b2");
  EXPECT_FALSE(s->InpAccept);
  EXPECT_GT(s.view.repaints, repaints);
  // The cursor block was erased once, where the cursor stood.
  ASSERT_EQ(s.view.erased.size(), 1u);
  EXPECT_EQ(s.view.erased[0], s->cursorEraseRect());
  // The question, not the answer, is what restore brings back.
  EXPECT_EQ(s->LastSiki, "3b2+1");
  EXPECT_TRUE(s.sink.boxes().empty());
}

TEST(EqualSequence, SecondEqualsIsIgnored) {
  Session s;
  EXPECT_EQ(s.type("1+2="), kJiComputed);
  EXPECT_EQ(s->JiInput('='), kJiClosed);
  EXPECT_EQ(s->InpSiki, "1+2=3");
  EXPECT_EQ(s.view.erased.size(), 1u);
}

TEST(EqualSequence, AnswerFormsAndTheirButtons) {
  const struct {
    int anssyu;
    int syoudsp;
    const char* typed;
    const char* line;
    bool tai, ka, syou;   // forms on screen
    const char* note;     // "" when no note
    unsigned noteColor;
  } rows[] = {
      {0, 0, "1/3=", "1/3=3b1", true, false, false, "", 0},
      {0, 0, "7/3=", "7/3=2k3b1", true, false, false, "", 0},
      {1, 0, "7/3=", "7/3=3b7", false, true, false, "", 0},
      {1, 0, "6/3=", "6/3=2", false, true, false, "", 0},
      {2, 0, "2b1+3b1=", "2b1+3b1=6b5", true, true, false, "", 0},
      {2, 0, "2b1+1=", "2b1+1=1k2b1=2b3", true, true, false, "", 0},
      {0, 1, "1/4=", "1/4=4b1=0.25", true, false, true, "【割り切れました】", 0x008000},
      {0, 1, "1/3=", "1/3=3b1=0.33333333333333333u", true, false, true, "【割り切れません】",
       0x0000FF},
      {0, 1, "6/3=", "6/3=2", true, false, false, "", 0},
      {2, 1, "7/3=", "7/3=2k3b1=3b7=2.33333333333333333u", true, true, true,
       "【割り切れません】", 0x0000FF},
  };
  for (const auto& r : rows) {
    Session s([&](CalcSettings& c) {
      c.ANSSYU = r.anssyu;
      c.SYOUDSP = r.syoudsp;
    });
    EXPECT_EQ(s->AnsForm, r.anssyu + 4 * r.syoudsp);
    EXPECT_EQ(s.type(r.typed), kJiComputed) << r.typed;
    EXPECT_EQ(s->InpSiki, r.line) << r.typed;
    EXPECT_EQ(s->AnsShownTai, r.tai) << r.typed;
    EXPECT_EQ(s->AnsShownKa, r.ka) << r.typed;
    EXPECT_EQ(s->AnsShownSyou, r.syou) << r.typed;
    EXPECT_EQ(s.view.taiEnabled, !r.tai) << r.typed;
    EXPECT_EQ(s.view.kaEnabled, !r.ka) << r.typed;
    EXPECT_EQ(s.view.syouEnabled, !r.syou) << r.typed;
    if (std::string(r.note).empty()) {
      EXPECT_FALSE(s->DecimalNote.has_value()) << r.typed;
    } else {
      ASSERT_TRUE(s->DecimalNote.has_value()) << r.typed;
      EXPECT_EQ(s->DecimalNote->text, r.note) << r.typed;
      EXPECT_EQ(s->DecimalNote->color, r.noteColor) << r.typed;
      EXPECT_EQ(s->DecimalNote->fontSize, 8) << r.typed;  // round(0.6 × 14)
    }
  }
}

TEST(EqualSequence, AnswerColumnRepeatsTheFirstAnswer) {
  Session s([](CalcSettings& c) {
    c.ANSSYU = 2;
    c.KAITOURAN_FLAG = true;
    c.INPUTSTR_DSP = true;
  });
  s.type("3b1+2=");
  EXPECT_EQ(s->InpSiki, "3b1+2=2k3b1=3b7&2k3b1");
  EXPECT_EQ(s.view.captions.back(), "3b1+2=2k3b1=3b7＆2k3b1");
  Session t([](CalcSettings& c) { c.KAITOURAN_FLAG = true; });
  t.type("1+1=");
  EXPECT_EQ(t->InpSiki, "1+1=2&2");
}

TEST(EqualSequence, RatioIsSimplified) {
  Session s;
  EXPECT_EQ(s.type("4:6="), kJiComputed);
  EXPECT_EQ(s->InpSiki, "4:6=2:3&2:3");
  EXPECT_FALSE(s->InpAccept);
  EXPECT_FALSE(s->AnsShownTai);
}

TEST(EqualSequence, RatioThatCannotBeSimplifiedComesBackForEditing) {
  Session s;
  EXPECT_EQ(s.type("2:3="), kJiComputed);
  const auto boxes = s.sink.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "報告!");
  EXPECT_EQ(boxes[0].text, "これ以上簡単にできません。");
  EXPECT_EQ(s->InpSiki, "2:3");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(s->EqualKeisan("2:3"), kEqualRatioFailed);
}

TEST(EqualSequence, EvaluationErrorReopensTheQuestion) {
  const struct {
    const char* typed;
    const char* lastBox;
    const char* question;
  } rows[] = {
      {"5=", "演算記号がありません。", "5"},
      {"3/0=", "計算ができない式です。", "3/0"},
      {"21!=", "階乗の処理に失敗！", "21!"},
      {"2P3=", "順列・組合せの処理に失敗！", "2P3"},
  };
  for (const auto& r : rows) {
    Session s;
    EXPECT_EQ(s.type(r.typed), kJiComputed) << r.typed;
    const auto boxes = s.sink.boxes();
    ASSERT_FALSE(boxes.empty()) << r.typed;
    EXPECT_EQ(boxes.back().caption, "ご報告！") << r.typed;
    EXPECT_EQ(boxes.back().text, r.lastBox) << r.typed;
    EXPECT_EQ(s->InpSiki, r.question) << r.typed;
    EXPECT_TRUE(s->InpAccept) << r.typed;
    EXPECT_FALSE(s->RestoreOK) << r.typed;
    EXPECT_EQ(s->InpCount, static_cast<int>(std::string(r.question).size())) << r.typed;
    // The learner can go on editing the question.
    EXPECT_EQ(s->SikiBackSpace(), 1) << r.typed;
  }
}

TEST(EqualSequence, EqualKeisanReportsTheEvaluatorsStatus) {
  Session s;
  EXPECT_EQ(s->EqualKeisan("5"), -1);
  EXPECT_EQ(s->EqualKeisan("1+2"), kEqualOk);
  EXPECT_EQ(s->InpSiki, "1+2=3");
  EXPECT_FALSE(s->InpAccept);
}

TEST(EqualSequence, QuotientWithRemainder) {
  const struct {
    int places;
    const char* typed;
    int rc;
    const char* line;
  } rows[] = {
      {0, "7/2=", kJiRefused, "7/2=3R1"},
      {10, "7/2=", kJiRefused, "7/2=3.5"},
      {10, "6/2=", kJiRefused, "6/2=3"},
      {2, "1/3=", kJiRefused, "1/3=0.33R0.01"},
      {0, "1+2=", kJiComputed, "1+2=3"},    // not a division: computed as usual
      {0, "3b1/2=", kJiComputed, "3b1/2=6b1"},
  };
  for (const auto& r : rows) {
    Session s([&](CalcSettings& c) {
      c.WARI_TYPE = 1;
      c.WARI_PNT = r.places;
    });
    EXPECT_EQ(s.type(r.typed), r.rc) << r.typed;
    EXPECT_EQ(s->InpSiki, r.line) << r.typed;
    EXPECT_FALSE(s->InpAccept) << r.typed;
  }
}

TEST(EqualSequence, AllStringSpeaksTheWholeLine) {
  Session s([](CalcSettings& c) { c.ALLSTRING = 1; });
  s.type("1+2=");
  ASSERT_EQ(s.voice.spoken.size(), 1u);
  EXPECT_EQ(s.voice.spoken[0].first, "1+2=3");
  EXPECT_TRUE(s.voice.spoken[0].second);
}

TEST(ProcessMode, SumOfFractionsShowsItsProcess) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  EXPECT_EQ(s.type("3b1+3b1="), kJiRefused);
  EXPECT_EQ(s->process.ProcType, 1);
  EXPECT_FALSE(s->process.ProcText.empty());
  EXPECT_EQ(s->process.ProcText.back(), '~');
  EXPECT_EQ(s->InpSiki, "3b1+3b1");
  EXPECT_FALSE(s->InpAccept);
  EXPECT_TRUE(s.sink.boxes().empty());
  // A clear empties the process.
  s->SikiClear();
  EXPECT_EQ(s->process.ProcText, "");
  EXPECT_EQ(s->process.ProcType, 0);
}

TEST(ProcessMode, ExpressionWithoutProcessIsComputed) {
  const struct {
    const char* typed;
    const char* line;
  } rows[] = {
      {"2*3=", "2*3=6"},
      {"2^3+1=", "2^3+1=9"},
      {"4:6=", "4:6=2:3&2:3"},
  };
  for (const auto& r : rows) {
    Session s([](CalcSettings& c) { c.PROCDSP = true; });
    EXPECT_EQ(s.type(r.typed), kJiComputed) << r.typed;
    EXPECT_EQ(s->InpSiki, r.line) << r.typed;
    EXPECT_EQ(s->process.ProcType, 0) << r.typed;
  }
}

TEST(ProcessMode, EngineErrorLeavesTheQuestionUncomputed) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  // The common denominator of 1/(2^62) and 1/3 does not fit in 64 bits.
  EXPECT_EQ(s.type("4611686018427387904b1+3b1="), kJiProcessFailed);
  const auto boxes = s.sink.boxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().caption, "報告!!");
  EXPECT_EQ(boxes.back().text, "◆通分に失敗しました！");
  EXPECT_EQ(s->process.ProcText, "4611686018427387904b1+3b1");
  EXPECT_EQ(s->process.ProcType, 0);
  EXPECT_EQ(s->InpSiki, "4611686018427387904b1+3b1");
  EXPECT_FALSE(s->InpAccept);
}

TEST(ProcessMode, F6SwitchesToTheOtherSolutionAndBack) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s->SikiClear();
  s.type("1k3b1+2+5b1=");
  ASSERT_EQ(s->process.ProcType, 2);
  const std::string first = s->process.ProcText;
  EXPECT_EQ(s->BetsukaiSwitch(), 1);
  EXPECT_EQ(s->process.BetsukaiMode, 1);
  EXPECT_EQ(s->process.ProcType, 2);
  EXPECT_EQ(s->InpSiki, "1k3b1+2+5b1");
  EXPECT_FALSE(s->InpAccept);
  EXPECT_NE(s->process.ProcText, first);
  s.press(vk::F6);
  EXPECT_EQ(s->process.BetsukaiMode, 0);
  EXPECT_EQ(s->process.ProcText, first);
}

TEST(ProcessMode, F6WithoutAProcessLeavesTheLineOpen) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s->SikiClear();
  s.type("2*3");
  EXPECT_EQ(s->BetsukaiSwitch(), 1);
  EXPECT_EQ(s->InpSiki, "2*3");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(s.type("="), kJiComputed);
  EXPECT_EQ(s->InpSiki, "2*3=6");
  // F6 on an empty screen does not lock the input either.
  Session t;
  t.press(vk::F6);
  EXPECT_TRUE(t->InpAccept);
  EXPECT_EQ(t.type("1"), kJiAccepted);
}

}  // namespace
}  // namespace ravlo
