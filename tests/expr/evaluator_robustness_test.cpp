// Any text at all, well formed or not, gets an answer or the evaluator's message: never a
// crash, a hang, or a value for a text that has none.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/text_helpers.h"
#include "expr/wari_amari.h"
#include "tests/expr/eval_harness.h"
#include "tests/expr/question_generator.h"
#include "tests/expr/reference_value.h"

namespace ravlo::test {
namespace {

// Runs every entry point on the text and checks the shape of what comes back.
void exercise(const std::string& text, int forms) {
  EvalHarness h;
  const std::string out = h.ev.SikiCalc(text, forms, 1);
  if (h.ev.CalcStatus < 0) {
    EXPECT_EQ(out, text);
    ASSERT_FALSE(h.sink.boxes().empty());
    EXPECT_EQ(h.sink.boxes().back().caption, kCalcReportCaption);
  } else {
    ASSERT_EQ(h.ev.CalcStatus, kCalcOk);
    EXPECT_EQ(out.rfind(SikiCutAns(text, false) + "=", 0), 0u) << text << " -> " << out;
    // When the reference can read the text too, the value must agree.
    try {
      const RefResult ref = referenceValue(SikiCutAns(text, false));
      EXPECT_NE(ref.kind, RefKind::Undefined) << text << " -> " << out;
      if (ref.kind == RefKind::Value) {
        EXPECT_EQ(toString(ratOf(h.ev.EvalResult)), toString(ref.value)) << text;
      }
    } catch (const std::exception&) {
      // Not a text the reference reads (implied products, variables, ...).
    }
  }
  EXPECT_FALSE(h.checker.relaxedSigns);

  const std::string ratio = h.ev.HiKantan(text, 1);
  EXPECT_TRUE(ratio == "n" || ratio.find(':') != std::string::npos) << text << " -> " << ratio;
  const std::string wari = WariAmari(text, forms);
  EXPECT_FALSE(wari.empty());
  Bunsuu64 r;
  h.ev.FlatSikiEval(text, r);
  h.ev.SikiEval(text);
  h.ev.KaijouSyori(text);
  h.ev.JunKumiSyori(text);
  h.ev.SikiBunSyori(text);
  h.ev.OpCalc(text);
}

TEST(EvaluatorRobustness, AlphabetNoise) {
  QuestionGenerator gen(99);
  for (int i = 0; i < 3000; ++i) {
    exercise(gen.alphabetNoise(40), i % 7);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(EvaluatorRobustness, ByteNoise) {
  QuestionGenerator gen(1234);
  for (int i = 0; i < 2000; ++i) {
    exercise(gen.byteNoise(40), i % 7);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// Well-formed questions with one character changed, dropped or doubled.
TEST(EvaluatorRobustness, DamagedQuestions) {
  QuestionGenerator gen(555);
  std::mt19937 rng(555);
  const std::string alphabet = "0123456789bk.@upm+-*/^!PC()[]KB=:";
  for (int i = 0; i < 2000; ++i) {
    std::string q = gen.question();
    const size_t at = rng() % q.size();
    switch (rng() % 3) {
      case 0:
        q[at] = alphabet[rng() % alphabet.size()];
        break;
      case 1:
        q.erase(at, 1);
        break;
      default:
        q.insert(at, 1, q[at]);
    }
    exercise(q, int(rng() % 7));
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(EvaluatorRobustness, OddShapes) {
  const std::string shapes[] = {
      "",       "=",      "==",      "(",      ")",       "()",      "[",       "]",
      "[]",     "[]+1",   "][",      "!",      "!!",      "P",       "C",       "^",
      "1^",     "^1",     "1+",      "+1",     "m",       "mm1+1",   "p(",      "m(",
      "1/m(",   "(m)!",   "()!",     "[B]+1",  "[K]+1",   "[mK]+1",  "[1B]+1",  "[B1]+1",
      "1b+1",   "b1+1",   "1k+1",    "k1b2+1", "1.+1",    ".1+1",    "1@2+1",   "1.@+1",
      "0b0+1",  "1+1=",   "1+1&2",   "x+1",    "1<2",     "1+1<3",   "1:2:3",   "3P0C0",
      "\x01(1+1\x02^2", "(1+1)\x02^2", "((((((((((1))))))))))+1"};
  for (const auto& s : shapes) {
    for (int forms : {0, 6}) {
      exercise(s, forms);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(EvaluatorRobustness, LongTextsFinish) {
  std::string sum = "1";
  for (int i = 0; i < 400; ++i) sum += "+1";
  EvalHarness h;
  EXPECT_EQ(h.ev.SikiCalc(sum, 0, 0), "401");
  std::string nested;
  for (int i = 0; i < 200; ++i) nested += "(";
  nested += "1+1";
  for (int i = 0; i < 200; ++i) nested += ")";
  EXPECT_EQ(h.ev.SikiCalc(nested + "*2", 0, 0), "4");
  exercise(std::string(3000, '('), 0);
  exercise(std::string(3000, '9') + "!", 0);
}

}  // namespace
}  // namespace ravlo::test
