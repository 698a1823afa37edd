#include "tools/model/exact_decimal.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ravlo {
namespace {

// A natural number in base 2^32, least significant limb first.
using Limbs = std::vector<std::uint32_t>;

void multiply(Limbs& n, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : n) {
    const std::uint64_t t = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(t);
    carry = t >> 32;
  }
  if (carry != 0) n.push_back(static_cast<std::uint32_t>(carry));
}

std::string decimalText(Limbs n) {
  constexpr std::uint32_t kChunk = 1'000'000'000;
  std::vector<std::uint32_t> chunks;  // nine digits each, least significant first
  while (!n.empty()) {
    std::uint64_t rest = 0;
    for (std::size_t i = n.size(); i-- > 0;) {
      const std::uint64_t cur = rest << 32 | n[i];
      n[i] = static_cast<std::uint32_t>(cur / kChunk);
      rest = cur % kChunk;
    }
    while (!n.empty() && n.back() == 0) n.pop_back();
    chunks.push_back(static_cast<std::uint32_t>(rest));
  }
  std::string out;
  for (std::size_t i = chunks.size(); i-- > 0;) {
    const std::string c = std::to_string(chunks[i]);
    if (i + 1 < chunks.size()) out.append(9 - c.size(), '0');
    out += c;
  }
  return out;
}

// Enough 32-bit limbs for any significand.
constexpr int kSignificandLimbs = (LDBL_MANT_DIG + 31) / 32;

}  // namespace

Decimal decimalFrom(std::string digits, long long exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  digits.erase(0, first);
  while (digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  return {digits, exponent};
}

Decimal exactDecimal(long double x) {
  if (x == 0) return {};
  int e = 0;
  long double m = std::frexp(std::fabs(x), &e);
  Limbs n(kSignificandLimbs);
  for (int i = kSignificandLimbs; i-- > 0;) {
    m *= 0x1p32L;
    const long double limb = std::floor(m);
    n[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(limb);
    m -= limb;
  }
  // |x| = n × 2^shift.
  const long long shift = e - 32LL * kSignificandLimbs;
  for (long long s = shift; s > 0; s -= 31) multiply(n, std::uint32_t{1} << std::min(s, 31LL));
  // n / 2^s = n × 5^s / 10^s
  long long exponent = 0;
  for (long long s = -shift; s > 0; s -= 13) {
    std::uint32_t five = 1;
    for (long long i = std::min(s, 13LL); i > 0; --i) five *= 5;
    multiply(n, five);
    exponent -= std::min(s, 13LL);
  }
  while (!n.empty() && n.back() == 0) n.pop_back();
  return decimalFrom(decimalText(n), exponent);
}

Decimal roundedAt(const Decimal& d, long long place) {
  const long long keep = d.top() - place;
  if (keep >= static_cast<long long>(d.digits.size())) return d;
  if (keep < 0) return {};
  const auto k = static_cast<std::size_t>(keep);
  std::string kept = d.digits.substr(0, k);
  const char next = d.digits[k];
  const bool beyond = d.digits.find_first_not_of('0', k + 1) != std::string::npos;
  const bool odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
  const bool up = next > '5' || (next == '5' && (beyond || odd));
  return up ? plusUnitAt(decimalFrom(kept, place), place) : decimalFrom(kept, place);
}

Decimal plusUnitAt(Decimal d, long long place) {
  if (d.digits.empty()) return {"1", place};
  d.digits.append(static_cast<std::size_t>(d.exponent - place), '0');
  std::size_t i = d.digits.size();
  while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
  if (i == 0) {
    d.digits.insert(d.digits.begin(), '1');
  } else {
    ++d.digits[i - 1];
  }
  return decimalFrom(d.digits, place);
}

int compare(const Decimal& a, const Decimal& b) {
  if (a.digits.empty() || b.digits.empty()) return !a.digits.empty() - !b.digits.empty();
  if (a.top() != b.top()) return a.top() < b.top() ? -1 : 1;
  const int c = a.digits.compare(b.digits);
  return (c > 0) - (c < 0);
}

}  // namespace ravlo
