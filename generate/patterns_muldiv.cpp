// Multiplication and division of fractions, whole numbers and mixed numbers, with or without
// cancelling before multiplying (約分してから計算).
#include <vector>

#include "generate/gen_pattern.h"
#include "generate/gen_text.h"

namespace ravlo {
namespace {

enum class Kind { Fraction, Whole, Mixed };

struct Operand {
  std::string text;
  int64_t num = 1;  // the improper form
  int64_t den = 1;
};

Operand drawOperand(GenRng& rng, Kind kind, const GenParams& p) {
  if (kind == Kind::Whole) {
    const int64_t n = rng.between(2, p.maxWhole);
    return {std::to_string(n), n, 1};
  }
  const int64_t d = rng.between(2, p.maxDen);
  const int64_t n = GenNumerator(rng, d);
  if (kind == Kind::Fraction) return {GenFrac(n, d), n, d};
  const int64_t w = rng.between(1, p.maxWhole);
  return {GenMixed(w, n, d), w * d + n, d};
}

// a op b with both kinds; cancelling happened when the answer's denominator is below the
// product of the denominators once the divisor is turned over.
std::string drawProduct(GenRng& rng, const GenParams& p, ProblemJudge& judge, Kind ka, Kind kb,
                        char op) {
  const Operand a = drawOperand(rng, ka, p);
  const Operand b = drawOperand(rng, kb, p);
  const std::string text = a.text + op + b.text + "=";
  const auto v = judge.value(text);
  if (!v || v->num <= 0) return {};
  const int64_t plain = a.den * (op == '*' ? b.den : b.num);
  if (!GenTriFits(p.cancel, v->den < plain)) return {};
  return text;
}

std::string drawMulFrac(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  return drawProduct(rng, p, judge, Kind::Fraction, Kind::Fraction, '*');
}

std::string drawDivFrac(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  return drawProduct(rng, p, judge, Kind::Fraction, Kind::Fraction, '/');
}

std::string drawWithWhole(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const char op = rng.coin() ? '*' : '/';
  return rng.coin() ? drawProduct(rng, p, judge, Kind::Fraction, Kind::Whole, op)
                    : drawProduct(rng, p, judge, Kind::Whole, Kind::Fraction, op);
}

std::string drawWithMixed(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const char op = rng.coin() ? '*' : '/';
  const Kind other = rng.coin() ? Kind::Mixed : Kind::Fraction;
  return rng.coin() ? drawProduct(rng, p, judge, Kind::Mixed, other, op)
                    : drawProduct(rng, p, judge, other, Kind::Mixed, op);
}

std::string refuseProduct(const GenParams& p) {
  if (p.terms != 2) return "この型の項の数は 2 だけです。";
  if (p.maxDen < 3) return "この型には最大の分母が 3 以上いります。";
  if (p.maxWhole < 2) return "この型には整数の最大が 2 以上いります。";
  return {};
}

constexpr unsigned kTakesFrac = kGenMaxDen | kGenCancel;
constexpr unsigned kTakesWhole = kGenMaxDen | kGenMaxWhole | kGenCancel;

}  // namespace

std::vector<GenPattern> GenMulDivPatterns() {
  return {
      {"muldiv-whole", "分数と整数のかけ算・わり算", kTakesWhole, GenParams{.maxDen = 10},
       refuseProduct, drawWithWhole},
      {"mul-frac", "分数×分数", kTakesFrac, GenParams{.maxDen = 10}, refuseProduct, drawMulFrac},
      {"div-frac", "分数÷分数", kTakesFrac, GenParams{.maxDen = 10}, refuseProduct, drawDivFrac},
      {"muldiv-mixed", "帯分数のかけ算・わり算", kTakesWhole,
       GenParams{.maxDen = 10, .maxWhole = 3}, refuseProduct, drawWithMixed},
  };
}

}  // namespace ravlo
