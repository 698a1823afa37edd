#pragma once
// Decides whether one side of an equation, after its multiplications have been written out,
// is a first-degree expression in x. The solver's text rewriting is only sound on such sides,
// so anything else is refused before the rewriting starts.
#include <string_view>

namespace ravlo {

enum class XLinearFault {
  None,           // at most first degree in x
  XInDenominator, // x in a divisor
  XPowered,       // x, or a bracket holding x, raised to a power
  NotLinear,      // a product of two factors that hold x
  Unsupported,    // x in an exponent or under "!", or a text that is not an expression
};

// Grammar: a sum of products of signed factors; a factor is a number, "x" or a bracket,
// followed by "!" and "^exponent" as the input checker allows. Implicit multiplication must
// have been written out already.
XLinearFault checkXLinear(std::string_view side);

}  // namespace ravlo
