// Every value the evaluator returns must be the exact value of the question, checked against an
// independent reference; where it cannot compute, it must fail with its message instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "expr/inp_check.h"
#include "tests/expr/eval_harness.h"
#include "tests/expr/question_generator.h"
#include "tests/expr/reference_value.h"

namespace ravlo::test {
namespace {

constexpr int kAnswerForms[] = {0, 1, 2, 4, 5, 6};

std::vector<std::string> splitAtEquals(const std::string& s) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (;;) {
    size_t eq = s.find('=', from);
    parts.push_back(s.substr(from, eq == std::string::npos ? std::string::npos : eq - from));
    if (eq == std::string::npos) return parts;
    from = eq + 1;
  }
}

I128 tenTo(int n) {
  I128 p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// A cut-off decimal shows at most 17 places of the value (the 18th rounded, then dropped): it
// differs from the value by less than 2 units of the 17th place. `value` is the answer in
// proper form; the sums stay inside 128 bits for any 64-bit parts.
bool cutDecimalIsClose(std::string text, const Bunsuu64& value) {
  if (text.empty() || text.back() != 'u') return false;
  text.pop_back();
  const bool minus = !text.empty() && text[0] == 'm';
  if (minus) text.erase(0, 1);
  if (value.sign != 0 && minus != (value.sign < 0)) return false;
  const size_t dot = text.find('.');
  if (dot == std::string::npos || text.size() - dot - 1 > 18) return false;
  std::string places = text.substr(dot + 1);
  if (places.size() < 17) places.resize(17, '0');
  const int k = int(places.size());
  const I128 whole = std::stoll(text.substr(0, dot));
  const I128 g = std::stoll(places);
  const I128 d = value.denominator, n = value.numerator;
  const I128 wholeDiff = whole - value.integer;
  if (wholeDiff > 1 || wholeDiff < -1) return false;
  I128 total = wholeDiff * tenTo(k) * d + g * d - n * tenTo(k);
  if (total < 0) total = -total;
  return total < 2 * tenTo(k - 17) * d;
}

bool relaxedCheckAccepts(const std::string& q) {
  InpCheckState st;
  st.relaxedSigns = true;
  NullSink quiet;
  return SikiCheck(st, q, false, false, true, false, quiet) == 0;
}

struct Tally {
  int values = 0, failures = 0, undefined = 0, unknown = 0;
};

// Checks one question; returns whether the evaluator gave a value.
void checkQuestion(const std::string& q, int forms, Tally& tally) {
  EvalHarness h;
  const RefResult ref = referenceValue(q);
  const std::string out = h.ev.SikiCalc(q, forms, 1);

  if (h.ev.CalcStatus < 0) {
    ++tally.failures;
    EXPECT_EQ(out, q) << "a failure returns the question unchanged";
    const auto boxes = h.sink.boxes();
    ASSERT_FALSE(boxes.empty()) << q << ": failed without a message";
    EXPECT_EQ(boxes.back().caption, kCalcReportCaption) << q;
    EXPECT_EQ(boxes.back().text, calcStatusMessage(h.ev.CalcStatus)) << q;
    // A small, well-formed question with a value must not fail.
    if (ref.kind == RefKind::Value && ref.largest < 1000000 && relaxedCheckAccepts(q)) {
      ADD_FAILURE() << q << " = " << toString(ref.value) << " but the evaluator failed with "
                    << h.ev.CalcStatus << " (" << (boxes.empty() ? "" : boxes.front().text)
                    << ")";
    }
    return;
  }

  ASSERT_EQ(h.ev.CalcStatus, kCalcOk);
  ASSERT_NE(ref.kind, RefKind::Undefined)
      << q << " has no value, but the evaluator answered " << out;
  if (ref.kind == RefKind::Unknown) {
    ++tally.unknown;
    return;
  }
  ++tally.values;
  const Rat& exact = ref.value;
  ASSERT_EQ(toString(ratOf(h.ev.EvalResult)), toString(exact)) << q << " -> " << out;
  EXPECT_EQ(toString(ratOf(h.ev.AnsTai)), toString(exact)) << q;
  EXPECT_LT(h.ev.AnsTai.numerator, h.ev.AnsTai.denominator) << q << ": mixed form";

  // Every answer form written after the question has the exact value.
  ASSERT_EQ(out.rfind(q + "=", 0), 0u) << out;
  const auto parts = splitAtEquals(out.substr(q.size() + 1));
  for (const auto& part : parts) {
    Rat shown;
    bool cut = false;
    if (readNumberText(part, shown)) {
      bool decimal = part.find('.') != std::string::npos;
      if (!decimal) {
        EXPECT_EQ(toString(shown), toString(exact)) << q << " -> " << out;
        continue;
      }
    }
    ASSERT_TRUE(readDecimalText(part, shown, cut)) << q << " -> " << out << ": " << part;
    if (cut) {
      EXPECT_TRUE(cutDecimalIsClose(part, h.ev.AnsTai)) << q << " -> " << out << " vs "
                                                        << toString(exact);
    } else {
      EXPECT_EQ(toString(shown), toString(exact)) << q << " -> " << out;
    }
  }
}

// RAVLO_SEED and RAVLO_N choose another run by hand (a longer search after a change).
TEST(EvaluatorExactness, RandomQuestionsGiveTheExactValueOrFail) {
  const char* seed = std::getenv("RAVLO_SEED");
  const char* count = std::getenv("RAVLO_N");
  QuestionGenerator gen(seed ? std::strtoull(seed, nullptr, 10) : 20261209);
  const int questions = count ? std::atoi(count) : 4000;
  Tally tally;
  for (int i = 0; i < questions; ++i) {
    const std::string q = gen.question();
    const RefResult ref = referenceValue(q);
    if (ref.kind == RefKind::Undefined) ++tally.undefined;
    checkQuestion(q, kAnswerForms[i % 6], tally);
    if (::testing::Test::HasFatalFailure()) return;
  }
  // The run must exercise values, failures and questions without a value alike.
  EXPECT_GT(tally.values, 1500);
  EXPECT_GT(tally.failures, 300);
  EXPECT_GT(tally.undefined, 100);
}

// Values near the 64-bit bound: the true value or an intermediate passes it, and the
// evaluator must say so rather than give a wrapped number.
TEST(EvaluatorExactness, QuestionsAtTheBoundFailOrAreExact) {
  const char* const questions[] = {
      "9223372036854775800+0",        "9223372036854775800+1",
      "9223372036854775807-1",        "4611686018427387904*2",
      "3037000499*3037000499",        "3037000500*3037000500",
      "2^62",                         "2^63",
      "(m2)^63",                      "3^39",
      "3^40",                         "1b9223372036854775807*2",
      "9223372036854775807b1+1",      "1k9223372036854775806b1+1",
      "20!",                          "20!*2",
      "19!*20",                       "(10!)^2",
      "20P20",                        "21P1+0",
      "62C31",                        "9223372036854775800-m1",
      "m9223372036854775800-1",       "[9223372036854775800K2B1]+0",
      "[1B9223372036854775807]*2",    "1.@9999999999999999999+0",
      "0.999999999999999999*1.1",     "999999999999999999.9+0",
      "4294967296^2",                 "2^m63",
      "(3b2)^40",                     "9223372036854775807/9223372036854775806"};
  Tally tally;
  for (const char* q : questions) {
    for (int forms : kAnswerForms) {
      checkQuestion(q, forms, tally);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
  EXPECT_GT(tally.values, 20);
  EXPECT_GT(tally.failures, 20);
}

}  // namespace
}  // namespace ravlo::test
