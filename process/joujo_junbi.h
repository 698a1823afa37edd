#pragma once
// Preparing a product or quotient for its worked solution: every factor read into the factor
// array, the zero tests, the factors as fractions and the divisions turned round.
#include <string>
#include <string_view>
#include <vector>

#include "core/message_sink.h"
#include "process/process_context.h"

namespace ravlo {

// A flat product cut at "*" and "/": the factor texts and the operator after each factor
// ('\0' after the last).
struct ProductParts {
  std::vector<std::string> factors;
  std::vector<char> operators;
};
ProductParts splitProduct(std::string_view P);

// Fills the factor array, ZeroKake, ZeroWari, KaBunsuuSiki and GyakusuuSiki for the sign-free
// product P. Returns the conversion chain ("=" + KaBunsuuSiki and/or "=" + GyakusuuSiki, or
// just "="), after P when withQuestion is true; P itself when it has fewer than two factors.
// A factor that is not one plain number or does not read as a value sets factorUnreadable
// and leaves the rest untouched. Every factor ends up in improper form, so the
// cancellation works on whole numerators.
std::string JoujoJunbi(ProcessContext& ctx, MessageSink& sink, std::string_view P,
                       bool withQuestion);

}  // namespace ravlo
