#include "render/tategaki.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "render/text_cells.h"

namespace ravlo {
namespace {

// Rows far below any window are not drawn; this keeps every y in int range.
constexpr std::int64_t kFarBelow = 1'000'000;

}  // namespace

int TategakiDraw(Canvas& c, int x, int y, std::string_view text, int align, int pitch) {
  const int w = c.textWidth("山川草木") / 4;
  const int h = c.textHeight("山川草木");
  if (align == 1) {
    x -= w / 2;
  } else if (align != 0) {
    x -= w;
  }
  const std::string shown = printableText(text);
  std::int64_t i = 0;
  std::int64_t rowY = y;
  for (std::size_t pos = 0; pos < shown.size();) {
    const std::size_t len = utf8CharLength(shown, pos);
    rowY = y + static_cast<std::int64_t>(pitch) * i * h / 100;
    if (rowY > kFarBelow || rowY < -kFarBelow) break;
    const std::string_view ch = std::string_view(shown).substr(pos, len);
    const bool fullWidth = charCells(shown, pos) == 2;
    c.textOut(fullWidth ? x : x + w / 4, static_cast<int>(rowY), ch);
    pos += len;
    ++i;
  }
  const std::int64_t end = y + static_cast<std::int64_t>(pitch) * i * h / 100;
  return static_cast<int>(std::clamp<std::int64_t>(end, -kFarBelow, kFarBelow));
}

}  // namespace ravlo
