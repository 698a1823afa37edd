#pragma once
// The token characters of an expression text (SikiStr), how each one is shown, and the
// operator search that the checker, evaluator and bracket tidying share.
#include <cstddef>
#include <string_view>

namespace ravlo {

// True for every character that may stand in a stored expression line (the answer
// annotation's double-byte relation signs aside).
bool isSikiChar(char c);

// The text a token character is shown as ("+" -> "＋", "m" -> "－", "*" -> "×", ...).
// Characters drawn by the layout rather than as text ("b", "k", "@", "[", "]", "K", "B",
// "&") and characters outside the alphabet give "".
std::string_view displayForm(char c);

// Characters that split a flat expression into operands; "p", "m", "b", "k", ".", "@"
// and digits belong to the operand.
inline constexpr std::string_view kBinaryOperators = "+-*/^=:";

inline bool isBinaryOperator(char c) {
  return c != '\0' && kBinaryOperators.find(c) != std::string_view::npos;
}

struct OpKindResult {
  // 1 "+", 2 "-", 3 "*", 4 "/", 5 "^", 6 "!", 7 "P", 8 "C"; -1 when there is none
  int kind = -1;
  std::size_t pos = 0;  // position of the operator, counted from 1; 0 when none
};

// The kind of the first operator of a text: "+", "-", "*", "/", "^", "!", "P", "C" are
// tried in that order, each by its first occurrence; the first whose first occurrence is
// not at position 1 (a sign position) wins.
OpKindResult OpKind(std::string_view text);

}  // namespace ravlo
