#include "tools/model/real80.h"

namespace ravlo {
namespace {

int signOf(long double v) { return (v > 0) - (v < 0); }

}  // namespace

long double real80Quotient(long double a, long double b) {
  const long double q = a / b;
  if (!kWideLongDouble || !isNarrowMidpoint(q, kReal80)) return toReal80(q);
  const long double residual = std::fma(-q, b, a);  // (a/b - q) * b, its sign exact
  return roundToNarrow(q, kReal80, signOf(b > 0 ? residual : -residual));
}

long double real80Sqrt(long double a) {
  const long double s = std::sqrt(a);
  if (!kWideLongDouble || !isNarrowMidpoint(s, kReal80)) return toReal80(s);
  return roundToNarrow(s, kReal80, signOf(std::fma(-s, s, a)));
}

}  // namespace ravlo
