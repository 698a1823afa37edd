#pragma once
// How a number typed in the constants box becomes a stored constant: decimals are written
// again with the chosen number of significant digits, integers are kept as typed, and no
// constant may carry more than 18 significant digits.
#include <string>
#include <string_view>

namespace ravlo {

inline constexpr int kTeisuuDigitsMin = 1;
inline constexpr int kTeisuuDigitsMax = 18;
inline constexpr int kTeisuuMaxSignificant = 18;

struct TeisuuValue {
  enum class Status {
    Ok,
    Empty,        // nothing typed
    NotReal,      // a decimal that is no real number
    NotInteger,   // neither a decimal nor an integer
    TooManyDigits // more than 18 significant digits
  };
  Status status = Status::Empty;
  std::string value;
};

// x in fixed notation with `digits` significant digits and at most 18 decimals, trailing
// zeros removed; a value that would need an exponent is written out in plain digits.
std::string teisuuFixed(long double x, int digits);

// The significant digits of a number text: its digits without sign, point and leading zeros.
int significantDigits(std::string_view number);

// The stored form of the input field's text (pai and exp replaced by their values).
TeisuuValue teisuuValue(std::string_view field, int digits);

}  // namespace ravlo
