#include "tools/model/teisuu_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/text_helpers.h"
#include "tools/model/real_calc.h"
#include "tools/model/real_text.h"

namespace ravlo {
namespace {

constexpr int kMaxDecimals = 18;

bool signedDigitRun(std::string_view s) {
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  return isDigitRun(s);
}

}  // namespace

std::string teisuuFixed(long double x, int digits) {
  digits = std::clamp(digits, kTeisuuDigitsMin, kTeisuuDigitsMax);
  if (x == 0 || !std::isfinite(x)) return "0";
  const std::string sign = x < 0 ? "-" : "";
  const long double m = std::fabs(x);
  // "d.ddd…e±XX": the significant digits after rounding, and where the point goes.
  const std::string sci = realScientific(m, digits - 1);
  const std::size_t e = sci.find('e');
  int exponent = 0;
  std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
  if (exponent >= digits) {
    std::string plain;
    for (char c : std::string_view(sci).substr(0, e))
      if (c != '.') plain += c;
    plain.append(static_cast<std::size_t>(exponent + 1) - plain.size(), '0');
    return sign + plain;
  }
  std::string fixed = realFixed(m, std::min(kMaxDecimals, digits - 1 - exponent));
  if (fixed.find('.') != std::string::npos) {
    while (fixed.back() == '0') fixed.pop_back();
  }
  if (fixed.find_first_not_of("0.") == std::string::npos) return "0";
  return sign + fixed;
}

int significantDigits(std::string_view number) {
  std::string digits;
  for (char c : number)
    if (c >= '0' && c <= '9') digits += c;
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? 0 : static_cast<int>(digits.size() - first);
}

TeisuuValue teisuuValue(std::string_view field, int digits) {
  using S = TeisuuValue::Status;
  if (field.empty()) return {S::Empty, {}};
  const std::string v = replacePaiExp(removeLeadingRun(field, '0'));
  std::string value;
  if (v.find('.') != std::string::npos) {
    const long double x = RealRead(v);
    if (!std::isfinite(x)) return {S::NotReal, {}};
    value = teisuuFixed(x, digits);
  } else {
    // A run of zeros is the integer 0.
    if (!parseInt64(v.empty() ? "0" : v)) {
      // Only a digit run too long for 64 bits fails as a plain integer.
      return {signedDigitRun(v) ? S::TooManyDigits : S::NotInteger, {}};
    }
    value = std::string(field);
  }
  if (significantDigits(value) > kTeisuuMaxSignificant) return {S::TooManyDigits, {}};
  if (!value.empty() && value.back() == '.') value.pop_back();
  return {S::Ok, value};
}

}  // namespace ravlo
