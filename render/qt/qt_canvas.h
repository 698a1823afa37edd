#pragma once
// The canvas on a QPainter: one adapter for widgets, images, printers and PDF writers.
#include <QFont>
#include <QPainter>
#include <QRect>

#include "render/canvas.h"

namespace ravlo {

QColor toQColor(Color c);

// The Qt font for a canvas font (family name as given; setupFontSubstitutions() maps the
// Windows names).
QFont toQFont(const FontSpec& f);

class QtCanvas final : public Canvas {
 public:
  // The painter must be active; measurements use its device's resolution.
  explicit QtCanvas(QPainter& painter);

  // The union of everything drawn so far, in device pixels (lines include their width).
  QRect bounds() const { return bounds_; }
  void resetBounds() { bounds_ = QRect(); }

 protected:
  void drawText(int x, int y, std::string_view text) override;
  int measureWidth(std::string_view text) override;
  int measureHeight(std::string_view text) override;
  void drawLine(Point from, Point to) override;
  void drawFilledRect(int left, int top, int right, int bottom) override;
  void fontChanged() override;

 private:
  QPainter& p_;
  QFont qfont_;
  QRect bounds_;
};

}  // namespace ravlo
