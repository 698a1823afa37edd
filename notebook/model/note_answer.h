#pragma once
// Taking the answer off a stored problem.
#include <string>
#include <string_view>

#include "core/message_sink.h"

namespace ravlo {

// Whether answer removal has something to take off: a computed question holds "=", a solved
// equation or inequality holds "x" and "&" (an inequality has no "=" at all).
bool NoteHasAnswer(std::string_view text);

// SikiCutAnsX keeping "=": ‹2x+3=7&x＝2› gives ‹2x+3=7›, ‹3b2+1=1k3b2&1k3b2› gives ‹3b2+1=›.
std::string NoteCutAnswer(std::string_view text, MessageSink& sink);

}  // namespace ravlo
