#include "expr/siki_alphabet.h"

#include "expr/text_edit.h"

namespace ravlo {

namespace {

constexpr std::string_view kAlphabet = "0123456789bk.@upm+-*/^!PC()[]KBxyz<>:=&R";
constexpr std::string_view kDigitForms = "0123456789";
constexpr std::string_view kOpKindOrder = "+-*/^!PC";

}  // namespace

bool isSikiChar(char c) { return c != '\0' && text_edit::contains(kAlphabet, c); }

std::string_view displayForm(char c) {
  if (text_edit::isDigit(c)) {
    return kDigitForms.substr(static_cast<std::size_t>(c - '0'), 1);
  }
  switch (c) {
    case '.': return ".";
    case 'u': return "…";
    case 'p':
    case '+': return "＋";
    case 'm':
    case '-': return "－";
    case '*': return "×";
    case '/': return "÷";
    case '^': return "＾";
    case '!': return "!";
    case 'P': return "P";
    case 'C': return "C";
    case '(': return "(";
    case ')': return ")";
    case 'x': return "x";
    case 'y': return "y";
    case 'z': return "z";
    case '<': return "＜";
    case '>': return "＞";
    case ':': return "：";
    case '=': return "＝";
    case 'R': return "あまり";
    default: return "";
  }
}

OpKindResult OpKind(std::string_view text) {
  for (std::size_t k = 0; k < kOpKindOrder.size(); ++k) {
    std::size_t at = text.find(kOpKindOrder[k]);
    if (at != std::string_view::npos && at >= 1)
      return {static_cast<int>(k) + 1, at + 1};
  }
  return {};
}

}  // namespace ravlo
