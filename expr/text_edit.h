#pragma once
// Small text helpers shared by the expression code. Expressions are rewritten as text, so
// these do the "replace every", "count" and "find" steps in one place.
#include <cstddef>
#include <string>
#include <string_view>

namespace ravlo::text_edit {

// Replaces every occurrence of `from` by `to`, scanning once from the left; text produced
// by a replacement is not scanned again.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

std::size_t countChar(std::string_view text, char c);

inline bool contains(std::string_view text, char c) {
  return text.find(c) != std::string_view::npos;
}

inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Digits are tested by value: bytes above 0x7f must never reach <cctype>.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace ravlo::text_edit
