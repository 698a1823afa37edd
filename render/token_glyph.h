#pragma once
// Classifying the head of an expression text: what a token is drawn as, where the next
// structural character is, and how wide a text is in digit widths.
#include <string_view>

#include "render/canvas.h"

namespace ravlo {

struct TokenInfo {
  int kind = -1;                // 0 digits and '.', -1 any other ordinary character
  std::string_view glyph;       // what is drawn (empty for '^', '[' and ordinary characters)
  Color color = 0x000000;
  bool bold = false;
  int length = 1;               // characters the token takes ("<=" and ">=" take two)
};

// The kind, glyph and colour of the token at the head of the text (kind -1 for an empty text).
TokenInfo TokenGlyph(std::string_view text);

struct SpecialFound {
  int position = -1;  // 1-based, -1 when there is none
  char character = '\0';
};

// The first structural character of the text: one of "+-*/^=()bkpm.u@!PCKB$xyz<>:[]R".
SpecialFound NextSpecial(std::string_view text);

// Width in digit widths: 2 for each of "+-*/=pm", 1 for each of "().0123456789!PCxyz:", 0 else.
int WidthUnits(std::string_view text);

}  // namespace ravlo
