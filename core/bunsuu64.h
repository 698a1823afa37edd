#pragma once
// The exact value of the calculator: sign × (integer part + numerator / denominator), three
// 64-bit integers. Every sum and product is tested against kInt64Bound before it is formed;
// a failed test shows its message and the operation returns the invalid value.
#include <cstdint>

#include "core/message_sink.h"

namespace ravlo {

// Sums and products must stay at or below this magnitude (0x7FFFFFFFFFFFFFF8, a little under
// the int64 maximum).
inline constexpr int64_t kInt64Bound = 9223372036854775800;

inline constexpr const char* kWarningCaption = "警告!";
inline constexpr const char* kSumOverflowText = "和の結果がint64の範囲を超えた。";
inline constexpr const char* kProductOverflowText = "積の結果がint64の範囲を超えた。";
inline constexpr const char* kZeroFactorText = "０でわった。";
inline constexpr const char* kDebugCaption = "Debug";
inline constexpr const char* kZeroDenominatorText = "分母＝０ が発生。";

struct Bunsuu64 {
  int8_t sign = 0;           // 1 positive, -1 negative, 0 the value zero
  int64_t integer = 0;       // whole part of a mixed number, >= 0
  int64_t denominator = 0;   // > 0; 0 marks the invalid value
  int64_t numerator = 0;     // >= 0

  bool valid() const { return denominator != 0; }
  friend bool operator==(const Bunsuu64&, const Bunsuu64&) = default;
};

inline constexpr Bunsuu64 kBunZero{0, 0, 1, 0};
inline constexpr Bunsuu64 kBunOne{1, 0, 1, 1};
inline constexpr Bunsuu64 kBunInvalid{0, 0, 0, 0};

// True when |a| + |b| <= kInt64Bound; otherwise shows the sum message.
bool Int64AddCheck(int64_t a, int64_t b, MessageSink& sink);
// True when |a| × |b| <= kInt64Bound; a zero first factor and an overflow show their messages.
bool Int64MulCheck(int64_t a, int64_t b, MessageSink& sink);
// Greatest common divisor of the magnitudes. gcd(a, 0) = |a|, gcd(0, 0) = 0. The one result
// that does not fit, 2^63 (both arguments INT64_MIN or 0), comes back as INT64_MIN, which still
// divides without fault.
int64_t Int64Gcd(int64_t a, int64_t b);
// Least common multiple of the magnitudes; -1 when the product test fails (with its message).
int64_t Int64Lcm(int64_t a, int64_t b, MessageSink& sink);

// The record as given, or invalid when integer < 0, denominator <= 0 or numerator < 0.
Bunsuu64 BunMake(int sign, int64_t integer, int64_t denominator, int64_t numerator);
// Proper (mixed) form: numerator < denominator.
Bunsuu64 BunToTai(const Bunsuu64& f, MessageSink& sink);
// Improper form: integer part 0.
Bunsuu64 BunToKa(const Bunsuu64& f, MessageSink& sink);
// Numerator and denominator divided by their gcd; sign and integer part kept.
Bunsuu64 BunYaku(const Bunsuu64& f);
Bunsuu64 BunNeg(const Bunsuu64& f);
// Reciprocal; invalid for a zero value (no message: the caller reports division by zero).
Bunsuu64 BunInv(const Bunsuu64& f, MessageSink& sink);
// 1 if |a| > |b|, -1 if smaller, 0 if equal (also 0 when either operand is invalid).
int BunAbsComp(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink);

Bunsuu64 BunAdd(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink);
Bunsuu64 BunSub(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink);
Bunsuu64 BunMul(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink);
Bunsuu64 BunDiv(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink);
// f to the power e; exact wherever numerator and denominator powers fit in int64, invalid
// (without a message) beyond that and for 0^0.
Bunsuu64 BunPow(const Bunsuu64& f, int32_t e, MessageSink& sink);

}  // namespace ravlo
