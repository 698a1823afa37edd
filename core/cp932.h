#pragma once
// Code page 932 (the Windows Japanese code page) meets the program's UTF-8 text only here:
// the settings file and the notebook files are stored in it.
//
// Conversions never fail and never stop early. What cannot be converted is replaced and the
// result says it was not lossless:
//   - bytes that are no CP932 character (a lone lead byte, a bad trail byte, 0x80, 0xA0,
//     0xFD..0xFF, a lead byte cut off at the end) each become U+FFFD;
//   - characters that CP932 cannot hold, and bytes that are not UTF-8, each become "?",
//     as the Windows conversion writes its default character.
// CP932 is glibc's "CP932" converter (in the web build, whose libc lacks it, tables taken from
// it: core/cp932_table.h): it keeps "\" and "~" as ASCII and holds ①, ～, －.
// ("SHIFT_JIS" would turn "\" into "¥" and lose those characters.) Its one-way mappings of
// look-alikes (¥ to "\", ‾ to "~", 〜 to ～, − to －, ‖ to ∥, — to ―, ¢ £ ¬ to ￠ ￡ ￢) count
// as lossless: they are the same character in the code page.
#include <cstddef>
#include <string>
#include <string_view>

namespace ravlo {

struct TextConversion {
  std::string text;
  bool lossless = true;  // false when anything was replaced
};

TextConversion cp932ToUtf8(std::string_view cp932);
TextConversion utf8ToCp932(std::string_view utf8);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// The number of code points of UTF-8 text, each byte that is no UTF-8 counting as one.
std::size_t codePointCount(std::string_view utf8);

// Width in half-width columns, as the code-page form counts it: ASCII and half-width
// katakana 1, every double-byte character of CP932 2. Characters outside CP932 count 2 when
// they are East Asian wide (CJK, Hangul, full-width forms, emoji), else 1; every byte that is
// no UTF-8 counts 1.
std::size_t displayWidth(std::string_view utf8);

}  // namespace ravlo
