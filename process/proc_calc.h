#pragma once
// The evaluator as the step procedures use it: the value of a small expression written back as
// the answer chain's first form (proper or mixed, reduced). The process keeps an evaluator of
// its own, so the intermediate sums never disturb the results of the calculator's main one.
#include <string>
#include <string_view>

#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"

namespace ravlo {

class ProcCalc {
 public:
  explicit ProcCalc(MessageSink& sink)
      : sink_(sink), numberText_(sink), evaluator_(sink, numberText_, bunsuuH_, checker_, kakko_) {}
  ProcCalc(const ProcCalc&) = delete;
  ProcCalc& operator=(const ProcCalc&) = delete;

  // The value of X as the evaluator writes answer form 0 ("m1", "3k12b7", "0"). A lone
  // number, which the evaluator refuses as a question, is written in that form as well.
  // "n" when X cannot be computed (the evaluator has then reported why).
  std::string value(std::string_view X);

 private:
  MessageSink& sink_;
  NumberText numberText_;
  BunsuuHContext bunsuuH_;
  InpCheckState checker_;
  KakkoContext kakko_;
  Evaluator evaluator_;
};

}  // namespace ravlo
