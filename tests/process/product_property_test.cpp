// Over thousands of generated products and quotients, the worked solution's final answer is
// the true value, and nothing crashes or hangs.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/message_sink.h"
#include "expr/bracket_tidy.h"
#include "process/process_engine.h"
#include "process/product_steps.h"
#include "tests/process/line_values.h"
#include "tests/process/rational_util.h"

namespace ravlo::test {
namespace {

struct Factor {
  std::string text;
  Rational value;
  char kind;  // 'p' proper, 'i' improper, 'k' mixed, 'n' integer, 'd' decimal
};

class Generator {
 public:
  explicit Generator(uint64_t seed) : rng_(seed) {}

  int64_t range(int64_t lo, int64_t hi) {
    return std::uniform_int_distribution<int64_t>(lo, hi)(rng_);
  }

  Factor factor(bool allowZero) {
    const int64_t pick = range(0, 9);
    if (allowZero && range(0, 40) == 0) return {"0", {0, 1}, 'n'};
    if (pick <= 2) {  // proper
      const int64_t d = range(2, 60);
      const int64_t n = range(1, d - 1);
      return {std::to_string(d) + "b" + std::to_string(n), {n, d}, 'p'};
    }
    if (pick <= 4) {  // improper
      const int64_t d = range(1, 40);
      const int64_t n = range(d, 120);
      return {std::to_string(d) + "b" + std::to_string(n), {n, d}, 'i'};
    }
    if (pick <= 6) {  // mixed
      const int64_t w = range(1, 30);
      const int64_t d = range(2, 40);
      const int64_t n = range(1, d - 1);
      return {std::to_string(w) + "k" + std::to_string(d) + "b" + std::to_string(n),
              {w * d + n, d}, 'k'};
    }
    if (pick <= 7) {  // integer
      const int64_t v = range(1, 99);
      return {std::to_string(v), {v, 1}, 'n'};
    }
    // decimal with 1 to 3 places
    const int64_t w = range(0, 20);
    const int places = static_cast<int>(range(1, 3));
    int64_t p10 = 1;
    for (int i = 0; i < places; ++i) p10 *= 10;
    const int64_t f = range(1, p10 - 1);
    std::string ft = std::to_string(f);
    ft.insert(0, static_cast<std::size_t>(places) - ft.size(), '0');
    return {std::to_string(w) + "." + ft, {w * p10 + f, p10}, 'd'};
  }

 private:
  std::mt19937_64 rng_;
};

// The type the classifier gives a product of these factors.
int productType(const std::vector<Factor>& fs) {
  int fr = 0, mixed = 0, ints = 0, decs = 0;
  for (const auto& f : fs) {
    if (f.kind == 'k') ++mixed;
    if (f.kind == 'k' || f.kind == 'p' || f.kind == 'i') ++fr;
    if (f.kind == 'n') ++ints;
    if (f.kind == 'd') ++decs;
  }
  const bool id = ints > 0 || decs > 0;
  if (fr > 0 && !id && mixed == 0) return 10;
  if (!id && mixed > 0) return 11;
  if (fr > 0 && id && mixed == 0) return 12;
  if (id && mixed > 0) return 13;
  if (decs > 0) return 13;
  return 0;
}

struct Question {
  std::string E;
  Rational truth{1, 1};
  int type = 0;  // 0 when the classifier would not take it (integers only)
  bool divByZero = false;
  bool negative = false;
};

Question makeQuestion(Generator& gen) {
  Question q;
  const int count = static_cast<int>(gen.range(2, 4));
  std::vector<Factor> fs;
  q.negative = gen.range(0, 3) == 0;
  if (q.negative) q.E += "m";
  for (int i = 0; i < count; ++i) {
    Factor f = gen.factor(true);
    char op = '*';
    if (i > 0) {
      op = gen.range(0, 2) == 0 ? '/' : '*';
      q.E += op;
    }
    // Now and then a factor in brackets with a sign of its own.
    if (gen.range(0, 5) == 0 && f.text != "0") {
      q.E += "(m" + f.text + ")";
      q.negative = !q.negative;
    } else {
      q.E += f.text;
    }
    if (op == '/') {
      if (f.value.num == 0) q.divByZero = true;
      else q.truth = div(q.truth, f.value);
    } else {
      q.truth = mul(q.truth, f.value);
    }
    fs.push_back(f);
  }
  q.type = productType(fs);
  if (q.negative) q.truth.num = -q.truth.num;
  return q;
}

// Checks one built process text against the question; false for a division by zero.
bool checkBuilt(const Question& q, const std::string& procText, const RecordingSink& sink,
                LineValues& lines) {
  if (q.divByZero) {
    EXPECT_EQ(procText, "");
    EXPECT_EQ(sink.boxes().size(), 1u);
    if (!sink.boxes().empty()) {
      EXPECT_EQ(sink.boxes()[0].text, kZeroDivisionText);
    }
    return false;
  }
  EXPECT_TRUE(sink.empty());
  const std::string answer = finalAnswer(procText);
  Rational got;
  EXPECT_TRUE(parseRational(answer, got)) << procText;
  EXPECT_TRUE(got == q.truth) << procText << " true " << show(q.truth);
  // Not only the answer: every line of the solution has the question's value.
  lines.expectAllEqual(procText, q.truth);
  // The answer of a negative product carries the sign.
  if (q.truth.num < 0) {
    EXPECT_EQ(answer.front(), 'm') << procText;
  }
  return true;
}

TEST(ProductProperty, FinalAnswerIsTheTrueValue) {
  Generator gen(20261209);
  LineValues lines;
  int built = 0;
  int zeroDivisions = 0;
  for (int round = 0; round < 6000; ++round) {
    const Question q = makeQuestion(gen);
    if (q.type == 0) continue;
    SCOPED_TRACE(q.E);
    ProcessContext ctx;
    KakkoContext kakko;
    RecordingSink sink;
    ctx.options.PROCLASTANS = static_cast<int>(gen.range(0, 1));
    ASSERT_EQ(buildProductProcess(ctx, kakko, sink, q.E, q.type), ProductOutcome::Built);
    if (checkBuilt(q, ctx.ProcText, sink, lines)) ++built;
    else ++zeroDivisions;
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_GT(built, 4000);
  EXPECT_GT(zeroDivisions, 10);
}

// The same through the engine: the classifier picks the type, the tidy-up merges the lines.
TEST(ProductProperty, ThroughTheEngine) {
  Generator gen(314159);
  LineValues lines;
  int built = 0;
  for (int round = 0; round < 3000; ++round) {
    const Question q = makeQuestion(gen);
    SCOPED_TRACE(q.E);
    ProcessContext ctx;
    RecordingSink sink;
    ctx.options.PROCLASTANS = static_cast<int>(gen.range(0, 1));
    ProcessEngine engine(ctx, sink);
    const int rc = engine.CalcProcMake(q.E + "=", true);
    if (q.type == 0) {
      EXPECT_EQ(rc, 0);
      EXPECT_TRUE(ctx.ProcOK);
      continue;
    }
    ASSERT_EQ(rc, 1);
    EXPECT_EQ(ctx.ProcType, q.type);
    if (checkBuilt(q, ctx.ProcText, sink, lines)) ++built;
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_GT(built, 2000);
}

TEST(ProductProperty, LargeFactorsFailCleanlyOrGiveTheTrueValue) {
  Generator gen(7);
  for (int round = 0; round < 2000; ++round) {
    std::string E;
    Rational truth{1, 1};
    const int count = static_cast<int>(gen.range(2, 3));
    for (int i = 0; i < count; ++i) {
      const int64_t d = gen.range(2, 4000000000LL);
      const int64_t n = gen.range(1, 4000000000LL);
      const char op = i == 0 ? '*' : (gen.range(0, 1) == 0 ? '*' : '/');
      if (i > 0) E += op;
      E += std::to_string(d) + "b" + std::to_string(n);
      truth = op == '/' ? div(truth, {n, d}) : mul(truth, {n, d});
    }
    SCOPED_TRACE(E);
    ProcessContext ctx;
    KakkoContext kakko;
    RecordingSink sink;
    const ProductOutcome out = buildProductProcess(ctx, kakko, sink, E, 10);
    if (out == ProductOutcome::Failed) {
      EXPECT_FALSE(ctx.ProcOK);
      ASSERT_FALSE(sink.boxes().empty());
      EXPECT_EQ(sink.boxes().back().text, kProductOverflowText);
      continue;
    }
    ASSERT_EQ(out, ProductOutcome::Built);
    Rational got;
    ASSERT_TRUE(parseRational(finalAnswer(ctx.ProcText), got)) << ctx.ProcText;
    EXPECT_TRUE(got == truth) << ctx.ProcText;
  }
}

}  // namespace
}  // namespace ravlo::test
