// The evaluator: a question either gets its exact value, checked against an independent
// 128-bit reading, or fails with a message and its text unchanged.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "core/text_helpers.h"
#include "expr/inp_check.h"
#include "fuzz/fuzz_support.h"
#include "tests/expr/reference_value.h"

namespace ravlo::fuzz {
namespace {

// Every answer form code the settings can ask for.
constexpr int kAnswerForms[] = {0, 1, 2, 4, 5, 6};


// The reference reads only written-out products: "×" left out before "(" (after a digit, ")"
// or "!") and after ")" before a digit is put in.
std::string withTimes(std::string_view q) {
  std::string out;
  for (std::size_t i = 0; i < q.size(); ++i) {
    out += q[i];
    if (i + 1 == q.size()) break;
    const char a = q[i], b = q[i + 1];
    const bool digitA = a >= '0' && a <= '9', digitB = b >= '0' && b <= '9';
    if ((b == '(' && (digitA || a == ')' || a == '!')) || (a == ')' && digitB)) out += '*';
  }
  return out;
}

void evaluate(std::string_view text, int forms) {
  // Every caller checks the line first, as "=" does, and computes its checked form.
  InpCheckState check;
  NullSink quiet;
  if (SikiCheck(check, text, true, true, true, false, quiet) != 0) return;
  const std::string checked = SikiCutAns(check.checkedText, false);
  if (checked.find(':') != std::string::npos) return;
  const std::string_view q = checked;
  CountingSink sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator ev{sink, numberText, bunsuuH, checker, kakko};
  const std::string out = ev.SikiCalc(q, forms, 1);
  if (ev.CalcStatus < 0) {
    require(out == q, "a failure changed the text", q, out);
    require(sink.boxes > 0, "failed without a message", q);
    return;
  }
  require(ev.CalcStatus == kCalcOk, "unknown status", q);
  require(out.find(kFailText) == std::string::npos, "the failure text in an answer", q, out);
  // The answer part of a question that has one is not part of the question.
  const std::string_view question = q.substr(0, q.find('='));
  require(out.rfind(std::string(question) + "=", 0) == 0, "the chain lost its question", q, out);
  test::RefResult ref;
  try {
    ref = test::referenceValue(withTimes(question));
  } catch (const std::exception&) {
    // The reference does not read this form (a "[ ]" without "B"); nothing to compare.
    return;
  }
  require(ref.kind != test::RefKind::Undefined, "an answer to a question without a value", q,
          out);
  if (ref.kind != test::RefKind::Value) return;
  const Exact exact = ref.value;
  require(exactOf(ev.EvalResult) == exact, "wrong value", q,
          out + " expected " + exactText(exact));
  require(exactOf(ev.AnsTai) == exact, "wrong mixed form", q, out);
  // Every exact form of the chain has the value; decimals may be cut ("u").
  std::size_t from = question.size() + 1;
  while (from <= out.size()) {
    std::size_t eq = out.find('=', from);
    const std::string part = out.substr(from, eq == std::string::npos ? eq : eq - from);
    test::Rat shown;
    if (part.find('.') == std::string::npos && part.find('R') == std::string::npos &&
        test::readNumberText(part, shown))
      require(shown == exact, "a form of the answer differs", q, out);
    if (eq == std::string::npos) break;
    from = eq + 1;
  }
}

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  const std::string_view text = ravlo::fuzz::asText(data, size);
  // One answer form per input, chosen by its length, keeps each run short.
  ravlo::fuzz::evaluate(text, ravlo::fuzz::kAnswerForms[size % 6]);
  return 0;
}
