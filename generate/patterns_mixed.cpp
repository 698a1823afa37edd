// Mixed numbers: addition, and subtraction with or without borrowing from the whole number
// (繰り下がり), over the same or over different denominators.
#include <vector>

#include "generate/gen_pattern.h"
#include "generate/gen_text.h"

namespace ravlo {
namespace {

struct Mixed {
  int64_t whole, num, den;
  std::string text() const { return GenMixed(whole, num, den); }
  std::string fraction() const { return GenFrac(num, den); }
};

Mixed drawMixed(GenRng& rng, int64_t den, const GenParams& p) {
  return {rng.between(1, p.maxWhole), GenNumerator(rng, den), den};
}

template <bool kSameDen>
std::string drawMixedSum(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const int64_t d1 = rng.between(2, p.maxDen);
  int64_t d2 = d1;
  if (!kSameDen) {
    d2 = rng.between(2, p.maxDen);
    if (d2 == d1) return {};
  }
  const Mixed a = drawMixed(rng, d1, p);
  const Mixed b = drawMixed(rng, d2, p);
  const char op = GenAddOrSub(rng, p.op);
  const std::string text = a.text() + op + b.text() + "=";
  const auto v = judge.value(text);
  if (!v || v->num <= 0) return {};
  if (op == '-') {
    // Borrowing is needed when the first fraction is the smaller.
    const auto fractions = judge.value(a.fraction() + "-" + b.fraction());
    if (!fractions || !GenTriFits(p.borrow, fractions->num < 0)) return {};
  } else if (p.borrow == GenTri::Yes) {
    return {};
  }
  return text;
}

std::string refuseMixed(const GenParams& p) {
  if (p.terms != 2) return "この型の項の数は 2 だけです。";
  if (p.maxDen < 3) return "この型には最大の分母が 3 以上いります。";
  if (p.maxWhole < 2 && p.op == GenOp::Sub)
    return "帯分数のひき算には整数部分の最大が 2 以上いります。";
  if (p.borrow == GenTri::Yes && p.op == GenOp::Add)
    return "繰り下がりはひき算だけです（--op sub か both にしてください）。";
  return {};
}

constexpr unsigned kTakes = kGenMaxDen | kGenMaxWhole | kGenOp | kGenBorrow;

}  // namespace

std::vector<GenPattern> GenMixedPatterns() {
  return {
      {"mixed-same", "同じ分母の帯分数のたし算・ひき算", kTakes,
       GenParams{.maxDen = 10, .maxWhole = 5}, refuseMixed, drawMixedSum<true>},
      {"mixed-unlike", "分母のちがう帯分数のたし算・ひき算", kTakes,
       GenParams{.maxDen = 10, .maxWhole = 5}, refuseMixed, drawMixedSum<false>},
  };
}

}  // namespace ravlo
