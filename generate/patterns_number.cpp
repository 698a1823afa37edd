// Numbers in other forms: decimals with fractions, repeating decimals, a fraction of a
// quantity, ratios to simplify, and linear equations with fractional coefficients (中1).
#include <string>
#include <vector>

#include "core/repeating_decimal.h"
#include "generate/gen_pattern.h"
#include "generate/gen_text.h"

namespace ravlo {
namespace {

std::string drawFraction(GenRng& rng, const GenParams& p) {
  const int64_t d = rng.between(2, p.maxDen);
  return GenFrac(GenNumerator(rng, d), d);
}

char drawOp(GenRng& rng) {
  constexpr char kOps[] = {'+', '-', '*', '/'};
  return kOps[rng.between(0, 3)];
}

// "1.25": one or two places, the last one not 0.
std::string drawDecimal(GenRng& rng) {
  const bool two = rng.coin();
  const int64_t scale = two ? 100 : 10;
  const int64_t n = rng.between(1, 2 * scale - 1);
  if (n % 10 == 0) return {};
  std::string frac = std::to_string(n % scale);
  if (two && frac.size() < 2) frac.insert(0, "0");
  return std::to_string(n / scale) + "." + frac;
}

std::string drawDecFrac(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const std::string dec = drawDecimal(rng);
  if (dec.empty()) return {};
  const std::string frac = drawFraction(rng, p);
  const char op = drawOp(rng);
  const std::string text = (rng.coin() ? dec + op + frac : frac + op + dec) + "=";
  const auto v = judge.value(text);
  if (!v || v->num <= 0) return {};
  return text;
}

std::string drawRepeating(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const int64_t den = rng.between(3, p.maxDen);
  int64_t rest = den;
  while (rest % 2 == 0) rest /= 2;
  while (rest % 5 == 0) rest /= 5;
  if (rest == 1) return {};  // it would terminate
  const int64_t num = GenNumerator(rng, den);
  const RepeatingDecimal r = repeatingDecimal(num, den, 8);
  if (r.kind != RepeatingDecimal::Kind::Repeating) return {};
  // The engine must read the decimal as the fraction it stands for.
  if (judge.value(r.text) != GenValue{num, den}) return {};
  const char op = drawOp(rng);
  const std::string other =
      rng.coin() ? drawFraction(rng, p) : std::to_string(rng.between(2, p.maxWhole));
  const std::string text = r.text + op + other + "=";
  const auto v = judge.value(text);
  if (!v || v->num <= 0) return {};
  return text;
}

std::string drawQuantity(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const int64_t d = rng.between(2, p.maxDen);
  if (p.maxWhole / d < 1) return {};
  const int64_t quantity = d * rng.between(1, p.maxWhole / d);
  const std::string text = std::to_string(quantity) + "*" + GenFrac(GenNumerator(rng, d), d) + "=";
  const auto v = judge.value(text);
  if (!v || !v->whole() || v->num <= 0) return {};
  return text;
}

std::string drawRatio(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  std::string text;
  switch (rng.between(0, 2)) {
    case 0: {
      const int64_t k = rng.between(2, p.maxWhole);
      text = std::to_string(k * rng.between(1, p.maxWhole)) + ":" +
             std::to_string(k * rng.between(1, p.maxWhole));
      break;
    }
    case 1: {
      const std::string a = drawDecimal(rng), b = drawDecimal(rng);
      if (a.empty() || b.empty()) return {};
      text = a + ":" + b;
      break;
    }
    default:
      text = drawFraction(rng, p) + ":" + drawFraction(rng, p);
  }
  if (!judge.ratio(text)) return {};
  return text + "=";
}

// A term of an equation: a fraction or a whole number, negative now and then.
std::string drawSide(GenRng& rng, const GenParams& p) {
  std::string t = rng.coin() ? drawFraction(rng, p) : std::to_string(rng.between(1, p.maxWhole));
  return rng.between(0, 3) == 0 ? "m" + t : t;
}

std::string drawEquation(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const std::string a = drawFraction(rng, p);
  const std::string b = drawFraction(rng, p);
  const std::string left = a + "x" + GenAddOrSub(rng, GenOp::Both) +
                           (rng.coin() ? b : std::to_string(rng.between(1, p.maxWhole)));
  std::string right = drawSide(rng, p);
  if (rng.between(0, 2) == 0) right = drawFraction(rng, p) + "x" + GenAddOrSub(rng, GenOp::Both) +
                                      std::to_string(rng.between(1, p.maxWhole));
  const std::string text = left + "=" + right;
  if (!judge.solve(text)) return {};
  return text;
}

std::string refuseNumber(const GenParams& p) {
  if (p.terms != 2) return "この型の項の数は 2 だけです。";
  if (p.maxDen < 3) return "この型には最大の分母が 3 以上いります。";
  if (p.maxWhole < 2) return "この型には整数の最大が 2 以上いります。";
  return {};
}

std::string refuseQuantity(const GenParams& p) {
  if (std::string r = refuseNumber(p); !r.empty()) return r;
  if (p.maxWhole < p.maxDen) return "量の最大（--max-whole）は最大の分母以上にしてください。";
  return {};
}

constexpr unsigned kTakes = kGenMaxDen | kGenMaxWhole;

}  // namespace

std::vector<GenPattern> GenNumberPatterns() {
  return {
      {"dec-frac", "小数と分数のまじった計算", kGenMaxDen, GenParams{.maxDen = 9}, refuseNumber,
       drawDecFrac},
      {"quantity", "量の分数倍（□の 3/4 は）", kTakes, GenParams{.maxDen = 10, .maxWhole = 100},
       refuseQuantity, drawQuantity},
      {"ratio", "比を簡単にする", kTakes, GenParams{.maxDen = 9, .maxWhole = 12}, refuseNumber,
       drawRatio},
      {"repeating", "循環小数と分数の計算", kTakes, GenParams{.maxDen = 12, .maxWhole = 9},
       refuseNumber, drawRepeating},
      {"equation", "分数係数の一次方程式", kTakes, GenParams{.maxDen = 9, .maxWhole = 9},
       refuseNumber, drawEquation},
  };
}

}  // namespace ravlo
