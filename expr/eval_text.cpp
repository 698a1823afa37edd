#include "expr/eval_text.h"

#include "core/text_helpers.h"
#include "expr/siki_alphabet.h"
#include "expr/single_number.h"
#include "expr/siki_rewrite.h"
#include "expr/text_edit.h"

namespace ravlo::evaltext {

bool hasAny(std::string_view text, std::string_view chars) {
  return text.find_first_of(chars) != std::string_view::npos;
}

bool continuesNumber(char c) { return std::string_view(".@bku").find(c) != std::string_view::npos; }

bool bracketsBalanced(std::string_view text) {
  return text_edit::countChar(text, '(') == text_edit::countChar(text, ')');
}

size_t matchingOpen(std::string_view text, size_t close) {
  long depth = 0;
  for (size_t i = close + 1; i-- > 0;) {
    if (text[i] == ')') ++depth;
    if (text[i] == '(' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

size_t nextOperation(std::string_view text) {
  if (size_t p = text.find('^'); p != std::string_view::npos) return p;
  auto leftmost = [&](char a, char b) {
    const size_t pa = text.find(a);
    const size_t pb = text.find(b);
    return pa < pb ? pa : pb;  // npos is the largest value, so it never wins
  };
  if (size_t p = leftmost('*', '/'); p != std::string_view::npos) return p;
  return leftmost('+', '-');
}

OperandSpan operationSpan(std::string_view text, size_t op) {
  size_t start = op;
  while (start > 0 && !isBinaryOperator(text[start - 1])) --start;
  size_t end = op + 1;
  while (end < text.size() && !isBinaryOperator(text[end])) ++end;
  return {start, end};
}

Bunsuu64 zeroIfNoValue(const Bunsuu64& v) {
  if (v.valid() && v.integer == 0 && v.numerator == 0) return kBunZero;
  return v;
}

std::optional<int32_t> readExponent(std::string_view text) {
  std::string t(text);
  if (!t.empty() && (t[0] == 'm' || t[0] == 'p')) t[0] = t[0] == 'm' ? '-' : '+';
  const auto v = parseInt64(t);
  // The most negative int32 has no positive counterpart; it is no sensible exponent anyway.
  if (!v || *v > INT32_MAX || *v <= INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(*v);
}

std::optional<int64_t> wholeNonNegative(const Bunsuu64& v, MessageSink& sink) {
  if (!v.valid()) return std::nullopt;
  if (v.sign == 0) return 0;
  const Bunsuu64 t = BunToTai(BunYaku(v), sink);
  if (!t.valid() || t.numerator != 0) return std::nullopt;
  if (t.integer == 0) return 0;
  if (t.sign < 0) return std::nullopt;
  return t.integer;
}

bool settleBracketedFactorials(std::string& text, NumberText& numberText) {
  size_t from = 0;
  for (;;) {
    const size_t bang = text.find(")!", from);
    if (bang == std::string::npos) return true;
    const size_t open = matchingOpen(text, bang);
    from = bang + 2;
    if (open == std::string::npos) continue;
    const std::string group = text.substr(open, bang - open + 1);
    if (group.find('(', 1) != std::string::npos || !TanSuuCheck(group)) continue;
    const auto n = wholeNonNegative(numberText.StrToBun(group.substr(1, group.size() - 2)),
                                    numberText.sink());
    if (!n) return false;
    text.replace(open, group.size(), std::to_string(*n));
    from = open;
  }
}

std::string tidyBrackets(KakkoContext& ctx, std::string_view text) {
  // Stand-ins for the protected brackets; no expression text holds them.
  constexpr char kOpen = '\x01', kClose = '\x02';
  if (text.find_first_of("\x01\x02") != std::string_view::npos) {
    return KakkoHazusi(ctx, text, true);
  }
  std::string t(text);
  size_t from = 0;
  size_t close;
  while ((close = t.find(")^", from)) != std::string::npos) {
    const size_t open = matchingOpen(t, close);
    if (open != std::string::npos) {
      t[open] = kOpen;
      t[close] = kClose;
    }
    from = close + 1;
  }
  t = KakkoHazusi(ctx, t, true);
  for (char& c : t) {
    if (c == kOpen) c = '(';
    if (c == kClose) c = ')';
  }
  return t;
}

std::string signedBracketsAsProducts(std::string_view text) {
  return signedBracketToProduct(text_edit::replaceAll(text, "/m(", "*m1/("));
}

std::string bracketSignedPowers(std::string_view text) {
  static constexpr std::string_view kLiteral = "0123456789.@bkuPC!";
  std::string out;
  out.reserve(text.size() + 8);
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    out += c;
    ++i;
    if ((c != '+' && c != '-') || i >= text.size() || text[i] != 'm') continue;
    size_t k = i + 1;
    if (k < text.size() && text[k] == '[') {
      const size_t close = text.find(']', k);
      if (close == std::string_view::npos) continue;
      k = close + 1;
      while (k < text.size() && text[k] == '!') ++k;
    } else {
      while (k < text.size() && kLiteral.find(text[k]) != std::string_view::npos) ++k;
    }
    if (k == i + 1 || k >= text.size() || text[k] != '^') continue;
    out += '(';
    out.append(text.substr(i, k - i));
    out += ')';
    i = k;
  }
  return out;
}

}  // namespace ravlo::evaltext
