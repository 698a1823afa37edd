#include "expr/eval_text.h"

#include "core/text_helpers.h"
#include "expr/EXPR_DEPS_PLACEHOLDER"

namespace ravlo::evaltext {

std::string replaceAll(std::string s, std::string_view from, std::string_view to) {
  if (from.empty()) return s;
  size_t p = 0;
  while ((p = s.find(from, p)) != std::string::npos) {
    s.replace(p, from.size(), to);
    p += to.size();
  }
  return s;
}

bool hasAny(std::string_view text, std::string_view chars) {
  return text.find_first_of(chars) != std::string_view::npos;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool continuesNumber(char c) { return std::string_view(".@bkKBu").find(c) != std::string_view::npos; }

bool bracketsBalanced(std::string_view text) {
  long open = 0, close = 0;
  for (char c : text) {
    if (c == '(') ++open;
    if (c == ')') ++close;
  }
  return open == close;
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
  while (start > 0 && kOperatorChars.find(text[start - 1]) == std::string_view::npos) --start;
  size_t end = op + 1;
  while (end < text.size() && kOperatorChars.find(text[end]) == std::string_view::npos) ++end;
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
    while (k < text.size() && kLiteral.find(text[k]) != std::string_view::npos) ++k;
    if (k == i + 1 || k >= text.size() || text[k] != '^') continue;
    out += '(';
    out.append(text.substr(i, k - i));
    out += ')';
    i = k;
  }
  return out;
}

}  // namespace ravlo::evaltext
