#include "render/qt/qt_canvas.h"

#include <QFontMetricsF>
#include <QPen>
#include <QString>
#include <cmath>

namespace ravlo {

QColor toQColor(Color c) {
  Rgb rgb = toRgb(c);
  return QColor(rgb.r, rgb.g, rgb.b);
}

QFont toQFont(const FontSpec& f) {
  QFont q(QString::fromUtf8(f.family.data(), static_cast<qsizetype>(f.family.size())));
  q.setPointSize(f.size < 1 ? 1 : f.size);
  q.setBold(f.bold);
  q.setItalic(f.italic);
  q.setUnderline(f.underline);
  q.setFixedPitch(f.fixedPitch);
  // Widths are added up character by character, so the face must not squeeze pairs.
  q.setKerning(false);
  return q;
}

namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : p_(painter) { fontChanged(); }

void QtCanvas::fontChanged() { qfont_ = toQFont(font()); }

void QtCanvas::drawText(int x, int y, std::string_view text) {
  QString s = toQString(text);
  QFontMetricsF fm(qfont_, p_.device());
  p_.setFont(qfont_);
  p_.setPen(toQColor(textColor()));
  p_.drawText(QPointF(x, y + fm.ascent()), s);
  bounds_ |= QRect(x, y, static_cast<int>(std::ceil(fm.horizontalAdvance(s))),
                   static_cast<int>(std::ceil(fm.height())));
}

int QtCanvas::measureWidth(std::string_view text) {
  QFontMetricsF fm(qfont_, p_.device());
  return static_cast<int>(std::lround(fm.horizontalAdvance(toQString(text))));
}

int QtCanvas::measureHeight(std::string_view) {
  QFontMetricsF fm(qfont_, p_.device());
  return static_cast<int>(std::lround(fm.height()));
}

void QtCanvas::drawLine(Point from, Point to) {
  QPen pen(toQColor(penColor()));
  pen.setWidth(penWidth());
  pen.setCapStyle(Qt::FlatCap);
  p_.setPen(pen);
  p_.drawLine(from.x, from.y, to.x, to.y);
  int w = penWidth();
  QRect r = QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)).normalized();
  bounds_ |= r.adjusted(-w, -w, w, w);
}

void QtCanvas::drawFilledRect(int left, int top, int right, int bottom) {
  p_.fillRect(QRect(left, top, right - left, bottom - top), toQColor(brushColor()));
}

}  // namespace ravlo
