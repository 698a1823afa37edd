#include "tools/model/real_text.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "tools/model/exact_decimal.h"
#include "tools/model/real80.h"

namespace ravlo {
namespace {

std::string signOf(long double x) { return std::signbit(x) ? "-" : ""; }

std::string nonFinite(long double x) { return signOf(x) + (std::isnan(x) ? "nan" : "inf"); }

// d (a multiple of 10^-decimals) with exactly that many decimals.
std::string plain(const Decimal& d, long long decimals) {
  std::string digits = d.digits;
  if (!digits.empty()) digits.append(static_cast<std::size_t>(d.exponent + decimals), '0');
  const auto width = static_cast<std::size_t>(decimals + 1);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  if (decimals == 0) return digits;
  const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
  return digits.substr(0, point) + "." + digits.substr(point);
}

// d (at most `decimals` + 1 digits) as d.ddd…e±XX.
std::string withExponent(const Decimal& d, long long decimals) {
  std::string digits = d.digits.empty() ? "0" : d.digits;
  const long long e = d.digits.empty() ? 0 : d.top() - 1;
  digits.append(static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
  std::string out = digits.substr(0, 1);
  if (decimals > 0) out += "." + digits.substr(1);
  const std::string ex = std::to_string(e < 0 ? -e : e);
  return out + (e < 0 ? "e-" : "e+") + (ex.size() < 2 ? "0" : "") + ex;
}

// d rounded to `significant` digits.
Decimal roundedDigits(const Decimal& d, long long significant) {
  return roundedAt(d, d.top() - significant);
}

// Far past any 80-bit value, and past any text's length.
constexpr long long kExponentCap = 1'000'000'000'000'000;

Decimal decimalOf(std::string_view text) {
  std::string digits;
  long long fraction = 0;
  bool point = false;
  std::size_t i = 0;
  for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      point = true;
    } else {
      fraction += point;
      digits += text[i];
    }
  }
  long long exponent = 0;
  bool negative = false;
  if (i < text.size() && ++i < text.size() && (text[i] == '+' || text[i] == '-'))
    negative = text[i++] == '-';
  for (; i < text.size(); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
  return decimalFrom(digits, (negative ? -exponent : exponent) - fraction);
}

struct Read {
  long double value = 0;
  bool rangeError = false;
};

// The nearest 80-bit value; rangeError as glibc's strtold reports it.
Read read80(const Decimal& d) {
  if (d.digits.empty()) return {};
  // No decimal point, which strtold would take from the locale.
  const std::string text = d.digits + "e" + std::to_string(d.exponent);
  errno = 0;
  const long double wide = std::strtold(text.c_str(), nullptr);
  const bool rangeError = errno == ERANGE;
  if constexpr (!kWideLongDouble) {
    return {wide, rangeError};
  } else {
    Read r{toReal80(wide), false};
    if (isNarrowMidpoint(wide, kReal80)) r.value = roundToNarrow(wide, kReal80, compare(d, exactDecimal(wide)));
    // glibc's underflow: below the normal range after rounding, and not exactly the decimal
    // (musl's range error tells of digits lost below the wide type's normal range).
    r.rangeError = std::fabs(r.value) < kReal80Min && (rangeError || r.value != wide);
    return r;
  }
}

// The shorter of the plain and the exponent form, the plain one on a tie (as std::to_chars).
std::string present(const Decimal& d, const Decimal& exact) {
  const auto digits = static_cast<long long>(d.digits.size());
  const std::string sci = withExponent(d, digits - 1);
  const long long e = d.top() - 1;
  if (e >= static_cast<long long>(sci.size())) return sci;
  // An integer is written with all its digits.
  const std::string fixed = d.exponent >= 0 ? plain(exact, 0) : plain(d, -d.exponent);
  return fixed.size() <= sci.size() ? fixed : sci;
}

// 10^20 > 2^64: so many digits single out any 80-bit value.
constexpr long long kMaxShortestDigits = 21;

}  // namespace

std::string realFixed(long double x, int decimals) {
  if (!std::isfinite(x)) return nonFinite(x);
  return signOf(x) + plain(roundedAt(exactDecimal(x), -decimals), decimals);
}

std::string realScientific(long double x, int decimals) {
  if (!std::isfinite(x)) return nonFinite(x);
  return signOf(x) + withExponent(roundedDigits(exactDecimal(x), decimals + 1), decimals);
}

std::string realShortest(long double x) {
  if (!std::isfinite(x)) return nonFinite(x);
  if (x == 0) return signOf(x) + "0";
  const long double m = std::fabs(x);
  const Decimal exact = exactDecimal(m);
  Decimal d;
  for (long long digits = 1; digits <= kMaxShortestDigits; ++digits) {
    d = roundedDigits(exact, digits);
    const long double back = read80(d).value;
    if (back == m) break;
    // Just above a power of two the 80-bit values lie twice as far apart as below it, so the
    // next decimal up may read back as x when the nearest one below does not.
    if (back < m) {
      const Decimal up = plusUnitAt(d, exact.top() - digits);
      if (read80(up).value == m) {
        d = up;
        break;
      }
    }
  }
  return signOf(x) + present(d, exact);
}

std::optional<long double> readDecimal(std::string_view text) {
  const Read r = read80(decimalOf(text));
  if (r.rangeError || !std::isfinite(r.value)) return std::nullopt;
  return r.value;
}

}  // namespace ravlo
