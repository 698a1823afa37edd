#pragma once
// A computed line written the way it is written in a document, for the clipboard: fractions as
// numerator/denominator (‹3b2› is 2/3), mixed numbers with a space (1 2/3), × and ÷, raised
// exponents (2³), repeating decimals with a dot over the first and the last digit of the
// period, fractions of expressions with their parts in brackets, "あまり" for a remainder.
// The answer column after "&" repeats the answer and is left out; a solved equation's
// solution follows an arrow: ‹2x+3=7&x＝2› is "2x+3=7 → x=2".
#include <string>
#include <string_view>

namespace ravlo {

std::string OrdinaryNotation(std::string_view siki);

}  // namespace ravlo
