#include "app/model/speakable_kana.h"

#include <array>

#include "app/model/siki_reading.h"

namespace ravlo {
namespace {

struct KanaRow {
  std::string_view from;
  std::string_view to;
};

// Whole words first, longest before their parts.
constexpr std::array<KanaRow, 31> kKanaRows{{
    // the reading table's kanji words
    {"分数式", "ぶんすうしき"},
    {"分母", "ぶんぼ"},
    {"始め", "はじめ"},
    {"分子", "ぶんし"},
    {"終わり", "おわり"},
    {"閉じる", "とじる"},
    {"以下省略", "いかしょうりゃく"},
    // the particle は is said "wa"; the engine would say "ha"
    {"答えは", "こたえわ"},
    // the solver's words and relation signs in an answer column
    {"不定", "ふてい"},
    {"不能", "ふのう"},
    {"≦", "しょうなりイコール"},
    {"≧", "だいなりイコール"},
    {"＝", "イコール"},
    {"＜", "しょうなり"},
    {"＞", "だいなり"},
    // full-width signs of a hand-written line
    {"＋", "たす"},
    {"－", "ひく"},
    {"×", "かける"},
    {"÷", "わる"},
    // the end mark of an open power says nothing
    {"じょうZ", "じょう"},
    // letters the reading leaves as they are
    {"x", "エックス"},
    {"y", "ワイ"},
    {"z", "ゼット"},
    {"X", "エックス"},
    {"Y", "ワイ"},
    {"Z", "ゼット"},
    {"P", "ピー"},
    {"C", "シー"},
    {"R", "あまり"},
    {"@", "じゅんかん"},
    // a pause, as the engine knows it
    {",", "、"},
}};

// Length of the UTF-8 character that starts with byte b (1 for a stray byte).
std::size_t utf8Length(unsigned char b) {
  if (b >= 0xF0 && b < 0xF8) return 4;
  if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
  if (b >= 0xC0) return 2;
  return 1;
}

char32_t decode(std::string_view ch) {
  const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(ch[i])); };
  switch (ch.size()) {
    case 1: return byte(0);
    case 2: return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3: return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4:
      return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
             (byte(3) & 0x3F);
    default: return 0;
  }
}

bool validUtf8(std::string_view ch) {
  if (ch.empty() || utf8Length(static_cast<unsigned char>(ch[0])) != ch.size()) return false;
  for (std::size_t i = 1; i < ch.size(); ++i) {
    if ((static_cast<unsigned char>(ch[i]) & 0xC0) != 0x80) return false;
  }
  return true;
}

bool isKanaLetter(char32_t c) {
  return (c >= U'\u3041' && c <= U'\u3096') || (c >= U'\u30A1' && c <= U'\u30FA');
}

}  // namespace

bool isSpeakableCharacter(std::string_view ch) {
  if (!validUtf8(ch)) return false;
  const char32_t c = decode(ch);
  return (c >= U'0' && c <= U'9') || c == U' ' || c == U'、' || c == U'。' || c == U'ー' ||
         isKanaLetter(c);
}

std::string SpeakableKana(std::string_view reading) {
  std::string text(reading);
  for (const KanaRow& row : kKanaRows) text = replaceAll(std::move(text), row.from, row.to);

  std::string out;
  out.reserve(text.size());
  bool afterKana = false;  // a long-vowel mark is said only after a kana
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = utf8Length(static_cast<unsigned char>(text[i]));
    if (i + len > text.size() || !validUtf8(std::string_view(text.data() + i, len))) len = 1;
    const std::string_view ch(text.data() + i, len);
    i += len;
    const char32_t c = validUtf8(ch) ? decode(ch) : 0;
    if (c >= U'０' && c <= U'９') {
      out += static_cast<char>('0' + (c - U'０'));
      afterKana = false;
    } else if (c == U'ー') {
      if (afterKana) out += ch;
    } else if (isSpeakableCharacter(ch)) {
      out += ch;
      afterKana = isKanaLetter(c);
    }
  }
  return out;
}

}  // namespace ravlo
