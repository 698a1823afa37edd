#include "tools/model/pai_check.h"

#include <vector>

#include "core/cp932.h"

namespace ravlo {
namespace {

// Byte offsets where each character of UTF-8 text starts.
std::vector<std::size_t> characterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) starts.push_back(i);
  }
  return starts;
}

}  // namespace

PaiCheck paiStrCheck(std::string_view text) {
  const std::vector<std::size_t> starts = characterStarts(text);
  const int length = static_cast<int>(starts.size());
  // Counted as the code page counts it: a full-width character takes two.
  if (displayWidth(text) >= static_cast<std::size_t>(kPaiTooLong)) {
    return {false, true, kPaiTooLongText, length - 1};
  }

  // The scan passes digits and points and stops at the first other character.
  int points = 0;
  int lastPoint = -1;
  int stop = length;
  for (int i = 0; i < length; ++i) {
    const char c = text[starts[static_cast<std::size_t>(i)]];
    if (c == '.') {
      ++points;
      lastPoint = i;
    } else if (c < '0' || c > '9') {
      stop = i;
      break;
    }
  }
  if (points >= 2) return {false, false, kPaiManyPointsText, lastPoint};
  if (length > 0 && text.front() == '.') return {false, false, kPaiLeadingPointText, 0};
  if (length > 0 && text.back() == '.') return {false, false, kPaiTrailingPointText, length - 1};
  if (stop < length) return {false, false, kPaiNotNumberText, stop};
  return {};
}

}  // namespace ravlo
