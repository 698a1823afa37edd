#include "process/sum_terms.h"

#include "core/text_helpers.h"

namespace ravlo {

namespace {

bool allDigits(std::string_view s) { return isDigitRun(s); }

// A decimal body: digits "." digits, or digits "." [digits] "@" digits.
bool isDecimalBody(std::string_view s) {
  const std::size_t dot = s.find('.');
  if (dot == std::string_view::npos || !allDigits(s.substr(0, dot))) return false;
  std::string_view rest = s.substr(dot + 1);
  const std::size_t at = rest.find('@');
  if (at == std::string_view::npos) return allDigits(rest);
  const std::string_view fixed = rest.substr(0, at);
  return (fixed.empty() || allDigits(fixed)) && allDigits(rest.substr(at + 1));
}

}  // namespace

std::vector<SumTerm> splitSum(std::string_view E) {
  std::vector<SumTerm> terms;
  SumTerm cur;
  std::size_t i = 0;
  if (!E.empty() && (E[0] == '-' || E[0] == '+')) {
    cur.text += E[0] == '-' ? 'm' : 'p';
    i = 1;
  }
  for (; i < E.size(); ++i) {
    const char c = E[i];
    if (c == '+' || c == '-') {
      terms.push_back(cur);
      cur = SumTerm{c, {}};
    } else {
      cur.text += c;
    }
  }
  terms.push_back(cur);
  return terms;
}

std::string joinSum(const std::vector<SumTerm>& terms) {
  std::string s;
  for (const auto& t : terms) {
    if (t.op != '\0') s += t.op;
    s += t.text;
  }
  return s;
}

std::string NumberParts::body() const {
  if (decimal || !isFraction()) return integer;
  std::string s;
  if (!integer.empty()) s = integer + "k";
  return s + denominator + "b" + numerator;
}

bool parseNumberParts(std::string_view term, NumberParts& parts) {
  parts = NumberParts{};
  std::string_view t = term;
  auto takeSign = [&] {
    if (!t.empty() && (t.front() == 'm' || t.front() == 'p')) {
      if (t.front() == 'm') parts.negative = !parts.negative;
      t.remove_prefix(1);
    }
  };
  takeSign();
  if (t.size() >= 2 && t.front() == '(' && t.back() == ')') {
    parts.bracketed = true;
    t = t.substr(1, t.size() - 2);
    takeSign();
  }
  if (t.find('.') != std::string_view::npos) {
    if (!isDecimalBody(t)) return false;
    parts.decimal = true;
    parts.integer = std::string(t);
    return true;
  }
  const std::size_t k = t.find('k');
  if (k != std::string_view::npos) {
    parts.integer = std::string(t.substr(0, k));
    t.remove_prefix(k + 1);
    if (!allDigits(parts.integer)) return false;
  }
  const std::size_t b = t.find('b');
  if (b == std::string_view::npos) {
    if (k != std::string_view::npos || !allDigits(t)) return false;
    parts.integer = std::string(t);
    return true;
  }
  parts.denominator = std::string(t.substr(0, b));
  parts.numerator = std::string(t.substr(b + 1));
  return allDigits(parts.denominator) && allDigits(parts.numerator);
}

bool isPlainNumber(std::string_view term) {
  NumberParts parts;
  return parseNumberParts(term, parts);
}

}  // namespace ravlo
