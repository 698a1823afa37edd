#include "tools/model/real_math.h"

#include <cmath>
#include <limits>

#include "tools/model/real80.h"

namespace ravlo {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

constexpr long double kLn2 = 0.693147180559945309417232121458176568075500134360255254L;
constexpr long double kLn10 = 2.30258509299404568401799145468436420760110148862877298L;
constexpr long double kSqrtHalf = 0.707106781186547524400844362104849039284835937688474036L;
constexpr long double kInvLn2 = 1.44269504088896340735992468100189213742664595415298593L;
// ln 2 in two parts, the first of 40 bits: k * kLn2Hi is exact for every exponent k.
constexpr long double kLn2Hi = 0xb17217f7d1p-40L;
constexpr long double kLn2Lo = 7.37100256516779890183404013000134360255254120680009493e-13L;

// Past these exp(x) overflows, or is below the least subnormal of either width.
constexpr long double kExpOverflow = 11357;
constexpr long double kExpUnderflow = -11500;

// |s| <= 0.172 and |r| <= 0.347: these many terms leave less than 2^-115.
constexpr int kAtanhTerms = 24;
constexpr int kExpTerms = 25;

bool isOddInteger(long double b) { return std::fabs(std::fmod(b, 2.0L)) == 1; }

}  // namespace

long double portableLog(long double x) {
  if (std::isnan(x) || x < 0) return kNaN;
  if (x == 0) return -kInf;
  if (std::isinf(x)) return x;
  int k = 0;
  long double m = std::frexp(x, &k);
  if (m < kSqrtHalf) {
    m *= 2;
    --k;
  }
  // ln m = 2 atanh(s) = 2 (s + s^3/3 + s^5/5 + …) for m in [1/√2, √2].
  const long double s = (m - 1) / (m + 1);
  const long double s2 = s * s;
  long double sum = 1.0L / (2 * kAtanhTerms + 1);
  for (int j = kAtanhTerms - 1; j >= 0; --j) sum = sum * s2 + 1.0L / (2 * j + 1);
  return static_cast<long double>(k) * kLn2 + 2 * s * sum;
}

long double portableLog10(long double x) { return portableLog(x) / kLn10; }

long double portableExp(long double x) {
  if (std::isnan(x)) return x;
  if (x > kExpOverflow) return kInf;
  if (x < kExpUnderflow) return 0;
  const long double k = std::round(x * kInvLn2);
  const long double r = (x - k * kLn2Hi) - k * kLn2Lo;
  long double sum = 1;
  for (int n = kExpTerms; n >= 1; --n) sum = 1 + sum * r / static_cast<long double>(n);
  return std::scalbn(sum, static_cast<int>(k));
}

long double portablePow(long double a, long double b) {
  if (b == 0 || a == 1) return 1;
  const bool integer = std::trunc(b) == b;
  if (a < 0 && !integer) return kNaN;
  const long double sign = std::signbit(a) && isOddInteger(b) ? -1 : 1;
  if (a == 0) return sign * (b < 0 ? kInf : 0);
  return sign * portableExp(b * portableLog(std::fabs(a)));
}

long double realLog(long double x) {
  if constexpr (kWideLongDouble) return portableLog(x);
  return std::log(x);
}

long double realLog10(long double x) {
  if constexpr (kWideLongDouble) return portableLog10(x);
  return std::log10(x);
}

long double realPow(long double a, long double b) {
  if constexpr (kWideLongDouble) return portablePow(a, b);
  return std::pow(a, b);
}

}  // namespace ravlo
