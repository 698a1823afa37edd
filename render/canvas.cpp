#include "render/canvas.h"

namespace ravlo {

void Canvas::changeFont(const FontSpec& f) {
  if (f == font_) return;
  font_ = f;
  fontChanged();
}

void Canvas::setFont(const FontSpec& f) { changeFont(f); }

void Canvas::setFontName(std::string_view family) {
  FontSpec f = font_;
  f.family = std::string(family);
  changeFont(f);
}

void Canvas::setFontSize(int points) {
  FontSpec f = font_;
  f.size = points < 1 ? 1 : points;
  changeFont(f);
}

void Canvas::setBold(bool on) {
  FontSpec f = font_;
  f.bold = on;
  changeFont(f);
}

void Canvas::setUnderline(bool on) {
  FontSpec f = font_;
  f.underline = on;
  changeFont(f);
}

void Canvas::setFixedPitch(bool on) {
  FontSpec f = font_;
  f.fixedPitch = on;
  changeFont(f);
}

void Canvas::setTextColor(Color c) {
  if (c == textColor_) return;
  textColor_ = c;
  colorChanged(ColorRole::Text, c);
}

void Canvas::setPenColor(Color c) {
  if (c == penColor_) return;
  penColor_ = c;
  colorChanged(ColorRole::Pen, c);
}

void Canvas::setPenWidth(int w) {
  if (w < 1) w = 1;
  if (w == penWidth_) return;
  penWidth_ = w;
  colorChanged(ColorRole::PenWidth, static_cast<std::uint32_t>(w));
}

void Canvas::setBrushColor(Color c) {
  if (c == brushColor_) return;
  brushColor_ = c;
  colorChanged(ColorRole::Brush, c);
}

void Canvas::textOut(int x, int y, std::string_view text) {
  if (!text.empty()) drawText(x, y, text);
  pen_ = {x + (text.empty() ? 0 : measureWidth(text)), y};
}

int Canvas::textWidth(std::string_view text) { return text.empty() ? 0 : measureWidth(text); }

int Canvas::textHeight(std::string_view text) { return measureHeight(text); }

void Canvas::lineTo(int x, int y) {
  Point to{x, y};
  drawLine(pen_, to);
  pen_ = to;
}

void Canvas::fillRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  drawFilledRect(left, top, right, bottom);
}

}  // namespace ravlo
