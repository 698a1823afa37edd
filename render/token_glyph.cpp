#include "render/token_glyph.h"

#include "render/colors.h"

namespace ravlo {

TokenInfo TokenGlyph(std::string_view text) {
  TokenInfo t;
  if (text.empty()) return t;
  auto set = [&t](int kind, std::string_view glyph, Color color, bool bold = false) {
    t.kind = kind;
    t.glyph = glyph;
    t.color = color;
    t.bold = bold;
  };
  char c = text[0];
  switch (c) {
    case '+': set(1, "＋", kRed); break;
    case '-': set(2, "－", kRed); break;
    case '*': set(3, "×", kRed); break;
    case '/': set(4, "÷", kRed); break;
    case '^': set(5, "", kDarkRed); break;
    case '(': set(7, "(", kBlue); break;
    case ')': set(8, ")", kBlue); break;
    case 'p': set(9, "＋", kRed); break;
    case 'm': set(10, "－", kRed); break;
    case '[': set(12, "", kPurple); break;
    case ']': set(13, "]", kRed); break;
    case 'u': set(14, "…", kBlue); break;
    case '!': set(15, "!", kDarkRed, true); break;
    case 'P': set(16, "P", kDarkRed, true); break;
    case 'C': set(17, "C", kDarkRed, true); break;
    case '=': set(20, "＝", kBlue); break;
    case 'x': set(22, "x", kHotLight, true); break;
    case 'y': set(23, "y", kHotLight, true); break;
    case 'z': set(24, "z", kHotLight, true); break;
    case '<':
    case '>': {
      bool orEqual = text.size() > 1 && text[1] == '=';
      if (c == '<')
        set(25, orEqual ? "≦" : "＜", kBlue);
      else
        set(26, orEqual ? "≧" : "＞", kBlue);
      t.length = orEqual ? 2 : 1;
      break;
    }
    case ':': set(27, ":", kDarkRed, true); break;
    case 'R': set(32, "あまり", kRed, true); break;
    default:
      t.kind = (c >= '0' && c <= '9') || c == '.' ? 0 : -1;
      t.color = kBlack;
      break;
  }
  return t;
}

SpecialFound NextSpecial(std::string_view text) {
  constexpr std::string_view kSpecials = "+-*/^=()bkpm.u@!PCKB$xyz<>:[]R";
  std::size_t p = text.find_first_of(kSpecials);
  if (p == std::string_view::npos) return {};
  return {static_cast<int>(p) + 1, text[p]};
}

int WidthUnits(std::string_view text) {
  constexpr std::string_view kDouble = "+-*/=pm";
  constexpr std::string_view kSingle = "().0123456789!PCxyz:";
  int units = 0;
  for (char c : text) {
    if (kDouble.find(c) != std::string_view::npos)
      units += 2;
    else if (kSingle.find(c) != std::string_view::npos)
      units += 1;
  }
  return units;
}

}  // namespace ravlo
