#pragma once
// The Japanese reading of an encoded line: what the voice is asked to say for a typed token
// or a whole line. The reading still holds digits, the kanji of a few words and some marks;
// speakable_kana.h turns it into what the speech engine can pronounce.
#include <array>
#include <string>
#include <string_view>

namespace ravlo {

struct ReadingRow {
  std::string_view from;
  std::string_view to;
};

// Applied in this order to the whole text, every occurrence of each.
inline constexpr std::array<ReadingRow, 24> kReadingTable{{
    {"Q", "とい"},
    {">", "だいなり"},
    {"<", "しょうなり"},
    {":", "たい"},
    {"_", "。"},
    {")", "かっこ閉じる"},
    {"(", "かっこ"},
    {"+", "たす"},
    {"-", "ひく"},
    {"*", "かける"},
    {"/", "わる"},
    {"k", "と"},
    {"b", "ぶんの"},
    {"[", "分数式 分母 始め,"},
    {"]", ",分子 終わり,"},
    {"K", "と"},
    {"B", "ぶんの"},
    {"!", "のかいじょう"},
    {"=", "イコール"},
    {"p", "プラス"},
    {"m", "マイナス"},
    {"u", "。以下省略"},
    {"&", "。答えは"},
    {".", "てん"},
}};
// Only a single typed token 0 is read as a word; in a line the voice reads the whole number.
inline constexpr ReadingRow kZeroTokenReading{"0", "れい"};

// A lone power sign.
inline constexpr std::string_view kLonePowerReading = "のるいじょう";
// Appended when the line ends on its first power sign, so the power has an end to read.
inline constexpr char kOpenPowerMark = 'Z';

// The reading of text: whole = false for one typed token, true for a whole line. An empty
// text has no reading ("").
std::string SikiSpeakText(std::string_view text, bool whole);

// The steps of SikiSpeakText, each on its own.
// After a decimal point every digit is followed by a space, so they are read one by one.
std::string spaceDecimalDigits(std::string_view text);
// Every power a^n read as "aのnじょう".
std::string readPowers(std::string_view text);
// Every row of the reading table (and the token 0 row when wholeLine is false).
std::string applyReadingTable(std::string text, bool wholeLine);

// Every occurrence of from in text replaced by to, left to right.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);

}  // namespace ravlo
