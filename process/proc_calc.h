#pragma once
// The evaluator as the step procedures use it: the value of a small expression written back as
// the answer chain's first form (proper or mixed, reduced).
#include <string>
#include <string_view>

#include "core/message_sink.h"

namespace ravlo {

class ProcCalc {
 public:
  explicit ProcCalc(MessageSink& sink) : sink_(sink) {}

  // The value of X as the evaluator writes answer form 0 ("m1", "3k12b7", "0"); a lone number
  // is written in that form as well instead of being refused. "n" when X cannot be computed
  // (the reason has then been reported).
  std::string value(std::string_view X);

 private:
  MessageSink& sink_;
};

}  // namespace ravlo
