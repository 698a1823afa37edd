#include "render/text_cells.h"

#include <cstdint>

namespace ravlo {

namespace {

std::uint8_t byteAt(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

bool isContinuation(std::string_view s, std::size_t i) {
  return i < s.size() && (byteAt(s, i) & 0xC0u) == 0x80u;
}

// The code point at s[i] for a well-formed sequence of length n.
char32_t decodeAt(std::string_view s, std::size_t i, std::size_t n) {
  unsigned b = byteAt(s, i);
  if (n == 1) return b;
  char32_t cp = n == 2 ? (b & 0x1Fu) : n == 3 ? (b & 0x0Fu) : (b & 0x07u);
  for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (byteAt(s, i + k) & 0x3Fu);
  return cp;
}

}  // namespace

std::size_t utf8CharLength(std::string_view s, std::size_t i) {
  if (i >= s.size()) return 1;
  unsigned b = byteAt(s, i);
  std::size_t n = b < 0x80u ? 1 : (b >> 5) == 0x6u ? 2 : (b >> 4) == 0xEu ? 3 : (b >> 3) == 0x1Eu ? 4 : 0;
  if (n == 0) return 1;
  for (std::size_t k = 1; k < n; ++k)
    if (!isContinuation(s, i + k)) return 1;
  return n;
}

int charCells(std::string_view s, std::size_t i) {
  std::size_t n = utf8CharLength(s, i);
  if (n == 1) return 1;
  char32_t cp = decodeAt(s, i, n);
  if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int displayCells(std::string_view text) {
  int cells = 0;
  for (std::size_t i = 0; i < text.size(); i += utf8CharLength(text, i)) cells += charCells(text, i);
  return cells;
}

}  // namespace ravlo
