#include "app/model/ordinary_notation.h"

#include <array>

namespace ravlo {
namespace {

constexpr std::string_view kDotAbove = "\xCC\x87";  // U+0307, combining
constexpr std::array<std::string_view, 10> kSuperDigits = {"⁰", "¹", "²", "³", "⁴",
                                                           "⁵", "⁶", "⁷", "⁸", "⁹"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view digitsAt(std::string_view t, std::size_t& i) {
  const std::size_t from = i;
  while (i < t.size() && isDigit(t[i])) ++i;
  return t.substr(from, i - from);
}

// A repeating period: a dot over its first and its last digit.
std::string dotted(std::string_view period) {
  std::string out;
  for (std::size_t k = 0; k < period.size(); ++k) {
    out += period[k];
    if (k == 0 || k + 1 == period.size()) out += kDotAbove;
  }
  return out;
}

// The number whose first digit is at i: integer, fraction, mixed number or decimal.
std::string number(std::string_view t, std::size_t& i) {
  const std::string_view first = digitsAt(t, i);
  if (i < t.size() && t[i] == 'k') {
    ++i;
    const std::string_view den = digitsAt(t, i);
    std::string_view num;
    if (i < t.size() && t[i] == 'b') {
      ++i;
      num = digitsAt(t, i);
    }
    return std::string(first) + " " + std::string(num) + "/" + std::string(den);
  }
  if (i < t.size() && t[i] == 'b') {
    ++i;
    const std::string_view num = digitsAt(t, i);
    return std::string(num) + "/" + std::string(first);
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    std::string out = std::string(first) + "." + std::string(digitsAt(t, i));
    if (i < t.size() && t[i] == '@') {
      ++i;
      out += dotted(digitsAt(t, i));
    }
    return out;
  }
  return std::string(first);
}

std::string exponent(std::string_view t, std::size_t& i) {
  std::string out;
  if (i < t.size() && (t[i] == 'm' || t[i] == 'p')) {
    out += t[i] == 'm' ? "⁻" : "⁺";
    ++i;
  }
  const std::string_view digits = digitsAt(t, i);
  if (digits.empty()) return "^" + out;
  for (char d : digits) out += kSuperDigits[static_cast<std::size_t>(d - '0')];
  return out;
}

std::string expression(std::string_view t);

// A part of an expression fraction: in brackets unless it is one unsigned number.
std::string fractionPart(std::string_view raw) {
  const std::string text = expression(raw);
  for (char c : raw) {
    if (!isDigit(c) && c != '.' && c != '@' && c != 'u') return "(" + text + ")";
  }
  return text;
}

// "[" [sign] [integer "K"] den "B" num "]"; a body without its bar stays as it was typed.
std::string exprFraction(std::string_view body) {
  std::string head;
  std::string_view rest = body;
  if (const std::size_t k = body.find('K'); k != std::string_view::npos) {
    std::string_view whole = body.substr(0, k);
    if (!whole.empty() && (whole[0] == 'm' || whole[0] == 'p')) {
      head = whole[0] == 'm' ? "-" : "+";
      whole.remove_prefix(1);
    }
    if (!whole.empty()) head += expression(whole) + " ";
    rest = body.substr(k + 1);
  }
  const std::size_t bar = rest.find('B');
  if (bar == std::string_view::npos) return "[" + expression(body) + "]";
  return head + fractionPart(rest.substr(bar + 1)) + "/" + fractionPart(rest.substr(0, bar));
}

std::string expression(std::string_view t) {
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    const char c = t[i];
    if (isDigit(c)) {
      out += number(t, i);
      continue;
    }
    ++i;
    switch (c) {
      case 'm': out += "-"; break;
      case 'p': out += "+"; break;
      case '*': out += "×"; break;
      case '/': out += "÷"; break;
      case '^': out += exponent(t, i); break;
      case 'u': out += "…"; break;
      case 'R': out += "あまり"; break;
      case '<':
      case '>':
        if (i < t.size() && t[i] == '=') {
          out += c == '<' ? "≦" : "≧";
          ++i;
        } else {
          out += c;
        }
        break;
      case '[': {
        const std::size_t close = t.find(']', i);
        const std::size_t end = close == std::string_view::npos ? t.size() : close;
        out += exprFraction(t.substr(i, end - i));
        i = close == std::string_view::npos ? t.size() : close + 1;
        break;
      }
      default: out += c; break;
    }
  }
  return out;
}

// The solver writes its relation in full-width signs; a document line uses the plain ones.
std::string solution(std::string_view answer) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kPlain{
      {{"＝", "="}, {"＜", "<"}, {"＞", ">"}}};
  std::string out;
  std::size_t i = 0;
  if (i < answer.size() && answer[i] == 'x') out += answer[i++];
  for (auto [wide, plain] : kPlain) {
    if (answer.substr(i).starts_with(wide)) {
      out += plain;
      i += wide.size();
      break;
    }
  }
  const std::string_view value = answer.substr(i);
  // (不定) and (不能) are words, not a value.
  if (value.find("不") != std::string_view::npos) return out + std::string(value);
  return out + expression(value);
}

}  // namespace

std::string OrdinaryNotation(std::string_view siki) {
  const std::size_t amp = siki.find('&');
  std::string out = expression(siki.substr(0, amp));
  if (amp == std::string_view::npos) return out;
  const std::string_view column = siki.substr(amp + 1);
  if (siki.substr(0, amp).find('x') != std::string_view::npos && column.starts_with("x")) {
    out += " → " + solution(column);
  }
  return out;
}

}  // namespace ravlo
