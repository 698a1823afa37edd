#pragma once
// Pure text rewrites the evaluator runs before it computes.
#include <string>
#include <string_view>

namespace ravlo {

// Writes out the multiplications that typing may leave implied: a "*" between ")" and a
// following digit or "(", and between a digit or "X", "Y", "Z" and a following "(".
// ‹2(3+1)› -> ‹2*(3+1)›, ‹(1+1)(2)› -> ‹(1+1)*(2)›.
std::string KakeruHokan(std::string_view text);

// A signed bracket is a product: every "m(" becomes "m1*(" and every "p(" becomes "(".
std::string signedBracketToProduct(std::string_view text);

}  // namespace ravlo
