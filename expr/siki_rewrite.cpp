#include "expr/siki_rewrite.h"

#include "expr/text_edit.h"

namespace ravlo {

namespace {

bool needsTimesBetween(char left, char right) {
  // "3!(2)" may be typed when "×" may be left out; without the "*" it would become 62.
  if (right == '(')
    return left == ')' || left == '!' || text_edit::isDigit(left) || left == 'X' ||
           left == 'Y' || left == 'Z';
  return left == ')' && text_edit::isDigit(right);
}

}  // namespace

std::string KakeruHokan(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (i + 1 < text.size() && needsTimesBetween(text[i], text[i + 1])) out += '*';
  }
  return out;
}

std::string signedBracketToProduct(std::string_view text) {
  return text_edit::replaceAll(text_edit::replaceAll(text, "m(", "m1*("), "p(", "(");
}

}  // namespace ravlo
