#include "expr/houtei_text.h"

#include "expr/text_edit.h"

namespace ravlo::houtei {

bool isNumberChar(char c) {
  return text_edit::isDigit(c) || c == 'b' || c == 'k' || c == '.' || c == '@';
}

bool hasAnyOf(std::string_view text, std::string_view chars) {
  return text.find_first_of(chars) != std::string_view::npos;
}

std::size_t matchingOpen(std::string_view text, std::size_t close, char open, char shut) {
  int depth = 0;
  for (std::size_t i = close + 1; i-- > 0;) {
    if (text[i] == shut) {
      ++depth;
    } else if (text[i] == open && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

std::vector<Term> splitTerms(std::string_view side, std::string_view extraSeparators) {
  std::vector<Term> terms;
  Term cur;
  int depth = 0;
  for (char c : side) {
    if (c == '(') ++depth;
    if (c == ')') --depth;
    const bool separator =
        depth == 0 && (c == '+' || c == '-' || text_edit::contains(extraSeparators, c));
    if (separator) {
      terms.push_back(std::move(cur));
      cur = Term{c, {}};
    } else {
      cur.text += c;
    }
  }
  terms.push_back(std::move(cur));
  return terms;
}

SignedBody signedBody(const Term& t) {
  SignedBody s{t.op == '-', t.text};
  if (!s.body.empty() && (s.body.front() == 'm' || s.body.front() == 'p')) {
    if (s.body.front() == 'm') s.negative = !s.negative;
    s.body.erase(0, 1);
  }
  return s;
}

std::string joinSigned(const std::vector<SignedBody>& terms) {
  if (terms.empty()) return "0";
  std::string out;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (terms[i].negative) {
      out += '-';
    } else if (i > 0) {
      out += '+';
    }
    out += terms[i].body;
  }
  return out;
}

}  // namespace ravlo::houtei

namespace ravlo::houtei {

namespace {

std::size_t digitsAt(std::string_view t, std::size_t i) {
  while (i < t.size() && text_edit::isDigit(t[i])) ++i;
  return i;
}

}  // namespace

bool isPlainNumber(std::string_view text) {
  while (text.size() >= 2 && text.front() == '(' && text.back() == ')')
    text = text.substr(1, text.size() - 2);
  std::size_t i = 0;
  if (i < text.size() && (text[i] == 'm' || text[i] == 'p')) ++i;
  std::size_t j = digitsAt(text, i);
  if (j == i) return false;
  if (j == text.size()) return true;
  const char c = text[j];
  if (c == 'k') {
    const std::size_t d = digitsAt(text, j + 1);
    if (d == j + 1 || d >= text.size() || text[d] != 'b') return false;
    const std::size_t n = digitsAt(text, d + 1);
    return n > d + 1 && n == text.size();
  }
  if (c == 'b') {
    const std::size_t n = digitsAt(text, j + 1);
    return n > j + 1 && n == text.size();
  }
  if (c == '.') {
    const std::size_t f = digitsAt(text, j + 1);
    if (f == text.size()) return f > j + 1;
    if (text[f] != '@') return false;
    const std::size_t r = digitsAt(text, f + 1);
    return r > f + 1 && r == text.size();
  }
  return false;
}

std::string marksToBrackets(std::string_view text) {
  std::string s(text);
  for (char& c : s) {
    if (c == '{' || c == '<') c = '(';
    if (c == '}' || c == '>') c = ')';
  }
  return s;
}

}  // namespace ravlo::houtei
