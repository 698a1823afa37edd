#include "core/text_helpers.h"

namespace ravlo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True while the brackets at both ends belong together: the depth, counted from 1 over the
// inner characters, never falls to 0.
bool outerPairEnclosesAll(std::string_view t, char open, char close) {
  int depth = 1;
  for (std::size_t i = 1; i + 1 < t.size(); ++i) {
    if (t[i] == open) ++depth;
    if (t[i] == close) --depth;
    if (depth == 0) return false;
  }
  return true;
}

std::string_view peel(std::string_view t, char open, char close) {
  while (t.size() >= 2 && t.front() == open && t.back() == close &&
         outerPairEnclosesAll(t, open, close)) {
    t = t.substr(1, t.size() - 2);
  }
  return t;
}

}  // namespace

bool isDigitRun(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!isDigit(c)) return false;
  }
  return true;
}

std::optional<int64_t> parseInt64(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!isDigitRun(text)) return std::nullopt;
  // Accumulate the negative value: its range includes INT64_MIN.
  int64_t value = 0;
  for (char c : text) {
    const int64_t digit = c - '0';
    if (__builtin_mul_overflow(value, int64_t{10}, &value) ||
        __builtin_sub_overflow(value, digit, &value)) {
      return std::nullopt;
    }
  }
  if (negative) return value;
  if (value == INT64_MIN) return std::nullopt;
  return -value;
}

std::string BunToStr(const Bunsuu64& f, bool brackets) {
  if (f.denominator == 0) return kFailText;
  // Any zero is written "0", also a record that still carries a sign.
  if (f.sign == 0 || (f.integer == 0 && f.numerator == 0)) return "0";
  const bool negative = f.sign < 0;
  std::string s;
  if (negative) s = brackets ? "(m" : "m";
  if (f.numerator != 0) {
    if (f.integer > 0) s += std::to_string(f.integer) + "k";
    s += std::to_string(f.denominator) + "b" + std::to_string(f.numerator);
  } else {
    s += std::to_string(f.integer);
  }
  if (negative && brackets) s += ")";
  return s;
}

bool SyoOwari(int64_t d) {
  if (d <= 0) return false;
  if (d == 1) return true;
  while (d % 2 == 0) d /= 2;
  if (d == 1) return true;
  if (d < 5) return false;
  while (d % 5 == 0) d /= 5;
  return d == 1;
}

std::string KakkoHagasi(std::string_view text, int kind) {
  std::string_view t = text;
  if (kind == 0 || kind == 1) t = peel(t, '(', ')');
  if (kind == 0 || kind == 2) t = peel(t, '[', ']');
  return std::string(t);
}

std::string SikiCutAns(std::string_view text, bool keepEq) {
  const std::size_t p = text.find('=');
  if (p == std::string_view::npos) return std::string(text);
  std::string s(text.substr(0, p));
  if (keepEq) s += '=';
  return s;
}

std::string LastAns(std::string_view text) {
  const std::size_t p = text.rfind('=');
  if (p == std::string_view::npos || p + 1 == text.size()) return std::string(text);
  return std::string(text.substr(p + 1));
}

std::string removeLeadingRun(std::string_view text, char c) {
  const std::size_t p = text.find_first_not_of(c);
  return p == std::string_view::npos ? std::string() : std::string(text.substr(p));
}

std::string removeTrailingRun(std::string_view text, char c) {
  const std::size_t p = text.find_last_not_of(c);
  return p == std::string_view::npos ? std::string() : std::string(text.substr(0, p + 1));
}

TailFromLast tailFromLast(std::string_view text, char c, bool includeChar) {
  const std::size_t p = text.rfind(c);
  if (p == std::string_view::npos) return {std::string(), 0};
  return {std::string(text.substr(includeChar ? p : p + 1)), p + 1};
}

CharFound firstCharIn(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (b.find(a[i]) != std::string_view::npos) return {i + 1, a[i]};
  }
  return {0, '\0'};
}

CharFound firstCharNotIn(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (b.find(a[i]) == std::string_view::npos) return {i + 1, a[i]};
  }
  return {0, '\0'};
}

int countOccurrences(std::string_view text, std::string_view sub) {
  if (sub.empty()) return 0;
  int n = 0;
  for (std::size_t p = text.find(sub); p != std::string_view::npos;
       p = text.find(sub, p + sub.size())) {
    ++n;
  }
  return n;
}

}  // namespace ravlo
