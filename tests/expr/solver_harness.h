#pragma once
// A fresh solver with its own evaluator, contexts and recording sink, one per test case.
#include <string>
#include <vector>

#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/houtei_solver.h"
#include "expr/inp_check_state.h"

namespace ravlo::solvertest {

struct SolverHarness {
  RecordingSink sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator evaluator{sink, numberText, bunsuuH, checker, kakko};
  HouteiSolver solver{sink, evaluator, numberText, bunsuuH};

  explicit SolverHarness(int anssyu = 0) { solver.ANSSYU = anssyu; }

  // "caption|text" of every box, in order.
  std::vector<std::string> boxes() const {
    std::vector<std::string> out;
    for (const auto& e : sink.boxes()) out.push_back(e.caption + "|" + e.text);
    return out;
  }
};

inline bool isRefusalText(const std::string& text) {
  for (const char* t : kHouteiRefusalTexts)
    if (text == t) return true;
  return false;
}

}  // namespace ravlo::solvertest
