#include "generate/problem_judge.h"

#include "core/text_helpers.h"
#include "expr/houtei_solver.h"
#include "expr/inp_check.h"

namespace ravlo {

ProblemJudge::ProblemJudge() = default;

bool ProblemJudge::accepts(std::string_view text) {
  checker_.resetForNewLine();
  return SikiCheck(checker_, text, false, false, false, false, sink_) == 0;
}

std::optional<GenValue> ProblemJudge::value(std::string_view question) {
  const std::string_view q = question.substr(0, question.find('='));
  if (evaluator_.SikiEval(q) < 0) return std::nullopt;
  const Bunsuu64 v = BunYaku(BunToKa(evaluator_.EvalResult, sink_));
  if (!v.valid()) return std::nullopt;
  return GenValue{v.sign < 0 ? -v.numerator : v.numerator, v.denominator};
}

std::optional<std::string> ProblemJudge::solve(std::string_view equation) {
  HouteiSolver solver(sink_, evaluator_, numberText_, bunsuuH_);
  const std::string r = solver.HouteiSolve(equation, 0);
  if (r == kFailText || solver.HouteiRel != kRelEqual) return std::nullopt;
  if (r == kHouteiEveryX || r == kHouteiNoX) return std::nullopt;
  return r;
}

std::optional<std::string> ProblemJudge::ratio(std::string_view question) {
  const std::string r = evaluator_.HiKantan(question.substr(0, question.find('=')), 0);
  if (r == kFailText) return std::nullopt;
  return r;
}

}  // namespace ravlo
