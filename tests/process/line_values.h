#pragma once
// Checks that every line of a worked solution has the value of the question: each entry's
// expression is computed by the evaluator, independently of the procedure that wrote it.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/bunsuu64.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"
#include "expr/siki_alphabet.h"
#include "tests/process/rational_util.h"

namespace ravlo::test {

class LineValues {
 public:
  // The value of one expression, or false when the evaluator refuses it.
  bool value(std::string_view expr, Rational& out) {
    if (expr.empty()) return false;
    Bunsuu64 r = kBunInvalid;
    if (OpKind(expr).kind == -1 && expr.find('[') == std::string_view::npos) {
      r = numberText_.StrToBun(expr);  // a lone number is not a question for the evaluator
    } else {
      ev_.SikiCalc(expr, 0, 0);
      if (ev_.CalcStatus != kCalcOk) return false;
      r = ev_.EvalResult;
    }
    if (!r.valid()) return false;
    const Int128 whole = static_cast<Int128>(r.integer) * r.denominator + r.numerator;
    out = normalized({r.sign < 0 ? -whole : (r.sign == 0 ? 0 : whole), r.denominator});
    return true;
  }

  // Every member of every entry of a raw or tidy process text: the expressions between "~"
  // tags and "=" signs. Empty when the text holds no entry.
  static std::vector<std::string> members(std::string_view text) {
    std::vector<std::string> out;
    std::string cur;
    auto flush = [&] {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
    };
    std::size_t i = 0;
    while (i < text.size()) {
      const char c = text[i];
      if (c == '~') {
        flush();
        ++i;
        // A raw entry starts "~NNNT=", a tidy one right after "~" with "NNNT".
        if (i + 4 <= text.size() && isTag(text[i + 3])) i += 4;
        continue;
      }
      if (i == 0 && text.size() >= 4 && isTag(text[3])) {
        i = 4;
        continue;
      }
      if (c == '=') {
        flush();
        ++i;
        continue;
      }
      cur += c;
      ++i;
    }
    flush();
    return out;
  }

  // Expects every line to equal `truth`.
  void expectAllEqual(std::string_view text, Rational truth) {
    for (const std::string& m : members(text)) {
      Rational v;
      ASSERT_TRUE(value(m, v)) << "line " << m << " of " << text;
      EXPECT_TRUE(v == truth) << "line " << m << " = " << show(v) << ", not " << show(truth)
                              << " in " << text;
    }
  }

 private:
  static bool isTag(char c) { return c == 'X' || c == 'Y' || c == 'Z' || c == 'A'; }

  NullSink sink_;
  NumberText numberText_{sink_};
  BunsuuHContext bunsuuH_;
  InpCheckState checker_;
  KakkoContext kakko_;
  Evaluator ev_{sink_, numberText_, bunsuuH_, checker_, kakko_};
};

}  // namespace ravlo::test
