#pragma once
// The calculator's logarithms and powers. The desktop uses the C library's long double
// functions; where long double is IEEE binary128 (WebAssembly's musl) those only run in double
// precision, so the portable ones below serve instead, accurate to a few units of binary128's
// last place, well inside the 64-bit significand the calculator keeps (real80.h).
namespace ravlo {

long double realLog(long double x);
long double realLog10(long double x);
long double realPow(long double a, long double b);

// In long double of any width; a and b finite.
long double portableLog(long double x);
long double portableLog10(long double x);
long double portableExp(long double x);
long double portablePow(long double a, long double b);

}  // namespace ravlo
