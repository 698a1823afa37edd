#pragma once
// Small text scanners shared by the evaluator's files.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"

namespace ravlo::evaltext {

bool hasAny(std::string_view text, std::string_view chars);
// Characters that continue a number to the left of a digit run ("3b2", "1.5").
bool continuesNumber(char c);
// Same numbers of "(" and ")".
bool bracketsBalanced(std::string_view text);
// Position of the "(" that matches the ")" at close; npos when there is none.
size_t matchingOpen(std::string_view text, size_t close);

// The operation a flat expression computes next: the first "^"; else the leftmost of the
// first "*" and "/"; else the leftmost of the first "+" and "-". npos when none is left.
size_t nextOperation(std::string_view text);

struct OperandSpan {
  size_t start;  // first character of the left operand
  size_t end;    // one past the last character of the right operand
};
// The operation text around the operator at op: operands run up to the nearest operator.
OperandSpan operationSpan(std::string_view text, size_t op);

// A value that is zero in all but its sign ("3b0" reads as sign 1 with nothing in it) as the
// zero value, so later steps treat it as zero.
Bunsuu64 zeroIfNoValue(const Bunsuu64& v);
// An exponent text ("2", "m1", "p3") as a 32-bit integer; empty when it is not one.
std::optional<int32_t> readExponent(std::string_view text);
// A whole value >= 0 as an integer; empty for any other value.
std::optional<int64_t> wholeNonNegative(const Bunsuu64& v, MessageSink& sink);

// Replaces each bracketed single number right before "!" by its whole value; false when such
// a number is not whole or is negative (the factorial is then undefined).
bool settleBracketedFactorials(std::string& text, NumberText& numberText);
// KakkoHazusi keeping groups, with every bracket raised to a power protected by its matching
// "(" first. KakkoHazusi pairs such a ")" with the nearest "(", which for "(m(3)+1)^2" is the
// inner one, and the tidied text then means -(3+1)^2.
std::string tidyBrackets(KakkoContext& ctx, std::string_view text);
// A signed bracket as a product ("m(" -> "m1*(", "p(" -> "("). After "/" the sign goes
// before the division: "a/m(x)" is a/(-x), which "a/m1*(x)" would read as (a/-1)*x.
std::string signedBracketsAsProducts(std::string_view text);
// "+m3^2" becomes "+(m3)^2" (likewise a signed "[ ]"): the signed number raised to a power
// keeps its sign through the merging of sign pairs.
std::string bracketSignedPowers(std::string_view text);

}  // namespace ravlo::evaltext
