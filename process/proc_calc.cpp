#include "process/proc_calc.h"

#include <vector>

#include "core/bunsuu64.h"
#include "core/number_text.h"
#include "core/text_helpers.h"

namespace ravlo {

namespace {

bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

}  // namespace

// A flat expression of signed numbers joined by + - * /; products first, then sums, each
// from the left, as the evaluator orders them.
std::string ProcCalc::value(std::string_view X) {
  std::vector<Bunsuu64> values;
  std::vector<char> ops;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= X.size(); ++i) {
    const bool end = i == X.size();
    if (!end && (!isOperator(X[i]) || i == start)) continue;
    const std::string_view number = X.substr(start, i - start);
    if (number.empty()) return kFailText;
    const Bunsuu64 v = StrToBun(number, sink_);
    if (!v.valid()) return kFailText;
    values.push_back(v);
    if (!end) ops.push_back(X[i]);
    start = i + 1;
  }
  // Products and quotients.
  std::vector<Bunsuu64> sumValues{values.front()};
  std::vector<char> sumOps;
  for (std::size_t k = 0; k < ops.size(); ++k) {
    const Bunsuu64& b = values[k + 1];
    if (ops[k] == '*' || ops[k] == '/') {
      Bunsuu64& a = sumValues.back();
      if (ops[k] == '/' && b.sign == 0) return kFailText;
      a = ops[k] == '*' ? BunMul(a, b, sink_) : BunDiv(a, b, sink_);
      if (!a.valid()) return kFailText;
    } else {
      sumValues.push_back(b);
      sumOps.push_back(ops[k]);
    }
  }
  Bunsuu64 r = sumValues.front();
  for (std::size_t k = 0; k < sumOps.size(); ++k) {
    r = sumOps[k] == '+' ? BunAdd(r, sumValues[k + 1], sink_) : BunSub(r, sumValues[k + 1], sink_);
    if (!r.valid()) return kFailText;
  }
  return BunToStr(BunToTai(BunYaku(r), sink_), false);
}

}  // namespace ravlo
