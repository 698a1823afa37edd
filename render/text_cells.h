#pragma once
// Widths of UTF-8 text in character cells, as a fixed-pitch Japanese face shows it:
// half-width characters take one cell, full-width ones two.
#include <cstddef>
#include <string>
#include <string_view>

namespace ravlo {

// Bytes of the UTF-8 character starting at s[i]; 1 for a byte that does not start a
// well-formed sequence, so a scan always moves on.
std::size_t utf8CharLength(std::string_view s, std::size_t i);

// The text with every control character and every byte that is no well-formed UTF-8
// replaced by "?", so that any byte string can be handed to a canvas.
std::string printableText(std::string_view text);

// Cells of the character starting at s[i] (1 for ASCII, half-width katakana and stray bytes).
int charCells(std::string_view s, std::size_t i);

// Cells of the whole text; the width the original program measured in code-page bytes.
int displayCells(std::string_view text);

}  // namespace ravlo
