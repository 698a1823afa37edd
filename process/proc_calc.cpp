#include "process/proc_calc.h"

#include "core/bunsuu64.h"
#include "core/text_helpers.h"
#include "expr/siki_alphabet.h"

namespace ravlo {

std::string ProcCalc::value(std::string_view X) {
  if (OpKind(X).kind == -1) {
    const Bunsuu64 v = numberText_.StrToBun(X);
    if (!v.valid()) return kFailText;
    return BunToStr(BunToTai(BunYaku(v), sink_), false);
  }
  std::string r = evaluator_.SikiCalc(X, 0, 0);
  if (evaluator_.CalcStatus < 0) return kFailText;
  return r;
}

}  // namespace ravlo
