// Bracket expansion of one side by the distributive law. Marks used while it works: "<" ">"
// for a bracket that holds x (and for a negative value left by a single-term bracket), "{" "}"
// for a negative value that replaced a bracket or a power; all become round brackets at the
// end.
#include <cstddef>
#include <cstring>

#include "core/text_helpers.h"
#include "expr/houtei_solver.h"
#include "expr/houtei_text.h"
#include "expr/text_edit.h"

namespace ravlo {

using houtei::hasAnyOf;
using houtei::isNumberChar;
using houtei::marksToBrackets;
using houtei::matchingOpen;
using houtei::splitTerms;
using text_edit::contains;
using text_edit::isDigit;
using text_edit::replaceAll;

namespace {

bool isOneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

}  // namespace

std::string HouteiSolver::replaceFreeBracket(std::string_view content, char negOpen,
                                             char negClose) {
  std::string v(content);
  if (hasAnyOf(content, "+-*/^PC!")) {
    v = calc(marksToBrackets(content));
    if (v == kFailText) return kFailText;
  }
  if (!v.empty() && v.front() == 'm') v = negOpen + v + negClose;
  return v;
}

// Powers, factorials, permutations and combinations hold no x once the side has been checked;
// each is replaced by its value before the brackets are opened, so that neither the term
// cutting nor the sign handling below can split one apart.
std::string HouteiSolver::settleSpecialOperators(std::string_view side) {
  std::string s(side);
  for (;;) {
    const std::size_t j = s.find_first_of("^!PC");
    if (j == std::string::npos) return s;
    std::size_t start = j;
    std::size_t end = j + 1;
    if (s[j] == 'P' || s[j] == 'C') {
      while (start > 0 && isDigit(s[start - 1])) --start;
      while (end < s.size() && isDigit(s[end])) ++end;
      if (start == j || end == j + 1) return refuse(kHouteiUnsupportedText);
    } else {
      if (j == 0) return refuse(kHouteiUnsupportedText);
      if (s[j - 1] == ')') {
        start = matchingOpen(s, j - 1, '(', ')');
        if (start == std::string::npos) return refuse(kHouteiUnsupportedText);
      } else {
        while (start > 0 && isNumberChar(s[start - 1])) --start;
        if (start == j) return refuse(kHouteiUnsupportedText);
        // A sign belongs to its number: ‹m2^2› is 4.
        if (start > 0 && (s[start - 1] == 'm' || s[start - 1] == 'p')) --start;
      }
      end = j;
      for (;;) {
        if (end < s.size() && s[end] == '!') {
          ++end;
        } else if (end < s.size() && s[end] == '^') {
          ++end;
          if (end < s.size() && (s[end] == 'm' || s[end] == 'p')) ++end;
          while (end < s.size() && isDigit(s[end])) ++end;
        } else {
          break;
        }
      }
    }
    const std::string operand = s.substr(start, end - start);
    if (contains(operand, 'x')) return refuse(kHouteiPowerText);
    std::string v = calc(marksToBrackets(operand));
    if (v == kFailText) return kFailText;
    if (!v.empty() && v.front() == 'm') v = "{" + v + "}";
    s.replace(start, end - start, v);
  }
}

std::string HouteiSolver::XKakkoTenkai(std::string_view side) {
  std::string s = KakkoHagasi(side, 1);
  s = settleSpecialOperators(s);
  if (s == kFailText) return kFailText;

  // Brackets without x are computed; those with x are marked and kept.
  for (;;) {
    const std::size_t close = s.find(')');
    if (close == std::string::npos) break;
    const std::size_t open = close == 0 ? std::string::npos : s.rfind('(', close - 1);
    if (open == std::string::npos) return refuse(kHouteiUnsupportedText);
    const std::string content = s.substr(open + 1, close - open - 1);
    if (contains(content, 'x')) {
      s[open] = '<';
      s[close] = '>';
      continue;
    }
    const std::string v = replaceFreeBracket(content, '{', '}');
    if (v == kFailText) return kFailText;
    s.replace(open, close - open + 1, v);
  }
  for (char& c : s) {
    if (c == '<') c = '(';
    if (c == '>') c = ')';
  }

  // Brackets with x, innermost first.
  for (;;) {
    std::size_t close = s.find(')');
    if (close == std::string::npos) break;
    const std::size_t open = close == 0 ? std::string::npos : s.rfind('(', close - 1);
    if (open == std::string::npos) return refuse(kHouteiUnsupportedText);
    std::size_t from = open;
    while (from > 0 && !isOneOf(s[from - 1], "+-=:(")) --from;
    if (from > 0 && isOneOf(s[from - 1], "+-=:")) --from;
    const std::string content = s.substr(open + 1, close - open - 1);

    if (!hasAnyOf(content, "+-")) {
      // A single term stays where it is; its x moves behind the bracket.
      std::size_t at = s.find("*x", from);
      if (at == std::string::npos || at > close) at = s.find("x*", from);
      // Only a product of two x factors could put the x in front of the bracket.
      if (at == std::string::npos || at > close || at < open) return refuse(kHouteiNotLinearText);
      s.erase(at, 2);
      close -= 2;
      s.insert(close + 1, "*x");
      const std::string v =
          replaceFreeBracket(s.substr(open + 1, close - open - 1), '<', '>');
      if (v == kFailText) return kFailText;
      s.replace(open, close - open + 1, v);
      continue;
    }

    // A sum is multiplied out: f t1 f t2 ... with f = multiplier, factor after, "*".
    std::string f = s.substr(from, open - from);
    if (f.empty()) {
      f = "+1*";
    } else if (f.front() == 'm' || f.front() == 'p') {
      // Every piece must start with its own "+" or "-", or the pieces after the first would
      // run into the one before.
      f.front() = f.front() == 'm' ? '-' : '+';
    } else if (f.front() != '+' && f.front() != '-') {
      f.insert(0, "+");
    }
    std::size_t end = close + 1;
    while (end < s.size() && !isOneOf(s[end], "()+-")) ++end;
    f += s.substr(close + 1, end - close - 1);
    f += '*';
    f = replaceAll(f, "**", "*");

    std::string expanded;
    for (const auto& t : splitTerms(content)) {
      if (t.text.empty()) continue;
      expanded += f;
      if (t.op == '+') expanded += 'p';
      if (t.op == '-') expanded += 'm';
      expanded += t.text;
    }
    s.replace(from, end - from, expanded);
    s = replaceAll(s, "xm", "x-");
    s = replaceAll(s, "xp", "x+");
  }

  s = replaceAll(s, "**", "*");
  s = replaceAll(s, "*/", "/");
  s = replaceAll(s, "xm", "x-");
  s = replaceAll(s, "x<m", "x-<");
  s = replaceAll(s, "xp", "x+");
  s = replaceAll(s, "x<p", "x+<");
  return marksToBrackets(s);
}

}  // namespace ravlo
