#pragma once
// A proper fraction as a decimal: exact places when it terminates, otherwise the places before
// the repeating block, "@", and the block (1/6 is "0.1@6").
#include <cstdint>
#include <string>

namespace ravlo {

struct RepeatingDecimal {
  enum class Kind {
    Terminating,
    Repeating,
    TooLong,  // the places before the block and the block need more than maxPlaces
    TerminatingTooLong,  // it terminates, after more than maxPlaces
    Invalid,  // not a fraction 0 < a/b < 1
  };
  Kind kind = Kind::Invalid;
  std::string text;  // empty unless Terminating or Repeating
};

// The digits come from exact long division, so the block is the true one even where it reaches
// the last allowed place.
RepeatingDecimal repeatingDecimal(std::int64_t numerator, std::int64_t denominator,
                                  int maxPlaces = 18);

}  // namespace ravlo
