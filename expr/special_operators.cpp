// Factorials, permutations, combinations and expression fractions: the operators that the
// evaluator replaces by their values before it computes brackets and flat operations.
#include <string>

#include "core/text_helpers.h"
#include "expr/eval_text.h"
#include "expr/evaluator.h"
#include "expr/text_edit.h"

namespace ravlo {

using namespace evaltext;
using text_edit::isDigit;
using text_edit::replaceAll;

int64_t Evaluator::KaijouKeisan(int64_t n) {
  if (n < 0) return -1;
  int64_t f = 1;
  for (int64_t k = n; k >= 2; --k) {
    if (!Int64MulCheck(f, k, sink_)) return -1;
    f *= k;
  }
  return f;
}

std::string Evaluator::JunretuKeisan(int64_t n, int64_t r) {
  if (n < r || r < 0) return kFailText;
  if (r == 0) return "1";
  int64_t p = 1;
  // Each factor is at least 2 until the last one, so a long run fails the bound quickly.
  for (int64_t i = 0; i < r; ++i) {
    if (!Int64MulCheck(p, n - i, sink_)) return kFailText;
    p *= n - i;
  }
  return std::to_string(p);
}

std::string Evaluator::KumiawaseKeisan(int64_t n, int64_t r) {
  if (n < r || r < 0) return kFailText;
  const int64_t f = KaijouKeisan(r);
  if (f < 0) return kFailText;
  if (r == n || r == 0) return "1";
  const std::string p = JunretuKeisan(n, r);
  if (p == kFailText) return kFailText;
  return std::to_string(*parseInt64(p) / f);
}

std::string Evaluator::JunKumiSyori(std::string_view text) {
  std::string t(text);
  for (const char letter : {'P', 'C'}) {
    size_t at;
    while ((at = t.find(letter)) != std::string::npos) {
      size_t start = at;
      while (start > 0 && isDigit(t[start - 1])) --start;
      size_t end = at + 1;
      while (end < t.size() && isDigit(t[end])) ++end;
      // Both operands are plain digit runs, not parts of a fraction or decimal.
      if (start == at || end == at + 1) return kFailText;
      if (start > 0 && continuesNumber(t[start - 1])) return kFailText;
      if (end < t.size() && continuesNumber(t[end])) return kFailText;
      const std::string nText = t.substr(start, at - start);
      const std::string rText = t.substr(at + 1, end - at - 1);
      if (!numberText_.int64StrMaxCheck(nText, true) ||
          !numberText_.int64StrMaxCheck(rText, true))
        return kFailText;
      const int64_t n = *parseInt64(nText);
      const int64_t r = *parseInt64(rText);
      const std::string v = letter == 'P' ? JunretuKeisan(n, r) : KumiawaseKeisan(n, r);
      if (v == kFailText) return kFailText;
      t.replace(start, end - start, v);
    }
  }
  return t;
}

bool Evaluator::factorialOperand(std::string_view t, size_t bang, size_t& start,
                                 int64_t& operand) {
  if (bang == 0) return false;
  Bunsuu64 v;
  const char before = t[bang - 1];
  if (before == ')') {
    // The operand is the bracket that this ")" closes, nested or not.
    start = matchingOpen(t, bang - 1);
    if (start == std::string_view::npos) return false;
    std::string inner(t.substr(start + 1, bang - start - 2));
    if (inner.find(']') != std::string::npos) inner = SikiBunSyori(inner);
    if (inner == kFailText || SikiEval(inner) < 0) return false;
    v = EvalResult;
  } else if (before == ']') {
    start = t.rfind('[', bang - 1);
    if (start == std::string_view::npos) return false;
    const std::string value = SikiBunSyori(t.substr(start, bang - start));
    if (value == kFailText) return false;
    v = numberText_.StrToBun(value);
  } else {
    start = bang;
    while (start > 0 && isDigit(t[start - 1])) --start;
    if (start == bang || (start > 0 && continuesNumber(t[start - 1]))) return false;
    const std::string digits(t.substr(start, bang - start));
    if (!numberText_.int64StrMaxCheck(digits, true)) return false;
    operand = *parseInt64(digits);
    return true;
  }
  const auto n = wholeNonNegative(v, sink_);
  if (!n) return false;
  operand = *n;
  return true;
}

std::string Evaluator::KaijouSyori(std::string_view text) {
  std::string t(text);
  size_t bang;
  while ((bang = t.find('!')) != std::string::npos) {
    size_t start = 0;
    int64_t operand = 0;
    if (!factorialOperand(t, bang, start, operand)) return kFailText;
    const int64_t f = KaijouKeisan(operand);
    if (f < 0) return kFailText;
    t.replace(start, bang + 1 - start, std::to_string(f));
  }
  return t;
}

Bunsuu64 Evaluator::bunHCalc(const BunsuuH& h) {
  if (h.sign.empty() || h.sign == "0") return kBunZero;
  const int sign = h.signValue();
  if (sign != 1 && sign != -1) return kBunInvalid;
  const auto whole = parseInt64(h.integer);
  if (!whole || *whole < 0) return kBunInvalid;

  if (SikiEval(h.denominator) < 0) return kBunInvalid;
  const Bunsuu64 d = BunToKa(EvalResult, sink_);
  if (!d.valid()) return kBunInvalid;
  if (SikiEval(h.numerator) < 0) return kBunInvalid;
  const Bunsuu64 n = BunToKa(EvalResult, sink_);
  if (!n.valid()) return kBunInvalid;
  if (SikiEval(BunToStr(n, true) + "/" + BunToStr(d, true)) < 0) return kBunInvalid;
  const Bunsuu64 q = BunToKa(EvalResult, sink_);
  if (!q.valid()) return kBunInvalid;

  if (q.sign < 0 && *whole > 0) {
    sink_.box(kBunHCalcCaption, kBunHCalcText, BoxButtons::Ok, BoxIcon::Warning);
    return kBunInvalid;
  }
  // The integer part is added with the checked sum, so "[2K3B0]" is 2 and a large integer
  // part cannot leave the range unnoticed.
  Bunsuu64 v = q;
  if (*whole > 0) v = BunAdd(BunMake(1, *whole, 1, 0), q, sink_);
  if (!v.valid()) return kBunInvalid;
  return sign < 0 ? BunNeg(v) : v;
}

std::string Evaluator::SikiBunSyori(std::string_view text) {
  std::string t(text);
  size_t close;
  while ((close = t.find(']')) != std::string::npos) {
    const size_t open = t.find('[');
    if (open == std::string::npos || open > close) {
      bunsuuH_.BunsuuHErr = 10;
      return kFailText;
    }
    const std::string piece = t.substr(open, close - open + 1);
    if (hasAny(piece, "xyz")) {
      t.replace(open, piece.size(), "~<" + piece.substr(1, piece.size() - 2) + ">~");
      continue;
    }
    const BunsuuH h = bunsuuH_.parse(piece);
    // A text that does not parse has no value; it must not be read as the zero it holds.
    Bunsuu64 v = bunsuuH_.BunsuuHErr == 0 ? bunHCalc(h) : kBunInvalid;
    if (!v.valid()) {
      bunsuuH_.BunsuuHErr = 11;
      return kFailText;
    }
    // A sign before the fraction is taken into its value, as for any signed number
    // ("m[3B1]^2" is (-1/3)^2). A value raised to a power goes in brackets, unless it
    // stands in brackets already: nested ones would be paired wrongly by bracket tidying.
    size_t from = open;
    if (open > 0 && (t[open - 1] == 'm' || t[open - 1] == 'p')) {
      if (t[open - 1] == 'm') v = BunNeg(v);
      from = open - 1;
    }
    const char after = close + 1 < t.size() ? t[close + 1] : '\0';
    const bool inBrackets = from > 0 && t[from - 1] == '(' && after == ')';
    std::string replacement = BunToStr(v, !inBrackets && after != '^');
    if (replacement == kFailText) {
      bunsuuH_.BunsuuHErr = 12;
      return kFailText;
    }
    if (after == '^') replacement = "(" + replacement + ")";
    t.replace(from, close + 1 - from, replacement);
  }
  t = replaceAll(t, "~<", "[");
  t = replaceAll(t, ">~", "]");
  return tidyBrackets(kakko_, t);
}

}  // namespace ravlo
