#pragma once
// The x branch of ravlo-cli calc: a question with x goes to the linear solver.
#include <optional>
#include <string>
#include <string_view>

#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/evaluator.h"

namespace ravlo::cli {

// The solver's line for a question with x: the question, "&" and the answer
// (‹2x+3=7&x＝2›), as the notebook's compute writes it. An answer already on the line is
// cut off first. Nothing when the question is refused; the checker's report or the solver's
// refusal (titled "ご報告!!") has then gone to the sink. anssyu is the setting ANSSYU.
std::optional<std::string> solveLine(std::string_view text, int anssyu, MessageSink& sink,
                                     Evaluator& evaluator, NumberText& numberText,
                                     BunsuuHContext& bunsuuH);

}  // namespace ravlo::cli
