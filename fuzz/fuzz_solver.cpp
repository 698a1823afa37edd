// The solver: an answer satisfies the question exactly (checked against an independent
// linear reading), and a refusal comes with a message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "expr/houtei_solver.h"
#include "expr/inp_check.h"
#include "fuzz/fuzz_support.h"
#include "tests/expr/linear_reference.h"

namespace ravlo::fuzz {
namespace {

using namespace ravlo::solvertest;

int turnedRound(int rel) {
  switch (rel) {
    case kRelLess: return kRelGreater;
    case kRelGreater: return kRelLess;
    case kRelLessEqual: return kRelGreaterEqual;
    case kRelGreaterEqual: return kRelLessEqual;
    default: return rel;
  }
}

std::string storedForm(std::string_view text) {
  InpCheckState st;
  NullSink quiet;
  if (SikiCheck(st, text, false, true, true, false, quiet) != 0) return "";
  return st.checkedText;
}

// "" when the answer is right or cannot be judged, else why it is wrong.
std::string verify(std::string_view question, const std::string& value, const HouteiSolver& s) {
  const RefReading reading = readRefQuestion(storedForm(question));
  if (reading.status != RefStatus::Ok) return "";
  const RefQuestion& q = reading.question;
  const auto A = ratSub(q.left.a, q.right.a);
  const auto B = ratSub(q.left.b, q.right.b);
  if (!A || !B) return "";
  if (s.HouteiRel < 0 || s.HouteiRel > 4) return "no relation for an answer";
  if (s.HouteiAns != "x" + std::string(HouteiRelSign[std::size_t(s.HouteiRel)]) + value)
    return "HouteiAns " + s.HouteiAns;
  if (ratIsZero(*A)) {
    const auto always = refHolds(q, Rat{0, 1});
    if (!always) return "";
    return value == (*always ? kHouteiEveryX : kHouteiNoX) ? "" : "every or no x";
  }
  const auto v = ratFromAnswer(value);
  if (!v) return "not a reduced number text";
  const auto root = ratDiv(Rat{-B->n, B->d}, *A);
  if (!root) return "";
  if (ratCompare(*root, *v) != 0) return "wrong value, expected " + ratText(*root);
  const int rel = A->n > 0 ? q.rel : turnedRound(q.rel);
  if (s.HouteiRel != rel) return "relation " + std::to_string(s.HouteiRel);
  return "";
}

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  using namespace ravlo;
  using namespace ravlo::fuzz;
  const std::string_view text = asText(data, size);
  CountingSink sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator evaluator{sink, numberText, bunsuuH, checker, kakko};
  HouteiSolver solver{sink, evaluator, numberText, bunsuuH};
  solver.ANSSYU = static_cast<int>(size % 3);
  const std::string value = solver.HouteiSolve(text, 0);
  if (value == kFailText) {
    require(sink.boxes > 0 || !solver.HouteiErrMsg.empty(), "refused without a message", text);
    return 0;
  }
  require(value.find(kFailText) == std::string::npos, "the failure text in an answer", text, value);
  const std::string why = verify(text, value, solver);
  require(why.empty(), "wrong answer", text, value + ": " + why);
  return 0;
}
