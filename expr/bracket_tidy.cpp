#include "expr/bracket_tidy.h"

#include <vector>

#include "expr/single_number.h"
#include "expr/text_edit.h"

namespace ravlo {

namespace {

using text_edit::replaceAll;

// The end (exclusive) of the bracket group opening at `open`: up to and including the first
// ")" after it, or the rest of the text when no ")" follows.
std::size_t groupEnd(std::string_view text, std::size_t open) {
  std::size_t close = text.find(')', open + 1);
  return close == std::string_view::npos ? text.size() : close + 1;
}

struct Replacement {
  std::string_view from, to;
};

// Applied in this order, each one everywhere.
constexpr Replacement kSignPairs[] = {
    {"+m", "-"}, {"+p", "+"}, {"-m", "+"}, {"-p", "-"},
    {"pm", "m"}, {"pp", ""},  {"mm", ""},  {"mp", "m"},
};
constexpr Replacement kSignedGroupAfterPlus[] = {
    {"+(m", "-"}, {"+(p", "+"}, {"+(-", "-"}, {"+(+", "+"},
};

std::string mergeSignPairs(std::string s) {
  for (const auto& r : kSignPairs) s = replaceAll(s, r.from, r.to);
  return s;
}

// Every "+" becomes "-" and every "-" becomes "+".
void swapAddSub(std::string& s) {
  for (char& c : s) {
    if (c == '+')
      c = '-';
    else if (c == '-')
      c = '+';
  }
}

// Removes the brackets of the group opening at `open`, swapping "+" and "-" inside when
// `negate`; returns where scanning may go on.
std::size_t openGroup(std::string& s, std::size_t open, bool negate) {
  const std::size_t end = groupEnd(s, open);
  const bool closed = end > open + 1 && s[end - 1] == ')';
  std::string inside = s.substr(open + 1, (closed ? end - 1 : end) - (open + 1));
  if (negate) swapAddSub(inside);
  s.replace(open, end - open, inside);
  return open + inside.size();
}

}  // namespace

std::string KakkoHazusi(KakkoContext& ctx, std::string_view E, bool keepGroups) {
  ctx.KakkoResult = 0;
  const std::string s(E);

  // A group raised to a power keeps its brackets: each ")^" and the "(" that it closes are set
  // aside, so the walk below does not see them as brackets. Matching by depth keeps an inner
  // group such as the one in (m(3)+1)^2 from stealing the power.
  std::vector<bool> powered(s.size(), false);
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != ')' || s[i + 1] != '^') continue;
    powered[i] = true;
    std::size_t depth = 0;
    for (std::size_t j = i; j-- > 0;) {
      if (s[j] == ')') {
        ++depth;
      } else if (s[j] == '(') {
        if (depth == 0) {
          powered[j] = true;
          break;
        }
        --depth;
      }
    }
  }
  auto isOpen = [&](std::size_t i) { return s[i] == '(' && !powered[i]; };
  auto isClose = [&](std::size_t i) { return s[i] == ')' && !powered[i]; };

  std::string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t open = pos;
    while (open < s.size() && !isOpen(open)) ++open;
    out.append(s, pos, open - pos);
    if (open == s.size()) break;
    std::size_t end = open + 1;
    while (end < s.size() && !isClose(end)) ++end;
    if (end < s.size()) ++end;  // include the ")"

    // The group as the single-number test sees it: set-aside brackets are not brackets.
    std::string group = s.substr(open, end - open);
    for (std::size_t k = 0; k < group.size(); ++k) {
      if (powered[open + k]) group[k] = (group[k] == '(') ? '<' : '>';
    }
    if (TanSuuCheck(group)) {
      const bool closed = isClose(end - 1) && end - 1 > open;
      out.append(s, open + 1, (closed ? end - 1 : end) - (open + 1));
      ctx.KakkoResult = 1;
    } else if (keepGroups) {
      out.append(s, open, end - open);
    } else {
      ctx.KakkoResult = -1;
      return std::string(E);
    }
    pos = end;
  }
  return mergeSignPairs(std::move(out));
}

std::string JoujoKakkoHazusi(KakkoContext& ctx, std::string_view E) {
  ctx.KakkoKazu = 0;
  ctx.droppedMinusCount = 0;
  if (text_edit::contains(E, '+') || text_edit::contains(E, '-')) {
    ctx.KakkoKazu = -1;
    return std::string(E);
  }
  if (!text_edit::contains(E, '(')) return std::string(E);

  std::string out;
  std::size_t pos = 0;
  while (true) {
    std::size_t open = E.find('(', pos);
    if (open == std::string_view::npos) break;
    out.append(E, pos, open - pos);
    const std::size_t end = groupEnd(E, open);
    // The group without its first and last character (its brackets).
    std::string_view inside =
        end - open >= 2 ? E.substr(open + 1, end - open - 2) : std::string_view{};
    if (!inside.empty() && inside.front() == 'm') {
      inside.remove_prefix(1);
      ++ctx.droppedMinusCount;
    } else if (!inside.empty() && inside.front() == 'p') {
      inside.remove_prefix(1);
    }
    out.append(inside);
    ++ctx.KakkoKazu;
    pos = end;
  }
  out.append(E, pos, std::string_view::npos);
  if (ctx.droppedMinusCount % 2 == 1) out.insert(0, 1, 'm');
  return replaceAll(replaceAll(out, "mp", "-"), "mm", "");
}

std::string KakkoTenkai(std::string_view E) {
  std::string s(E);
  // A leading group, signed or not.
  if (!s.empty() && s[0] == '(') {
    openGroup(s, 0, false);
  } else if (s.size() >= 2 && (s[0] == 'm' || s[0] == 'p') && s[1] == '(') {
    openGroup(s, 1, s[0] == 'm');
  }
  // Every group after a "-".
  std::size_t pos = 0;
  while (true) {
    std::size_t at = s.find("-(", pos);
    if (at == std::string::npos) break;
    pos = openGroup(s, at + 1, true);
  }
  for (const auto& r : kSignedGroupAfterPlus) s = replaceAll(s, r.from, r.to);
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != '(' && c != ')') out += c;
  return out;
}

}  // namespace ravlo
