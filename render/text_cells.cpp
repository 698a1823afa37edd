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
  const unsigned b = byteAt(s, i);
  if (b < 0x80u) return 1;
  // Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
  std::size_t n = 0;
  unsigned lo = 0x80u, hi = 0xBFu;  // allowed range of the second byte
  if (b >= 0xC2u && b <= 0xDFu) {
    n = 2;
  } else if (b >= 0xE0u && b <= 0xEFu) {
    n = 3;
    if (b == 0xE0u) lo = 0xA0u;
    if (b == 0xEDu) hi = 0x9Fu;
  } else if (b >= 0xF0u && b <= 0xF4u) {
    n = 4;
    if (b == 0xF0u) lo = 0x90u;
    if (b == 0xF4u) hi = 0x8Fu;
  } else {
    return 1;
  }
  if (i + 1 >= s.size()) return 1;
  const unsigned second = byteAt(s, i + 1);
  if (second < lo || second > hi) return 1;
  for (std::size_t k = 2; k < n; ++k)
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

std::string printableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = utf8CharLength(text, i);
    unsigned b = byteAt(text, i);
    if (n == 1 && (b < 0x20u || b >= 0x7Fu))
      out += '?';
    else
      out.append(text.substr(i, n));
    i += n;
  }
  return out;
}

int displayCells(std::string_view text) {
  int cells = 0;
  for (std::size_t i = 0; i < text.size(); i += utf8CharLength(text, i)) cells += charCells(text, i);
  return cells;
}

}  // namespace ravlo
