#pragma once
// Whole numbers between base n (2 to 16, digits "0"-"9" and upper-case "A"-"F") and base 10.
// Every routine gives "n" on failure.
#include <string>
#include <string_view>

namespace ravlo {

// Base-n digits to decimal text; a value beyond the int64 range gives "n".
std::string NsinToJu(std::string_view text, int n);
// A non-negative decimal integer text to base-m digits.
std::string JuToNsin(std::string_view text, int m);
// Base-n digits to base-m digits.
std::string NsinToMsin(std::string_view text, int n, int m);

}  // namespace ravlo
