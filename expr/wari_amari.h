#pragma once
// Quotient with remainder of a plain decimal division A/B, for the "divide with remainder"
// answer mode.
#include <string>
#include <string_view>

namespace ravlo {

// The quotient of A/B cut after `places` decimals, followed by "R" and the remainder when
// that is not zero ("7/2" with 0 places gives "3R1"). "n" when the text is not A "/" B with
// plain unsigned decimal numbers, when B is zero, or when the exact figures do not fit the
// working range; the caller then computes the question normally.
std::string WariAmari(std::string_view expr, int places);

}  // namespace ravlo
