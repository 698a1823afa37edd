#pragma once
// Text helpers shared by every part of the engine: writing a value back as a number text,
// cutting lines at "=" and "&", bracket peeling and small scanning helpers. None of them has
// state or shows a message.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/bunsuu64.h"

namespace ravlo {

// The failure text of every text-producing routine.
inline constexpr const char* kFailText = "n";

// Reads an int64: optional "+" or "-", then one or more decimal digits, nothing else.
std::optional<int64_t> parseInt64(std::string_view text);
// True when the text is one or more decimal digits and nothing else.
bool isDigitRun(std::string_view text);

// The number text of a value: ‹3b2›, ‹2k3b1›, ‹m7›, "0" for any zero, "n" for the invalid value;
// with brackets a negative value is written ‹(m…)›.
std::string BunToStr(const Bunsuu64& f, bool brackets);
// True when 1/d has a terminating decimal (d made only of 2s and 5s); false for d <= 0.
bool SyoOwari(int64_t d);
// Peels brackets that enclose the whole text; kind 0 both kinds, 1 "( )" only, 2 "[ ]" only.
std::string KakkoHagasi(std::string_view text, int kind);
// The question: the text before the first "=", with the "=" put back when keepEq. A text
// without "=" is returned unchanged.
std::string SikiCutAns(std::string_view text, bool keepEq);
// The text after the last "="; the whole text when "=" is absent or is the last character.
std::string LastAns(std::string_view text);

// The text without its leading run of c.
std::string removeLeadingRun(std::string_view text, char c);
// The text without its trailing run of c.
std::string removeTrailingRun(std::string_view text, char c);

struct TailFromLast {
  std::string tail;       // empty when c does not occur
  std::size_t position;   // 1-based position of the last c, 0 when absent
};
// The tail of the text from its last c (includeChar) or after it.
TailFromLast tailFromLast(std::string_view text, char c, bool includeChar);

struct CharFound {
  std::size_t position;   // 1-based, 0 when there is none
  char character;         // the character found, '\0' when there is none
};
// The first character of a that occurs in b.
CharFound firstCharIn(std::string_view a, std::string_view b);
// The first character of a that does not occur in b.
CharFound firstCharNotIn(std::string_view a, std::string_view b);
// Non-overlapping occurrences of sub in text, counted from the left; 0 for an empty sub.
int countOccurrences(std::string_view text, std::string_view sub);

}  // namespace ravlo
