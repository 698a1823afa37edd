// Over many generated sums and differences the worked solution must end in the right answer,
// every line must keep the question's value, and nothing may crash, loop or complain.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "core/bunsuu_h.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"
#include "process/type_check.h"
#include "tests/process/sum_test_util.h"
#include "tests/process/rational_oracle.h"

namespace ravlo::test {
namespace {

using exact::oracleAnswerText;
using exact::oracleValue;
using exact::toString;

class SumGenerator {
 public:
  explicit SumGenerator(uint32_t seed) : rng_(seed) {}

  std::string question() {
    const int terms = pick(2, pick(0, 3) == 0 ? 4 : 2);
    std::string q;
    for (int i = 0; i < terms; ++i) {
      std::string t = term();
      if (i == 0) {
        if (pick(0, 4) == 0) q += "m";
        q += t;
        continue;
      }
      q += pick(0, 1) ? "+" : "-";
      // Now and then a bracketed signed term, as typed ‹-(m3b2)›.
      if (pick(0, 9) == 0)
        q += "(" + std::string(pick(0, 1) ? "m" : "p") + t + ")";
      else
        q += t;
    }
    return q;
  }

 private:
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  std::string term() {
    const int d = pick(0, 5) == 0 ? pick(2, 60) : pick(2, 12);
    switch (pick(0, 9)) {
      case 0:
      case 1:
        return std::to_string(pick(0, 12));
      case 2:
      case 3:
      case 4:
        return std::to_string(d) + "b" + std::to_string(pick(1, d - 1));
      case 5:
        return std::to_string(d) + "b" + std::to_string(pick(d, 4 * d));
      case 6:
      case 7:
        return std::to_string(pick(1, 9)) + "k" + std::to_string(d) + "b" +
               std::to_string(pick(1, d - 1));
      case 8: {
        static constexpr const char* kDecimals[] = {"0.5", "1.25", "0.2", "2.75", "0.1@6",
                                                    "0.05", "3.5", "0.@3"};
        return kDecimals[pick(0, 7)];
      }
      default:
        // Edge shapes: zero numerators and integers, whole-number fractions.
        switch (pick(0, 7)) {
          case 0: return std::to_string(d) + "b0";
          case 1: return "0";
          case 2: return std::to_string(d) + "b" + std::to_string(d * pick(1, 3));
          case 3: return std::to_string(pick(1, 5)) + "k" + std::to_string(d) + "b0";
          case 4: return "0k" + std::to_string(d) + "b" + std::to_string(pick(1, d - 1));
          case 5: return "0" + std::to_string(pick(1, 9));
          case 6: return std::to_string(d) + "b0" + std::to_string(pick(1, d - 1));
          default: return "1";
        }
    }
  }

  std::mt19937 rng_;
};

struct Outcome {
  int checked = 0;
  int lineChecks = 0;
  int evaluatorLineChecks = 0;
};

// The calculator's own evaluator, quiet, for a second opinion on answers and lines.
struct QuietEvaluator {
  NullSink sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator ev{sink, numberText, bunsuuH, checker, kakko};

  // The value of a line, or nothing when the evaluator cannot compute it.
  std::optional<exact::Rational> value(const std::string& line) {
    if (ev.SikiEval(line) != 1) return std::nullopt;
    const Bunsuu64& v = ev.EvalResult;
    const exact::Int128 num = static_cast<exact::Int128>(v.integer) * v.denominator + v.numerator;
    return exact::oracleValue((v.sign < 0 ? "m(" : "(") + exact::int128Text(num) + "/" +
                              std::to_string(v.denominator) + ")");
  }
};

// Checks one question in one mode; returns false after reporting a failure.
void checkQuestion(const std::string& q, int betsukai, int lastAns, Outcome& o) {
  EngineFixture fx(betsukai, lastAns);
  NullSink quiet;
  const int type = SikiTypeCheck(q, quiet).type;
  const int made = fx.engine.CalcProcMake(q, true);
  if (type < 1 || type > 9) return;
  const auto want = oracleValue(q);
  ASSERT_TRUE(want.has_value()) << q;
  ASSERT_EQ(made, 1) << q << " mode " << betsukai;
  EXPECT_TRUE(fx.sink.empty()) << q << " mode " << betsukai << " said "
                               << fx.sink.entries().front().text;
  const auto entries = procEntries(fx.ctx.ProcText);
  ASSERT_FALSE(entries.empty()) << q;
  QuietEvaluator qe;
  // The final answer is the evaluator's answer. Its improper form of a whole number keeps
  // a denominator left over from a zero fraction part (‹4b0+2k5b0› gives ‹5b10›), so that form
  // is compared by value.
  const std::string evalAnswer = qe.ev.SikiCalc(q, lastAns == 1 ? 1 : 0, 0);
  ASSERT_EQ(qe.ev.CalcStatus, 1) << q;
  if (lastAns == 0) {
    EXPECT_EQ(entries.back().expr, evalAnswer) << q << " mode " << betsukai << "\n"
                                               << fx.ctx.ProcText;
  } else {
    EXPECT_EQ(oracleValue(evalAnswer), want) << q << " gives " << evalAnswer;
  }
  const auto questionValue = qe.value(q);
  ASSERT_TRUE(questionValue.has_value()) << q;
  int answers = 0;
  for (const auto& e : entries) {
    if (e.advice == 20) ++answers;
    if (e.tag != 'X' && e.tag != 'Y') ADD_FAILURE() << q << ": tag " << e.tag;
    const auto v = oracleValue(e.expr);
    ASSERT_TRUE(v.has_value()) << q << " mode " << betsukai << ": unreadable line " << e.expr
                               << "\n" << fx.ctx.ProcText;
    ++o.lineChecks;
    EXPECT_EQ(*v, *want) << q << " mode " << betsukai << ": line " << e.expr << " is "
                         << toString(*v) << ", not " << toString(*want) << "\n"
                         << fx.ctx.ProcText;
    if (const auto ev = qe.value(e.expr)) {
      ++o.evaluatorLineChecks;
      EXPECT_EQ(*ev, *questionValue) << q << " mode " << betsukai << ": line " << e.expr;
    }
  }
  EXPECT_EQ(answers, 1) << q << " mode " << betsukai << "\n" << fx.ctx.ProcText;
  EXPECT_EQ(entries.back().advice, 20) << q << " mode " << betsukai << "\n" << fx.ctx.ProcText;
  EXPECT_EQ(entries.back().expr, oracleAnswerText(*want, lastAns == 1))
      << q << " mode " << betsukai << " last answer " << lastAns << "\n"
      << fx.ctx.ProcText;
  ++o.checked;
}

TEST(ProcessProperty, GeneratedSumsEndInTheRightAnswerAndKeepTheirValue) {
  SumGenerator gen(20261209);
  Outcome o;
  for (int i = 0; i < 4000; ++i) {
    const std::string q = gen.question();
    for (int mode = 0; mode <= 1; ++mode) {
      checkQuestion(q, mode, i % 2, o);
      if (HasFailure()) return;
    }
  }
  // Most generated questions are sums the engine works out.
  EXPECT_GT(o.checked, 4000);
  EXPECT_GT(o.lineChecks, 8 * o.checked);
  // The evaluator reads nearly every line too (not those it refuses, such as ‹[3B0]› alone).
  EXPECT_GT(o.evaluatorLineChecks, 7 * o.checked);
}

// Arbitrary token soup: whatever the engine makes of it, it must come back, and a process it
// builds for a sum must still be right.
TEST(ProcessProperty, RandomTextNeverCrashesOrLies) {
  std::mt19937 rng(77);
  static constexpr const char* kPieces[] = {"b", "k", "+", "-", "m", "(", ")", ".", "*",
                                            "/", "@", "^", "[", "]", "K", "B", "p", "+", "-", "b",
                                            "b", "+", "-", "b", "k", "+", "-", "(m", ")", "b"};
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Outcome o;
  for (int i = 0; i < 30000; ++i) {
    std::string q;
    const int len = pick(3, 9);
    for (int j = 0; j < len; ++j) {
      if (pick(0, 9) < 6)
        q += std::to_string(pick(0, 3) == 0 ? pick(0, 1000) : pick(0, 12));
      else
        q += kPieces[pick(0, 29)];
    }
    for (int mode = 0; mode <= 1; ++mode) {
      EngineFixture fx(mode, 0);
      NullSink quiet;
      const int type = SikiTypeCheck(q, quiet).type;
      const int made = fx.engine.CalcProcMake(q, true);
      if (made == 0) continue;
      ASSERT_GE(type, 1) << q;
      if (type > 9) continue;
      const auto want = oracleValue(q);
      ASSERT_TRUE(want.has_value()) << q;
      const auto entries = procEntries(fx.ctx.ProcText);
      ASSERT_FALSE(entries.empty());
      EXPECT_EQ(entries.back().advice, 20) << q << "\n" << fx.ctx.ProcText;
      EXPECT_EQ(entries.back().expr, oracleAnswerText(*want, false)) << q << "\n"
                                                                     << fx.ctx.ProcText;
      ++o.checked;
      if (HasFailure()) return;
    }
  }
  EXPECT_GT(o.checked, 200);
}

}  // namespace
}  // namespace ravlo::test
