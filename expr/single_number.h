#pragma once
#include <string_view>

namespace ravlo {

// True when the text is one plain number (integer, decimal, fraction or mixed number,
// possibly signed or bracketed): no operator, balanced round brackets, and a decimal
// point or fraction bar that is not left dangling at an end.
bool TanSuuCheck(std::string_view text);

}  // namespace ravlo
