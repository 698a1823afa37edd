#pragma once
// The calculator's reals are x87 80-bit values (64-bit significand), as long double is on the
// desktop. Where long double is wider (IEEE binary128 in WebAssembly) every value is rounded to
// that significand and exponent range, so each platform prints the same digits; on the
// desktop these are identities.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <concepts>
#include <limits>

namespace ravlo {

static_assert(LDBL_MANT_DIG == 64 || LDBL_MANT_DIG == 113,
              "the calculator needs the x87 80-bit type or a wider one to emulate it with");
inline constexpr bool kWideLongDouble = LDBL_MANT_DIG > 64;

// A binary format narrower than the type holding its values.
struct NarrowFormat {
  int bits;         // of the significand
  int minExponent;  // of the normal values; below it the spacing stays that of 2^minExponent
  int maxExponent;
};
inline constexpr NarrowFormat kReal80{64, -16382, 16383};
// The smallest normal 80-bit value.
inline constexpr long double kReal80Min = 0x1p-16382L;

// The spacing of the format's values around x (finite, not 0).
template <std::floating_point T>
T narrowQuantum(T x, NarrowFormat f) {
  return std::scalbn(T(1), std::max(std::ilogb(x), f.minExponent) - (f.bits - 1));
}

// x rounded to nearest, ties to even, into the format; infinity past its largest value.
template <std::floating_point T>
T roundToNarrow(T x, NarrowFormat f) {
  if (x == 0 || !std::isfinite(x)) return x;
  const int k = std::max(std::ilogb(x), f.minExponent);
  // y < 2; adding the shift leaves exactly bits - 1 binary places after the point.
  const T y = std::scalbn(std::fabs(x), -k);
  const T shift = std::scalbn(T(1), std::numeric_limits<T>::digits - f.bits);
  const T r = std::scalbn((y + shift) - shift, k);
  if (r != 0 && std::ilogb(r) > f.maxExponent) return std::copysign(std::numeric_limits<T>::infinity(), x);
  return std::copysign(r, x);
}

// A value exactly halfway between two of the format's may be the rounding of an exact value on
// either side of it (double rounding); `side`, the sign of exact - x, decides.
template <std::floating_point T>
bool isNarrowMidpoint(T x, NarrowFormat f) {
  if (x == 0 || !std::isfinite(x)) return false;
  const T units = std::fabs(x) / narrowQuantum(x, f);
  return units - std::floor(units) == T(0.5);
}

template <std::floating_point T>
T roundToNarrow(T x, NarrowFormat f, int side) {
  if (side == 0 || !isNarrowMidpoint(x, f)) return roundToNarrow(x, f);
  const T half = narrowQuantum(x, f) / 2;
  return roundToNarrow(side > 0 ? x + half : x - half, f);
}

inline long double toReal80(long double x) {
  if constexpr (kWideLongDouble) return roundToNarrow(x, kReal80);
  return x;
}

// a and b 80-bit values: the results exactly rounded like the x87's.
long double real80Quotient(long double a, long double b);
long double real80Sqrt(long double a);

}  // namespace ravlo
