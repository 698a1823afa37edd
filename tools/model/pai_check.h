#pragma once
// The approximation of π that the yen key types: a plain decimal number of at most 20
// characters.
#include <string_view>

namespace ravlo {

inline constexpr std::string_view kPaiWarningCaption = "警告！";
inline constexpr std::string_view kPaiTooLongText = "20字以上は長すぎる。";
inline constexpr std::string_view kPaiManyPointsText = "'.' が複数あります。";
inline constexpr std::string_view kPaiLeadingPointText = "数値の先頭が '.' は不適切です。";
inline constexpr std::string_view kPaiTrailingPointText = "数値の末尾が '.' は不適切です。";
inline constexpr std::string_view kPaiNotNumberText = "数値として不適切です。";
inline constexpr std::string_view kPaiDefault = "3.14";
inline constexpr std::string_view kPai19Digits = "3.141592653589793238";
// Texts this wide (full-width characters count two) or wider are refused and the edit is
// taken back.
inline constexpr int kPaiTooLong = 21;

struct PaiCheck {
  bool ok = true;
  bool tooLong = false;          // the change that made the text must be undone
  std::string_view message;      // "" when ok
  int position = -1;             // offending character, counted in characters from 0
};

// Checks a π text (UTF-8) in the order of the messages above: length, several points, a point
// first, a point last, anything but digits and points.
PaiCheck paiStrCheck(std::string_view text);

}  // namespace ravlo
