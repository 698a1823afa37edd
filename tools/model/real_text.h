#pragma once
// Reals as text and text as reals, with the same digits in every C locale (the desktop may run
// with a "," decimal point) and on every platform (see real80.h): what std::to_chars and
// std::from_chars give for the x87 80-bit long double.
#include <optional>
#include <string>
#include <string_view>

namespace ravlo {

// printf's "%.*Lf" and "%.*Le" in the C locale, from the exact value.
std::string realFixed(long double x, int decimals);
// x must be finite.
std::string realScientific(long double x, int decimals);

// As std::to_chars(first, last, x) without a format: the fewest digits that read back as x
// (at 80 bits), written out plainly or with an exponent, whichever is shorter.
std::string realShortest(long double x);

// An unsigned decimal: digits with an optional point, at least one digit, then an optional
// exponent; other text is not allowed. Its nearest 80-bit value, or nothing when the value
// overflows, or underflows with a loss of digits.
std::optional<long double> readDecimal(std::string_view text);

}  // namespace ravlo
