#include "cli/calc_solve.h"

#include "core/text_helpers.h"
#include "expr/houtei_solver.h"
#include "expr/inp_check.h"
#include "expr/inp_check_state.h"

namespace ravlo::cli {

std::optional<std::string> solveLine(std::string_view text, int anssyu, MessageSink& sink,
                                     Evaluator& evaluator, NumberText& numberText,
                                     BunsuuHContext& bunsuuH) {
  const std::string question = numberText.AnnoCut(text);
  // Checked whole, as the notebook checks a line with x: its "=" is part of the question.
  InpCheckState checker;
  if (SikiCheck(checker, question, false, false, true, true, sink) != 0) return std::nullopt;

  HouteiSolver solver(sink, evaluator, numberText, bunsuuH);
  solver.ANSSYU = anssyu;
  const std::string line = solver.HouteiSolve(question, 1);
  if (line == kFailText) {
    // A failure inside the evaluator has been reported by the evaluator already.
    if (!solver.HouteiErrMsg.empty()) sink.box(kHouteiCaption, solver.HouteiErrMsg);
    return std::nullopt;
  }
  return line;
}

}  // namespace ravlo::cli
