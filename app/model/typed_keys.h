#pragma once
// The key of a Japanese keyboard that prints a character, Shift included: "+" is Shift+";",
// "=" is Shift+"-", "(" is Shift+"8". Every front end maps typed characters through this, so
// a character means the same key whatever layout or device typed it.
namespace ravlo {

struct TypedKey {
  int key = 0;  // 0: no key of the keyboard prints the character
  bool shift = false;
};

// Punctuation and digits of the main keyboard.
TypedKey japaneseKeyFor(char32_t character);

// The numeric pad's own key that prints the character (its digits, * + - / and the decimal
// point, "," included), or 0.
int keypadKeyFor(char32_t character);

}  // namespace ravlo
