#pragma once
// The engine's word on a generated problem: whether the input checker takes the whole text,
// its exact value, the solver's answer, the simplified ratio. Patterns keep a candidate only
// when these say it keeps the pattern's promise; the engine's own messages stay unseen.
#include <optional>
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"

namespace ravlo {

// A value as numerator / denominator in lowest terms (denominator > 0).
struct GenValue {
  int64_t num = 0;
  int64_t den = 1;
  bool whole() const { return den == 1; }
  bool operator==(const GenValue&) const = default;
};

class ProblemJudge {
 public:
  ProblemJudge();
  ProblemJudge(const ProblemJudge&) = delete;
  ProblemJudge& operator=(const ProblemJudge&) = delete;

  // The whole text, "=" and all, typed key by key without "×" left out.
  bool accepts(std::string_view text);
  // The exact value of a question (text before "=" counts); none when the engine fails,
  // the 64-bit bound included.
  std::optional<GenValue> value(std::string_view question);
  // The solver's value of x ("8b7"), none when it fails or finds no single value.
  std::optional<std::string> solve(std::string_view equation);
  // The simplified ratio ("2:3"); none when it fails or the ratio is already simplest.
  std::optional<std::string> ratio(std::string_view question);

 private:
  NullSink sink_;
  NumberText numberText_{sink_};
  BunsuuHContext bunsuuH_;
  InpCheckState checker_;
  InpCheckState evalCheck_;
  KakkoContext kakko_;
  Evaluator evaluator_{sink_, numberText_, bunsuuH_, evalCheck_, kakko_};
};

}  // namespace ravlo
