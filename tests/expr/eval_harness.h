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

// The exact value of a Bunsuu64 record.
inline Rat ratOf(const Bunsuu64& v) {
  const I128 whole = static_cast<I128>(v.integer) * v.denominator + v.numerator;
  Rat r{v.sign < 0 ? -whole : (v.sign == 0 ? 0 : whole), v.denominator};
  I128 a = r.num < 0 ? -r.num : r.num, b = r.den;
  while (b != 0) {
    I128 t = a % b;
    a = b;
    b = t;
  }
  if (a > 1) {
    r.num /= a;
    r.den /= a;
  }
  if (r.num == 0) r.den = 1;
  return r;
}

}  // namespace ravlo::test
