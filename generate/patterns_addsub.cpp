// Addition and subtraction of proper fractions, by how the denominators are related.
#include <vector>

#include "generate/gen_pattern.h"
#include "generate/gen_text.h"

namespace ravlo {
namespace {

enum class DenRel { Same, Multiple, Coprime, Common };

constexpr int kTries = 64;

// The denominators of the terms, related as asked; empty when this draw found none.
std::vector<int64_t> drawDens(GenRng& rng, DenRel rel, const GenParams& p) {
  const int64_t top = p.maxDen;
  switch (rel) {
    case DenRel::Same:
      return std::vector<int64_t>(static_cast<std::size_t>(p.terms), rng.between(2, top));
    case DenRel::Multiple: {
      const int64_t d = rng.between(2, top / 2);
      const int64_t m = d * rng.between(2, top / d);
      return rng.coin() ? std::vector<int64_t>{d, m} : std::vector<int64_t>{m, d};
    }
    case DenRel::Coprime:
    case DenRel::Common:
      for (int i = 0; i < kTries; ++i) {
        const int64_t a = rng.between(2, top);
        const int64_t b = rng.between(2, top);
        const int64_t g = GenGcd(a, b);
        const bool fits = rel == DenRel::Coprime ? g == 1 : g > 1 && g != a && g != b;
        if (fits) return {a, b};
      }
      return {};
  }
  return {};
}

template <DenRel R>
std::string drawSum(GenRng& rng, const GenParams& p, ProblemJudge& judge) {
  const std::vector<int64_t> dens = drawDens(rng, R, p);
  if (dens.empty()) return {};
  std::string text;
  int64_t lcd = 1;
  for (std::size_t i = 0; i < dens.size(); ++i) {
    if (i > 0) text += GenAddOrSub(rng, p.op);
    text += GenFrac(GenNumerator(rng, dens[i]), dens[i]);
    lcd = GenLcm(lcd, dens[i]);
  }
  text += '=';
  const auto v = judge.value(text);
  if (!v || !GenAnswerFits(p.answer, *v, lcd)) return {};
  return text;
}

template <DenRel R>
std::string refuseSum(const GenParams& p) {
  constexpr int kLeast[] = {2, 4, 3, 6};  // the smallest largest denominator of each relation
  const int least = kLeast[static_cast<int>(R)];
  if (p.maxDen < least)
    return "この型には最大の分母が " + std::to_string(least) + " 以上いります。";
  if (R != DenRel::Same && p.terms != 2) return "この型の項の数は 2 だけです。";
  if (R != DenRel::Same && p.answer == GenAnswer::Whole)
    return "分母のちがう既約分数の和や差は整数になりません。";
  if (R == DenRel::Coprime && p.answer == GenAnswer::Reduce)
    return "分母が互いに素な既約分数の和や差は約分できません。";
  if (p.op == GenOp::Sub && (p.answer == GenAnswer::Whole || p.answer == GenAnswer::Mixed))
    return "真分数のひき算の答えは 1 より小さくなります。";
  return {};
}

constexpr unsigned kTakes = kGenMaxDen | kGenTerms | kGenOp | kGenAnswer;

}  // namespace

std::vector<GenPattern> GenAddSubPatterns() {
  return {
      {"add-same", "同じ分母のたし算・ひき算", kTakes, GenParams{.maxDen = 10},
       refuseSum<DenRel::Same>, drawSum<DenRel::Same>},
      {"add-multiple", "一方の分母が他方の倍数のたし算・ひき算", kTakes, GenParams{},
       refuseSum<DenRel::Multiple>, drawSum<DenRel::Multiple>},
      {"add-coprime", "分母が互いに素なたし算・ひき算", kTakes, GenParams{},
       refuseSum<DenRel::Coprime>, drawSum<DenRel::Coprime>},
      {"add-common", "分母が公約数をもつたし算・ひき算", kTakes, GenParams{.maxDen = 15},
       refuseSum<DenRel::Common>, drawSum<DenRel::Common>},
  };
}

}  // namespace ravlo
