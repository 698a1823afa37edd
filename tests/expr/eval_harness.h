#pragma once
// A fresh evaluator with its own contexts and a recording sink, one per test case.
#include <string>
#include <vector>

#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"
#include "tests/expr/reference_value.h"

namespace ravlo::test {

struct EvalHarness {
  RecordingSink sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator ev{sink, numberText, bunsuuH, checker, kakko};

  // "caption|text" of every box, in order.
  std::vector<std::string> boxes() const {
    std::vector<std::string> out;
    for (const auto& e : sink.boxes()) out.push_back(e.caption + "|" + e.text);
    return out;
  }
};

}  // namespace ravlo::test
