#pragma once
// Recognising one number text exactly as the number grammar writes it, so that the
// procedures never hand anything else to the number readers (which would answer a stray
// character with an int64 message).
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/message_sink.h"

namespace ravlo {

// An optional sign "m"/"p", then an integer, fraction (D b N), mixed number (I k D b N),
// decimal (I . F) or repeating decimal (I . [F] @ F2), every digit run 1 to 19 digits long.
// With allowSign false no sign is accepted.
bool isNumberText(std::string_view text, bool allowSign = true);

// Reads a number text (round brackets around it peeled first); the invalid value when the
// text is not one number or does not read.
Bunsuu64 readNumberText(std::string_view text, MessageSink& sink);

// True when the numerator is not 0 and shares a factor > 1 with the denominator.
bool isReducible(const Bunsuu64& f);

// The text of minus t: "m" + t for a number or a product of numbers, "m(" + t + ")" for
// anything holding "+", "-" or an expression fraction.
std::string negated(std::string_view t);

}  // namespace ravlo
