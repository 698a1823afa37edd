#include "generate/gen_text.h"

#include <numeric>

namespace ravlo {

int64_t GenGcd(int64_t a, int64_t b) { return std::gcd(a, b); }
int64_t GenLcm(int64_t a, int64_t b) { return a / std::gcd(a, b) * b; }

std::string GenFrac(int64_t num, int64_t den) {
  if (den == 1) return std::to_string(num);
  return std::to_string(den) + "b" + std::to_string(num);
}

std::string GenMixed(int64_t whole, int64_t num, int64_t den) {
  if (num == 0) return std::to_string(whole);
  if (whole == 0) return GenFrac(num, den);
  return std::to_string(whole) + "k" + GenFrac(num, den);
}

int64_t GenNumerator(GenRng& rng, int64_t den) {
  for (;;) {
    const int64_t n = rng.between(1, den - 1);
    if (std::gcd(n, den) == 1) return n;
  }
}

bool GenAnswerFits(GenAnswer kind, const GenValue& v, int64_t lcd) {
  if (v.num <= 0) return false;
  switch (kind) {
    case GenAnswer::Any:
      return true;
    case GenAnswer::Simple:
      return v.num < v.den && v.den == lcd;
    case GenAnswer::Reduce:
      return !v.whole() && v.den < lcd;
    case GenAnswer::Whole:
      return v.whole();
    case GenAnswer::Mixed:
      return !v.whole() && v.num > v.den;
  }
  return false;
}

bool GenTriFits(GenTri asked, bool happened) {
  return asked == GenTri::Any || happened == (asked == GenTri::Yes);
}

char GenAddOrSub(GenRng& rng, GenOp op) {
  if (op == GenOp::Add) return '+';
  if (op == GenOp::Sub) return '-';
  return rng.coin() ? '+' : '-';
}

std::string GenRangeRefusal(std::string_view what, int value, int lo, int hi) {
  if (value >= lo && value <= hi) return {};
  return std::string(what) + "は " + std::to_string(lo) + "～" + std::to_string(hi) +
         " にしてください（" + std::to_string(value) + " は使えません）。";
}

}  // namespace ravlo
