#pragma once
// An independent reference for checking the evaluator: exact rationals on 128-bit integers and
// a small recursive-descent reader of the encoded expression text. It shares no code with the
// engine, so a fault in the engine cannot hide in both.
#include <string>
#include <string_view>

#include "core/bunsuu64.h"

namespace ravlo::test {

__extension__ typedef __int128 I128;

struct Rat {
  I128 num = 0;  // sign carried here
  I128 den = 1;  // > 0, reduced
};

bool operator==(const Rat& a, const Rat& b);
std::string toString(const Rat& r);

enum class RefKind {
  Value,      // the text has this exact value
  Undefined,  // no value: division by zero, 0^0, a negative factorial, ...
  Unknown,    // the value or an intermediate leaves the 128-bit range; nothing can be said
};

struct RefResult {
  RefKind kind = RefKind::Unknown;
  Rat value;
  // The largest numerator or denominator met on the way (in reduced form).
  I128 largest = 0;
};

// The value of a question in the encoded text (no "=" part). Semantics as the calculator
// defines them: a sign belongs to its number ("m2^2" is 4), a sign before a bracket applies to
// the whole power ("m(1+1)^2" is -4), powers bind tightest and are taken from the left, "!"
// before any sign, "nPr"/"nCr" on plain digit runs.
RefResult referenceValue(std::string_view text);

// The value of one number text as the answer chain writes it (integer, "DbN", "IkDbN",
// decimal, optionally "m"); false when the text is not such a number.
bool readNumberText(std::string_view text, Rat& out);

// Its value as a decimal text that may end in "u" (cut off): exact value when there is no
// "u"; true plus the cut flag.
bool readDecimalText(std::string_view text, Rat& out, bool& cut);


// The exact value of a Bunsuu64 record.
inline Rat ratOf(const Bunsuu64& v) {
  const I128 whole = static_cast<I128>(v.integer) * v.denominator + v.numerator;
  Rat r{v.sign < 0 ? -whole : (v.sign == 0 ? 0 : whole), v.denominator};
  I128 a = r.num < 0 ? -r.num : r.num, b = r.den;
  while (b != 0) {
    I128 t = a % b;
    a = b;
    b = t;
  }
  if (a > 1) {
    r.num /= a;
    r.den /= a;
  }
  if (r.num == 0) r.den = 1;
  return r;
}

}  // namespace ravlo::test
