#include "app/houtei_dsp.h"

#include "core/text_helpers.h"
#include "expr/houtei_solver.h"

namespace ravlo {

bool HouteiDsp(CalcState& st) {
  MessageSink& sink = st.sink();
  CalcSettings& settings = st.settings();
  const std::string question = st.numberText.SikiCutAnsX(st.InpSiki, false);
  if (question.find('x') == std::string::npos) {
    sink.box(kHouteiCaption, kHouteiNeedsXText);
    return false;
  }
  HouteiSolver solver(sink, st.evaluator, st.numberText, st.bunsuuH);
  solver.ANSSYU = settings.ANSSYU;
  const std::string solution = solver.HouteiSolve(question, 0);
  if (solution == kFailText) {
    // A failure inside the evaluator has been shown by the evaluator already.
    if (!solver.HouteiErrMsg.empty()) sink.box(kHouteiCaption, solver.HouteiErrMsg);
    return false;
  }
  if (solver.HouteiRel < 0 || solver.HouteiRel >= static_cast<int>(HouteiRelSign.size())) {
    return false;
  }
  st.InpSiki = question + "&x" + std::string(HouteiRelSign[static_cast<std::size_t>(solver.HouteiRel)]) +
               solution;
  st.closeInput();
  if (settings.EVERYINPUT == 1) st.speak(st.InpSiki, true);
  st.LastSiki = st.InpSiki;
  if (settings.INPUTSTR_DSP) st.InpStrDsp(st.InpSiki);
  sink.status(kHouteiSolvedText);
  return true;
}

}  // namespace ravlo
