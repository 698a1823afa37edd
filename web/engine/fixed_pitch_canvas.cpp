#include "web/engine/fixed_pitch_canvas.h"

#include <cmath>
#include <cstdio>

#include "core/cp932.h"

namespace ravlo {

int pixelSize(int points) {
  return static_cast<int>(std::lround(points * kWebPixelsPerInch / 72.0));
}

std::string webFontFamily(std::string_view family) {
  struct Substitute {
    std::string_view windows, ascii, ipa;
  };
  constexpr Substitute kFaces[] = {{"ＭＳ ゴシック", "MS Gothic", "IPAGothic"},
                                   {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"},
                                   {"ＭＳ 明朝", "MS Mincho", "IPAMincho"}};
  for (const Substitute& s : kFaces)
    if (family == s.windows || family == s.ascii) return std::string(s.ipa);
  return std::string(family);
}

std::string cssColor(Color c) {
  const Rgb rgb = toRgb(c);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.r, rgb.g, rgb.b);
  return text;
}

FixedPitchCanvas::FixedPitchCanvas() = default;

void FixedPitchCanvas::drawText(int x, int y, std::string_view text) {
  if (!fontDrawn_ || !(drawnFont_ == font())) {
    DrawOp f;
    f.kind = DrawOp::Kind::Font;
    f.text = webFontFamily(font().family);
    f.width = pixelSize(font().size);
    f.bold = font().bold;
    f.italic = font().italic;
    f.underline = font().underline;
    ops_.push_back(std::move(f));
    drawnFont_ = font();
    fontDrawn_ = true;
  }
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.x = x;
  op.y = y;
  op.text = std::string(text);
  op.color = cssColor(textColor());
  ops_.push_back(std::move(op));
}

int FixedPitchCanvas::measureWidth(std::string_view text) {
  return static_cast<int>(std::lround(static_cast<double>(displayWidth(text)) *
                                      pixelSize(fontSize()) / 2.0));
}

int FixedPitchCanvas::measureHeight(std::string_view) { return pixelSize(fontSize()); }

void FixedPitchCanvas::drawLine(Point from, Point to) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.x = from.x;
  op.y = from.y;
  op.x2 = to.x;
  op.y2 = to.y;
  op.color = cssColor(penColor());
  op.width = penWidth();
  ops_.push_back(std::move(op));
}

void FixedPitchCanvas::drawFilledRect(int left, int top, int right, int bottom) {
  DrawOp op;
  op.kind = DrawOp::Kind::Rect;
  op.x = left;
  op.y = top;
  op.x2 = right;
  op.y2 = bottom;
  op.color = cssColor(brushColor());
  ops_.push_back(std::move(op));
}

}  // namespace ravlo
