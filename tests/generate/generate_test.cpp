// The generator: each pattern's promise, checked by the engine on the problems it wrote;
// reproducible sheets; refusals; the sequence of seed 1 against a golden file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <numeric>
#include <set>
#include <sstream>

#include "expr/inp_check.h"
#include "generate/gen_pattern.h"
#include "generate/gen_rng.h"
#include "tests/generate/generate_test_support.h"

namespace ravlo::test {
namespace {

using Check = std::function<bool(const std::string&, Engine&)>;

int64_t lcdOf(const std::vector<Term>& t) {
  int64_t l = 1;
  for (const Term& x : t) l = std::lcm(l, x.den);
  return l;
}
Term answerTerm(const std::string& problem, Engine& e) {
  const std::vector<Term> t = termsOf(e.answer(problem));
  return t.empty() ? Term{} : t.front();
}
bool hasOp(const std::string& s, std::string_view ops) {
  return s.find_first_of(ops) != std::string::npos;
}
// The problem with its first two terms computed first, left to right.
std::string leftToRight(const std::string& s) {
  const std::size_t second = s.find_first_of("+-*/", s.find_first_of("+-*/") + 1);
  return "(" + s.substr(0, second) + ")" + s.substr(second);
}
std::string withoutBrackets(std::string s) {
  std::erase(s, '(');
  std::erase(s, ')');
  return s;
}

struct PromiseRow {
  const char* name;
  std::string pattern;
  GenOverrides settings;
  Check holds;
};

GenOverrides answer(GenAnswer a) {
  GenOverrides o;
  o.answer = a;
  return o;
}
GenOverrides borrow(GenTri b) {
  GenOverrides o;
  o.op = GenOp::Sub;
  o.borrow = b;
  return o;
}
GenOverrides cancel(GenTri c) {
  GenOverrides o;
  o.cancel = c;
  return o;
}

std::vector<PromiseRow> promiseRows() {
  return {
      {"SameDenominator", "add-same", {},
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         return t[0].den == t[1].den;
       }},
      {"OneAMultiple", "add-multiple", {},
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         const auto [lo, hi] = std::minmax(t[0].den, t[1].den);
         return lo != hi && hi % lo == 0;
       }},
      {"Coprime", "add-coprime", {},
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         return std::gcd(t[0].den, t[1].den) == 1;
       }},
      {"SharedFactor", "add-common", {},
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         const int64_t g = std::gcd(t[0].den, t[1].den);
         return g > 1 && g != t[0].den && g != t[1].den;
       }},
      {"SimpleAnswer", "add-same", answer(GenAnswer::Simple),
       [](const std::string& s, Engine& e) {
         const Term a = answerTerm(s, e);
         return a.whole == 0 && a.den == lcdOf(termsOf(s));
       }},
      {"AnswerNeedsReducing", "add-multiple", answer(GenAnswer::Reduce),
       [](const std::string& s, Engine& e) {
         const Term a = answerTerm(s, e);
         return a.num > 0 && a.den < lcdOf(termsOf(s));
       }},
      {"WholeAnswer", "add-same", answer(GenAnswer::Whole),
       [](const std::string& s, Engine& e) {
         const Term a = answerTerm(s, e);
         return a.den == 1 && a.whole > 0;
       }},
      {"MixedAnswer", "add-common", answer(GenAnswer::Mixed),
       [](const std::string& s, Engine& e) {
         const Term a = answerTerm(s, e);
         return a.whole > 0 && a.num > 0;
       }},
      {"Borrowing", "mixed-same", borrow(GenTri::Yes),
       [](const std::string& s, Engine& e) {
         const auto t = termsOf(s);
         return t[0].num < t[1].num && answerTerm(s, e).whole >= 0 && s.find('-') != s.npos;
       }},
      {"NoBorrowing", "mixed-unlike", borrow(GenTri::No),
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         return t[0].den != t[1].den && t[0].num * t[1].den >= t[1].num * t[0].den;
       }},
      {"CancelBeforeMultiplying", "mul-frac", cancel(GenTri::Yes),
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         return std::gcd(t[0].num, t[1].den) > 1 || std::gcd(t[1].num, t[0].den) > 1;
       }},
      {"NothingToCancelInDivision", "div-frac", cancel(GenTri::No),
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         return std::gcd(t[0].num, t[1].num) == 1 && std::gcd(t[0].den, t[1].den) == 1;
       }},
      {"WithAWholeNumber", "muldiv-whole", {},
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         return (t[0].den == 1) != (t[1].den == 1);
       }},
      {"WithAMixedNumber", "muldiv-mixed", {},
       [](const std::string& s, Engine&) {
         const auto t = termsOf(s);
         return (t[0].whole > 0 && t[0].num > 0) || (t[1].whole > 0 && t[1].num > 0);
       }},
      {"OrderOfOperationsMatters", "order3", {},
       [](const std::string& s, Engine& e) {
         return hasOp(s, "+-") && hasOp(s, "*/") && e.answer(s) != e.answer(leftToRight(s));
       }},
      {"BracketsMatter", "bracket", {},
       [](const std::string& s, Engine& e) {
         return s.find('(') != s.npos && e.answer(s) != e.answer(withoutBrackets(s));
       }},
      {"DecimalWithFraction", "dec-frac", {},
       [](const std::string& s, Engine&) { return hasOp(s, ".") && hasOp(s, "b"); }},
      {"RepeatingDecimal", "repeating", {},
       [](const std::string& s, Engine&) { return hasOp(s, "@"); }},
      {"WholeQuantity", "quantity", {},
       [](const std::string& s, Engine& e) { return answerTerm(s, e).den == 1; }},
      {"RatioSimplifies", "ratio", {},
       [](const std::string& s, Engine& e) {
         const std::string q = s.substr(0, s.find('='));
         const std::string r = e.ev.HiKantan(q, 0);
         return r != "n" && r != q;
       }},
      {"EquationHasOneSolution", "equation", {},
       [](const std::string& s, Engine& e) {
         const std::string x = e.solve(s);
         return s.find('b') < s.find('x') && x != "n" && x.find("不") == x.npos;
       }},
  };
}

class PatternPromise : public ::testing::TestWithParam<PromiseRow> {};

TEST_P(PatternPromise, EveryProblemKeepsIt) {
  Engine e;
  const std::vector<std::string> sheet = generate(GetParam().pattern, GetParam().settings);
  ASSERT_EQ(sheet.size(), 20u);
  for (const std::string& s : sheet) EXPECT_TRUE(GetParam().holds(s, e)) << s;
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternPromise, ::testing::ValuesIn(promiseRows()),
                         [](const auto& row) { return std::string(row.param.name); });

// Whatever the pattern: the checker takes the whole text, the engine answers within 64 bits,
// no problem comes twice, and the denominators stay within the bound.
TEST(GeneratedSheet, EveryPatternWritesCheckedAnswerableDistinctProblemsWithinBounds) {
  Engine e;
  NullSink sink;
  // Small bounds, the defaults, and the largest bounds, where the 64-bit range is nearest.
  for (const int maxDen : {8, 0, kGenMaxDenLimit}) {
    for (const GenPattern& p : GenPatterns()) {
      GenOverrides o;
      if (maxDen) o.maxDen = maxDen;
      if (maxDen == kGenMaxDenLimit && (p.takes & kGenMaxWhole)) o.maxWhole = kGenMaxWholeLimit;
      const std::vector<std::string> sheet = generate(std::string(p.id), o, 12);
      ASSERT_EQ(sheet.size(), 12u) << p.id;
      EXPECT_EQ(std::set<std::string>(sheet.begin(), sheet.end()).size(), sheet.size()) << p.id;
      const int bound = maxDen ? maxDen : p.defaults.maxDen;
      for (const std::string& s : sheet) {
        InpCheckState st;
        EXPECT_EQ(SikiCheck(st, s, false, false, false, false, sink), 0u) << s;
        const bool answered =
            p.id == "equation" ? e.solve(s) != "n"
            : p.id == "ratio"  ? e.ev.HiKantan(s.substr(0, s.find('=')), 0) != "n"
                               : !e.answer(s).empty();
        EXPECT_TRUE(answered) << s;
        for (const Term& t : termsOf(s)) EXPECT_LE(t.den, bound) << s;
      }
    }
  }
}

TEST(GeneratedSheet, ASeedGivesTheSameSheetsAndEachVariantItsOwn) {
  GenRequest rq;
  rq.grade = 5;
  rq.count = 20;
  rq.seed = 42;
  rq.variants = 3;
  const GenResult a = GenerateSheets(rq);
  const GenResult b = GenerateSheets(rq);
  ASSERT_EQ(a.sheets.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(a.sheets[i].problems, b.sheets[i].problems);
  EXPECT_NE(a.sheets[0].problems, a.sheets[1].problems);
  EXPECT_NE(a.sheets[1].problems, a.sheets[2].problems);
  EXPECT_EQ(a.sheets[2].code, "42-03");
  EXPECT_EQ(a.sheets[2].title, "小5のまとめ　42-03");

  const auto code = ParseGenSheetCode(a.sheets[2].code);
  ASSERT_TRUE(code);
  rq.seed = code->first;
  rq.firstVariant = code->second;
  rq.variants = 1;
  EXPECT_EQ(GenerateSheets(rq).sheets.at(0).problems, a.sheets[2].problems);
  rq.seed = 43;
  EXPECT_NE(GenerateSheets(rq).sheets.at(0).problems, a.sheets[2].problems);
}

TEST(GeneratedSheet, ImpossibleRequestsAreRefusedWithTheReason) {
  struct Row {
    std::vector<std::string> patterns;
    int grade;
    GenOverrides o;
    int count;
    std::string says;
  };
  GenOverrides whole = answer(GenAnswer::Whole), reduce = answer(GenAnswer::Reduce);
  GenOverrides small, three, borrowOnly, mixedSub;
  small.maxDen = 5;
  three.terms = 3;
  borrowOnly.borrow = GenTri::Yes;
  mixedSub.op = GenOp::Sub;
  mixedSub.answer = GenAnswer::Mixed;
  const Row rows[] = {
      {{"add-coprime"}, 0, whole, 10, "整数になりません"},
      {{"add-coprime"}, 0, reduce, 10, "約分できません"},
      {{"add-common"}, 0, small, 10, "最大の分母が 6 以上"},
      {{"add-multiple"}, 0, three, 10, "項の数は 2 だけ"},
      {{"add-same"}, 0, mixedSub, 10, "1 より小さく"},
      {{"add-same"}, 0, borrowOnly, 10, "--borrow を使いません"},
      {{"nope"}, 0, {}, 10, "「nope」という型はありません"},
      {{}, 9, {}, 10, "学年は"},
      {{"add-same"}, 0, small, 50, "重ならずに 50 問つくれません"},
      {{"add-same"}, 0, {}, 51, "問題数は 1～50"},
  };
  for (const Row& row : rows) {
    GenRequest rq;
    rq.patterns = row.patterns;
    rq.grade = row.grade;
    rq.overrides = row.o;
    rq.count = row.count;
    const GenResult r = GenerateSheets(rq);
    EXPECT_TRUE(r.sheets.empty());
    EXPECT_NE(r.error.find(row.says), std::string::npos) << r.error;
  }
}

TEST(GenRng, SplitMixMatchesItsReferenceAndRangesHitEveryValueOnly) {
  uint64_t state = 0;
  EXPECT_EQ(SplitMix64(state), 0xE220A8397B1DCDAFULL);
  GenRng rng(7);
  std::set<int64_t> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(rng.between(-3, 9));
  EXPECT_EQ(seen.size(), 13u);
  EXPECT_EQ(*seen.begin(), -3);
  EXPECT_EQ(*seen.rbegin(), 9);
}

// The problems of seed 1 for a few patterns: a change in the drawing sequence shows here.
// RAVLO_UPDATE_GOLDEN=1 writes the file anew.
TEST(GeneratedSheet, SeedOneMatchesTheGoldenFile) {
  std::ostringstream now;
  for (const char* id : {"add-same", "add-common", "mixed-same", "mul-frac", "muldiv-mixed",
                         "order3", "bracket", "repeating", "ratio", "equation"})
    for (const std::string& s : generate(id, {}, 5)) now << id << '\t' << s << '\n';
  if (std::getenv("RAVLO_UPDATE_GOLDEN")) std::ofstream(RAVLO_GENERATE_GOLDEN) << now.str();
  std::ifstream in(RAVLO_GENERATE_GOLDEN);
  std::ostringstream golden;
  golden << in.rdbuf();
  EXPECT_EQ(now.str(), golden.str());
}

}  // namespace
}  // namespace ravlo::test
