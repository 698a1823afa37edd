// Three or more terms with mixed operations: the order of operations (× ÷ before + −), and
// brackets that change it. The promise is checked by computing the problem both ways.
#include <string>
#include <vector>

#include "generate/gen_pattern.h"
#include "generate/gen_text.h"

namespace ravlo {
namespace {

std::string drawTerm(GenRng& rng, const GenParams& p) {
  if (rng.between(0, 3) == 0) return std::to_string(rng.between(2, p.maxWhole));
  const int64_t d = rng.between(2, p.maxDen);
  return GenFrac(GenNumerator(rng, d), d);
}

// Operators with at least one of + − and one of × ÷.
std::vector<char> drawOps(GenRng& rng, int count) {
  constexpr char kOps[] = {'+', '-', '*', '/'};
  std::vector<char> ops;
  for (int i = 0; i < count; ++i) ops.push_back(kOps[rng.between(0, 3)]);
  const int sum = static_cast<int>(rng.between(0, count - 1));
  int product = static_cast<int>(rng.between(0, count - 2));
  if (product >= sum) ++product;
  if (ops[static_cast<std::size_t>(sum)] == '*' || ops[static_cast<std::size_t>(sum)] == '/')
    ops[static_cast<std::size_t>(sum)] = rng.coin() ? '+' : '-';
  if (ops[static_cast<std::size_t>(product)] == '+' || ops[static_cast<std::size_t>(product)] == '-')
    ops[static_cast<std::size_t>(product)] = rng.coin() ? '*' : '/';
  return ops;
}

std::string drawOrder(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const std::vector<char> ops = drawOps(rng, p.terms - 1);
  std::string text = drawTerm(rng, p);
  std::string leftToRight = text;
  for (const char op : ops) {
    const std::string t = drawTerm(rng, p);
    text += op + t;
    leftToRight = "(" + leftToRight + ")" + op + t;
  }
  text += '=';
  if (text.find('b') == std::string::npos) return {};  // a fraction sheet needs a fraction
  const auto v = judge.value(text);
  const auto naive = judge.value(leftToRight);
  if (!v || v->num <= 0 || !naive || *naive == *v) return {};
  return text;
}

std::string drawBracket(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const std::vector<char> ops = drawOps(rng, 2);
  const std::string a = drawTerm(rng, p), b = drawTerm(rng, p), c = drawTerm(rng, p);
  // The bracket goes round the sum, where it changes the order.
  const bool sumFirst = ops[0] == '+' || ops[0] == '-';
  const std::string flat = a + ops[0] + b + ops[1] + c;
  const std::string text = (sumFirst ? "(" + a + ops[0] + b + ")" + ops[1] + c
                                     : a + ops[0] + "(" + b + ops[1] + c + ")") + "=";
  if (text.find('b') == std::string::npos) return {};
  const auto v = judge.value(text);
  const auto without = judge.value(flat);
  if (!v || v->num <= 0 || !without || *without == *v) return {};
  return text;
}

std::string refuseOrder(const GenParams& p) {
  if (std::string r = GenRangeRefusal("この型の項の数", p.terms, 3, kGenTermsLimit); !r.empty())
    return r;
  if (p.maxDen < 3) return "この型には最大の分母が 3 以上いります。";
  if (p.maxWhole < 2) return "この型には整数の最大が 2 以上いります。";
  return {};
}

std::string refuseBracket(const GenParams& p) {
  if (p.terms != 3) return "この型の項の数は 3 だけです。";
  return refuseOrder(p);
}

constexpr unsigned kTakes = kGenMaxDen | kGenMaxWhole | kGenTerms;

}  // namespace

std::vector<GenPattern> GenOrderPatterns() {
  return {
      {"order3", "計算の順序（三つ以上の数）", kTakes,
       GenParams{.maxDen = 9, .maxWhole = 5, .terms = 3}, refuseOrder, drawOrder},
      {"bracket", "かっこのある計算", kTakes, GenParams{.maxDen = 9, .maxWhole = 5, .terms = 3},
       refuseBracket, drawBracket},
  };
}

}  // namespace ravlo
