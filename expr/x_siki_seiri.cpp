// The solver's side steps that bring a side to terms of the form ‹coefficient*x›: expression
// fractions, explicit coefficients and multiplication signs, the x normal form, and the
// coefficient of each term.
#include <cstddef>
#include <vector>

#include "core/text_helpers.h"
#include "expr/houtei_solver.h"
#include "expr/houtei_text.h"
#include "expr/siki_alphabet.h"
#include "expr/text_edit.h"

namespace ravlo {

using houtei::hasAnyOf;
using houtei::isNumberChar;
using houtei::isPlainNumber;
using houtei::splitTerms;
using text_edit::contains;
using text_edit::isDigit;
using text_edit::replaceAll;

const std::array<XHenkanPair, 24> XHenkanHyou = {{
    {"=(", "=1*("}, {"=[", "=1*["}, {"!x", "!*x"},  {"!y", "!*y"},  {"!z", "!*z"},
    {"mx", "m1*x"}, {"py", "p1*y"}, {"bx", "b1*x"}, {"by", "b1*y"}, {"bz", "b1*z"},
    {"(x", "(1*x"}, {"-x", "-1*x"}, {"-y", "-1*y"}, {"-z", "-1*z"}, {"+x", "+1*x"},
    {"+y", "+1*y"}, {"+z", "+1*z"}, {"=x", "=1*x"}, {"=y", "=1*y"}, {"=z", "=1*z"},
    {"-(", "-1*("}, {"+(", "+1*("}, {"m(", "m1*("}, {"p(", "p1*("},
}};

namespace {

bool isVariable(char c) { return c == 'x' || c == 'y' || c == 'z'; }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool bracketsBalanced(std::string_view text) {
  int depth = 0;
  for (char c : text) {
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return false;
  }
  return depth == 0;
}

// ‹x*3› -> ‹3*x›, ‹1*x/4› -> ‹1/4*x›: the factor x of a product moves to its end.
std::string moveXFactorToEnd(const std::string& term) {
  struct Factor {
    char op;  // '\0' for the first factor, else '*' or '/'
    std::string text;
  };
  std::vector<Factor> factors{{'\0', {}}};
  int depth = 0;
  for (char c : term) {
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (depth == 0 && (c == '*' || c == '/')) {
      factors.push_back({c, {}});
    } else {
      factors.back().text += c;
    }
  }
  std::size_t at = factors.size();
  for (std::size_t i = 0; i < factors.size(); ++i) {
    if (factors[i].text == "x" && factors[i].op != '/') {
      at = i;
      break;
    }
  }
  if (at == factors.size()) return term;
  factors.erase(factors.begin() + static_cast<std::ptrdiff_t>(at));
  if (factors.empty()) return "1*x";
  std::string out;
  if (factors.front().op == '/') out = "1";
  for (std::size_t i = 0; i < factors.size(); ++i) {
    if (i > 0) out += factors[i].op;
    out += factors[i].text;
  }
  return out + "*x";
}

}  // namespace

std::string HouteiSolver::XSikiBunSeiri(std::string_view side) {
  std::string s(side);
  std::size_t from = 0;
  for (;;) {
    const std::size_t close = s.find(']', from);
    if (close == std::string::npos) break;
    const std::size_t open = s.rfind('[', close);
    if (open == std::string::npos || open < from) return refuse(kHouteiFractionText);
    const std::string piece = s.substr(open, close - open + 1);
    if (!hasAnyOf(piece, "xyz")) {
      // Computed one at a time, with the sign in front of it, so that the evaluator's tidying
      // of the result touches nothing else of the side.
      // A factorial is taken before the sign ("m[3B0]!" is -(0!)), so the sign then stays out.
      std::size_t start = open;
      const bool factorial = close + 1 < s.size() && s[close + 1] == '!';
      if (!factorial && start > 0 && (s[start - 1] == 'm' || s[start - 1] == 'p')) --start;
      const std::string v = evaluator_.SikiBunSyori(s.substr(start, close + 1 - start));
      if (v == kFailText) return refuse(kHouteiFractionText);
      const std::string bracketed = "(" + v + ")";
      s.replace(start, close + 1 - start, bracketed);
      from = start + bracketed.size();
      continue;
    }
    const BunsuuH h = bunsuuH_.parse(piece);
    if (bunsuuH_.BunsuuHErr != 0) return refuse(kHouteiFractionText);
    // A bracket may not open inside the fraction and close outside it, or the other way.
    if (!bracketsBalanced(h.denominator) || !bracketsBalanced(h.numerator))
      return refuse(kHouteiFractionText);
    if (contains(h.denominator, 'x')) return refuse(kHouteiFractionXDenominatorText);
    // Numerator over denominator is the fraction's value only without a sign or an integer
    // part written before "K".
    const auto whole = parseInt64(h.integer);
    if (h.signValue() != 1 || !whole || *whole != 0) return refuse(kHouteiUnsupportedText);
    std::string den = h.denominator;
    if (OpKind(den).kind != -1) {
      den = calc(den);
      if (den == kFailText) return kFailText;
    }
    if (!isPlainNumber(den)) return refuse(kHouteiFractionText);
    const Bunsuu64 dv = numberText_.StrToBun(den);
    if (!dv.valid()) return refuse(kHouteiFractionText);
    if (dv.sign == 0 || (dv.integer == 0 && dv.numerator == 0))
      return refuse(kHouteiFractionZeroText);
    if (den.front() == 'm') den = "(" + den + ")";
    std::string quotient = "(" + h.numerator + ")/" + den;
    // A power or factorial of the fraction applies to the whole quotient.
    const char after = close + 1 < s.size() ? s[close + 1] : '\0';
    if (after == '^' || after == '!') quotient = "(" + quotient + ")";
    s.replace(open, close - open + 1, quotient);
    from = open + quotient.size();
  }
  if (s.find('[', from) != std::string::npos) return refuse(kHouteiFractionText);
  return s;
}

std::string HouteiSolver::XSiki1Seiri(std::string_view side) {
  if (contains(side, "^x") || contains(side, "^mx") || contains(side, "^px"))
    return refuse(kHouteiUnsupportedText);
  if (contains(side, "x^")) return refuse(kHouteiPowerText);

  std::string s(side);
  for (std::size_t i = 0; i < XHenkanHyou.size(); ++i) {
    if (i == 10 && !s.empty() && isVariable(s.front())) s.insert(0, "1*");
    s = replaceAll(s, XHenkanHyou[i].from, XHenkanHyou[i].to);
  }

  // x in a denominator: the run of the number in front of x reaches back to a "/".
  int closes = 0;
  int opens = 0;
  for (std::size_t x = s.find('x'); x != std::string::npos; x = s.find('x', x + 1)) {
    for (std::size_t j = x; j-- > 0;) {
      const char c = s[j];
      if (c == '*' || c == '+' || c == '-' || c == '=') break;
      if (c == '/') return refuse(kHouteiXDenominatorText);
      if (c == ')') {
        ++closes;
        continue;
      }
      if (c == '(') {
        if (++opens > closes) break;
        continue;
      }
      if (isDigit(c) || isAsciiLetter(c) || c == '.' || c == '@') continue;
      break;
    }
  }

  std::string out;
  out.reserve(s.size() + s.size() / 2);
  for (std::size_t i = 0; i < s.size(); ++i) {
    out += s[i];
    if (i + 1 >= s.size()) break;
    const char a = s[i];
    const char b = s[i + 1];
    if ((a == 'm' || a == 'p') && isVariable(b)) {
      out += "1*";  // a signed variable such as "px" (a typed "+x")
    } else if (((isDigit(a) || a == ')') && isVariable(b)) || (isVariable(a) && b == '(') ||
               (a == ')' && (isDigit(b) || b == '(')) || (isDigit(a) && b == '(') ||
               (isVariable(a) && isVariable(b)) || (a == '!' && b == '(')) {
      out += '*';
    }
  }
  return out;
}

std::string HouteiSolver::XKeisuuSeiri(std::string_view side) {
  std::string s(side);
  s = replaceAll(s, "-p", "-");
  s = replaceAll(s, "+p", "+");
  s = replaceAll(s, "-m", "+");
  s = replaceAll(s, "+m", "-");
  s = replaceAll(s, "=-", "=m");
  s = replaceAll(s, "=+", "=p");

  std::string moved;
  for (const auto& t : splitTerms(s)) {
    if (t.op != '\0') moved += t.op;
    moved += contains(t.text, 'x') ? moveXFactorToEnd(t.text) : t.text;
  }
  s = std::move(moved);

  if (!s.empty() && s.front() == '-') s.front() = 'm';
  if (!s.empty() && s.front() == '+') s.front() = 'p';
  s = replaceAll(s, "(+", "(p");
  s = replaceAll(s, "(-", "(m");

  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if ((c == 'm' || c == 'p') && i > 0 && contains("+-*/", s[i - 1]) && i + 1 < s.size() &&
        isDigit(s[i + 1])) {
      std::size_t end = i + 1;
      while (end < s.size() && isNumberChar(s[end])) ++end;
      out += "(" + s.substr(i, end - i) + ")";
      i = end - 1;
      continue;
    }
    out += c;
  }
  if (contains(out, "x*x")) return refuse(kHouteiNotLinearText);
  return out;
}

std::string HouteiSolver::XKouKeisan(std::string_view side) {
  std::string out;
  for (const auto& t : splitTerms(side, "=")) {
    std::string body = t.text;
    std::string suffix;
    if (body.ends_with("*x")) {
      body.resize(body.size() - 2);
      suffix = "*x";
    } else if (body == "x") {
      body = "1";
      suffix = "*x";
    }
    // "^" too: a signed base such as ‹m2^2› must be settled before the term's sign is read.
    if (hasAnyOf(body, "*/!PC^")) {
      body = calc(body);
      if (body == kFailText) return kFailText;
    }
    if (t.op != '\0') out += t.op;
    out += body + suffix;
  }
  return out;
}

}  // namespace ravlo
