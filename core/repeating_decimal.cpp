#include "core/repeating_decimal.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace ravlo {
namespace {

// Ten times a remainder below 2^63 needs more than 64 bits.
__extension__ typedef __int128 i128;

bool terminates(std::int64_t d) {
  while (d % 2 == 0) d /= 2;
  while (d % 5 == 0) d /= 5;
  return d == 1;
}

char digitChar(i128 q) { return static_cast<char>('0' + static_cast<int>(q)); }

}  // namespace

RepeatingDecimal repeatingDecimal(std::int64_t numerator, std::int64_t denominator,
                                  int maxPlaces) {
  using Kind = RepeatingDecimal::Kind;
  if (numerator <= 0 || denominator <= 0 || numerator >= denominator) return {};
  const std::int64_t g = std::gcd(numerator, denominator);
  const i128 n = numerator / g;
  const i128 d = denominator / g;

  std::string text = "0.";
  if (terminates(static_cast<std::int64_t>(d))) {
    // Up to 62 places for a denominator below 2^63; past maxPlaces the text is no longer one
    // a learner can read, and a rounded one would not be exact.
    int places = 0;
    for (i128 r = n; r != 0; r = r * 10 % d) {
      if (++places > maxPlaces) return {Kind::TerminatingTooLong, {}};
      text += digitChar(r * 10 / d);
    }
    return {Kind::Terminating, text};
  }

  // remainders[k] is the remainder before place k; entry 0 is a stop mark that a repeating
  // fraction never reaches.
  std::vector<i128> remainders{0};
  std::string places;
  i128 r = n;
  for (int i = 0;; ++i) {
    const i128 q = r / d;
    const i128 rest = r - d * q;
    if (i > 0) places += digitChar(q);
    const auto found = std::find(remainders.begin(), remainders.end(), rest);
    if (found != remainders.end()) {
      const auto j = static_cast<std::size_t>(found - remainders.begin());
      if (j == 0) return {};
      text += places.substr(0, j - 1);
      text += '@';
      text += places.substr(j - 1);
      return {Kind::Repeating, text};
    }
    if (i + 1 > maxPlaces) return {Kind::TooLong, {}};
    remainders.push_back(rest);
    r = rest * 10;
  }
}

}  // namespace ravlo
