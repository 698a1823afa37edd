// RunDraw: a plain run of characters, each in its own colour.
#include <cmath>

#include "render/colors.h"
#include "render/expr_renderer.h"
#include "render/text_cells.h"
#include "render/token_glyph.h"

namespace ravlo {

namespace {

int scaledSize(int size, double factor) {
  long v = std::lround(size * factor);
  return v < 1 ? 1 : static_cast<int>(v);
}

}  // namespace

int ExprRenderer::screenCharH(Canvas& c) {
  return ScreenCharH > 0 ? ScreenCharH : c.textHeight("1234567890");
}

int ExprRenderer::RunDraw(Canvas& c, std::string_view text, int x, int y, int count, int CharW) {
  return runDraw(c, text, x, y, count, CharW, kBlack);
}

int ExprRenderer::runDraw(Canvas& c, std::string_view text, int x, int y, int count, int cw,
                          Color ink) {
  FontSaver keep(c);
  const FontSpec base = keep.savedFont();
  const int startX = x;
  // Measured on the run's own font, before any size change.
  const int screenH =
      text.find_first_of("R|") != std::string_view::npos ? screenCharH(c) : 0;
  bool power = false;
  int drawn = 0;
  c.moveTo(x, y);
  for (std::size_t i = 0; i < text.size() && (count < 0 || drawn < count); ++drawn) {
    // A row of plain numbers and "+" that cannot be seen is passed over whole: the divisor
    // list of a number can hold a million characters. The last row is drawn, since its end
    // is what the run returns.
    if (count < 0 && !power && (i == 0 || text[i - 1] == '|')) {
      const std::size_t bar = text.find('|', i);
      const std::string_view row = text.substr(i, bar == std::string_view::npos ? 0 : bar - i);
      if (!row.empty() && row.find_first_not_of("0123456789+ ") == std::string_view::npos &&
          !c.rowsVisible(y - screenH, y + 2 * screenH)) {
        if (row.find('+') != std::string_view::npos) {
          powerFlag = false;
          powerLineY = y;
        }
        drawn += static_cast<int>(row.size()) - 1;
        i = bar;
        continue;
      }
    }
    const std::size_t n = utf8CharLength(text, i);
    std::string_view ch = text.substr(i, n);
    i += n;
    const char a = n == 1 ? ch[0] : '\0';
    switch (a) {
      case ' ':
        c.textOut(x, y, " ");
        break;
      case '!': case 'C': case 'P':
        c.setTextColor(kDarkRed);
        c.textOut(x, power ? y - cw / 4 : y, ch);
        break;
      case '*': case '+': case '-': case '/': case ':': case 'm': case 'p': case '=': {
        if (power) {
          power = false;
          c.setFont(base);
        }
        powerFlag = false;
        powerLineY = y;
        TokenInfo t = TokenGlyph(ch);
        c.setTextColor(a == '=' ? kBlue : kRed);
        c.textOut(x, y, t.glyph);
        break;
      }
      case 'R': {
        FontSpec f = c.font();
        c.setFontSize(scaledSize(base.size, 0.7));
        c.setBold(true);
        c.setTextColor(kRed);
        c.textOut(x, y + screenH / 4, "あまり");
        c.setFont(f);
        break;
      }
      case '^':
        power = true;
        powerFlag = true;
        powerLineY = y - cw / 4;
        c.setFontSize(scaledSize(base.size, 0.7));
        continue;
      case 'u':
        c.setTextColor(kBlue);
        c.textOut(x, power ? y - cw / 4 : y, "…");
        break;
      case 'x': case 'y': case 'z': {
        bool wasBold = c.bold();
        c.setBold(true);
        c.setTextColor(kNavy);
        c.textOut(x, power ? y - cw / 4 : y, ch);
        c.setBold(wasBold);
        break;
      }
      case '|':
        x = startX;
        y += static_cast<int>(std::lround(1.5 * screenH));
        c.moveTo(x, y);
        continue;
      default:
        c.setTextColor(power ? kDarkRed : ink);
        c.textOut(x, power ? y - cw / 4 : y, printableText(ch));
        break;
    }
    x = c.penPos().x;
  }
  return x;
}

}  // namespace ravlo
