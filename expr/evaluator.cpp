#include "expr/evaluator.h"

#include <charconv>

#include "core/text_helpers.h"
#include "expr/eval_text.h"
#include "expr/inp_check.h"
#include "expr/siki_alphabet.h"
#include "expr/siki_rewrite.h"
#include "expr/text_edit.h"

namespace ravlo {

using namespace evaltext;

namespace {

bool hasOperator(std::string_view text) { return OpKind(text).kind != -1; }

}  // namespace

const char* calcStatusMessage(int status) {
  switch (status) {
    case kCalcNoOperator:
      return "演算記号がありません。";
    case kCalcBracketMismatch:
      return " ( と ) の数が合わない。";
    case kCalcPermCombFailed:
      return "順列・組合せの処理に失敗！";
    case kCalcFactorialFailed:
      return "階乗の処理に失敗！";
    case kCalcFractionFailed:
      return "[ ] 内の処理に失敗！";
    case kCalcNotComputable:
      return "計算ができない式です。";
    default:
      return "";
  }
}

std::string Evaluator::fail(int status, std::string_view expr) {
  sink_.box(kCalcReportCaption, calcStatusMessage(status), BoxButtons::Ok, BoxIcon::Warning);
  CalcStatus = status;
  return std::string(expr);
}

std::string Evaluator::SikiCalc(std::string_view expr, int ansForms, int withQuestion) {
  AnsTaiStr.clear();
  AnsKaStr.clear();
  AnsSyoStr.clear();
  AnsTai = kBunZero;
  AnsKa = kBunZero;
  CalcStatus = kCalcOk;

  const std::string question = SikiCutAns(expr, false);
  std::string s = KakeruHokan(question);
  // A signed bracket becomes a product before anything else, so that its sign stays outside
  // whatever the steps below make of the bracket ("m(1)!^4" is -(1!^4)).
  s = signedBracketsAsProducts(s);
  // Bracket tidying below would turn "(m3)!" into "m3!", that is -(3!); a bracketed
  // factorial operand is settled first so that a negative one fails as it must.
  if (!settleBracketedFactorials(s, numberText_)) return fail(kCalcFactorialFailed, expr);
  // Sign merging would turn "2-m3^2" into "2+3^2"; the sign belongs to its number.
  s = bracketSignedPowers(s);
  s = tidyBrackets(kakko_, s);
  s = signedBracketsAsProducts(s);

  if (!hasOperator(s)) return fail(kCalcNoOperator, expr);
  if (!bracketsBalanced(s)) return fail(kCalcBracketMismatch, expr);
  if (hasAny(s, "CP")) {
    s = JunKumiSyori(s);
    if (s == kFailText) return fail(kCalcPermCombFailed, expr);
  }
  if (hasAny(s, "!")) {
    s = KaijouSyori(s);
    if (s == kFailText) return fail(kCalcFactorialFailed, expr);
  }
  if (hasAny(s, "]")) {
    s = SikiBunSyori(s);
    if (s == kFailText) return fail(kCalcFractionFailed, expr);
  }
  // The steps above rewrite the text and may make an accepted text of a refused one:
  // "4(m61)[2K3B1]" would become "4*m612k3b1". So the question is checked as it was given.
  if (!checksRelaxed(question)) return fail(kCalcNotComputable, expr);
  if (SikiEval(s) < 0) return fail(kCalcNotComputable, expr);
  return answerChain(expr, ansForms, withQuestion);
}

bool Evaluator::checksRelaxed(std::string_view text) {
  const bool savedRelaxed = checker_.relaxedSigns;
  checker_.relaxedSigns = true;
  const size_t refused = ravlo::SikiCheck(checker_, text, false, true, true, true, sink_);
  checker_.relaxedSigns = savedRelaxed;
  return refused == 0;
}

int Evaluator::SikiEval(std::string_view expr) {
  // Implied products are written out first: without them "2(1+1)" would become "22".
  if (!checksRelaxed(KakeruHokan(expr))) return -1;

  std::string t = SikiCutAns(checker_.checkedText, false);
  if (!bracketsBalanced(t)) return -1;
  // A signed bracket is a product, as in SikiCalc; callers may hand over such texts directly.
  t = signedBracketsAsProducts(t);
  if (!hasOperator(t)) {
    EvalResult = numberText_.StrToBun(t);
    return EvalResult.valid() ? 1 : -4;
  }

  while (t.find(')') != std::string::npos && hasOperator(t)) {
    const size_t close = t.find(')');
    const size_t open = close == 0 ? std::string::npos : t.rfind('(', close - 1);
    if (open == std::string::npos) break;
    std::string inner = t.substr(open + 1, close - open - 1);
    std::string replacement;
    if (hasOperator(inner)) {
      Bunsuu64 v;
      if (FlatSikiEval(inner, v) < 0) return -1;
      replacement = BunToStr(v, true);
    } else {
      replacement = inner;
    }
    t.replace(open, close - open + 1, replacement);
  }

  Bunsuu64 v;
  const int rc = FlatSikiEval(t, v);
  if (rc >= 0) {
    EvalResult = v;
    return 1;
  }
  if (rc == -5) {
    sink_.box(kOverflowCaption, kOverflowText, BoxButtons::Ok, BoxIcon::Warning);
    return -1;
  }
  EvalResult = numberText_.StrToBun(t);
  return EvalResult.valid() ? 1 : -7;
}

int Evaluator::FlatSikiEval(std::string_view text, Bunsuu64& result) {
  if (!hasOperator(text) || !bracketsBalanced(text)) return -1;
  std::string t(text);
  Bunsuu64 last = kBunInvalid;
  for (;;) {
    if (!hasOperator(t)) {
      result = last;
      return 1;
    }
    const size_t op = nextOperation(t);
    if (op == std::string::npos) return -1;  // only "!", "P" or "C" left: not flat
    const OperandSpan span = operationSpan(t, op);
    const Bunsuu64 r = OpCalc(std::string_view(t).substr(span.start, span.end - span.start));
    if (!r.valid()) return -5;
    last = r;
    t.replace(span.start, span.end - span.start, BunToStr(r, true));
  }
}

Bunsuu64 Evaluator::OpCalc(std::string_view opText) {
  const OpKindResult op = OpKind(opText);
  const int k = op.kind;
  if (k == -1) return kBunInvalid;
  const std::string_view left = opText.substr(0, op.pos - 1);
  std::string_view right = opText.substr(op.pos);
  right = right.substr(0, right.find('='));

  const Bunsuu64 a = zeroIfNoValue(numberText_.StrToBun(left));
  if (!a.valid()) return kBunInvalid;

  if (k == 5) {
    const auto e = readExponent(right);
    if (!e) return kBunInvalid;
    // Zero to a negative power is a division by zero, not zero.
    if (a.sign == 0 && *e < 0) {
      sink_.box(kZeroDivideCaption, kZeroDivideText, BoxButtons::Ok, BoxIcon::Warning);
      return kBunInvalid;
    }
    // Reduced in improper form first: "1.0" reads as 1 10/10, whose 67th power would
    // overflow although the value is 1.
    const Bunsuu64 base = BunYaku(BunToKa(a, sink_));
    if (!base.valid()) return kBunInvalid;
    return BunPow(base, *e, sink_);
  }

  const Bunsuu64 b = zeroIfNoValue(numberText_.StrToBun(right));
  if (!b.valid()) return kBunInvalid;
  switch (k) {
    case 1:
      return BunAdd(a, b, sink_);
    case 2:
      return BunSub(a, b, sink_);
    case 3:
      return BunMul(a, b, sink_);
    case 4:
      if (b.sign == 0) {
        sink_.box(kZeroDivideCaption, kZeroDivideText, BoxButtons::Ok, BoxIcon::Warning);
        return kBunInvalid;
      }
      return BunDiv(a, b, sink_);
    default:
      return kBunInvalid;
  }
}

}  // namespace ravlo
