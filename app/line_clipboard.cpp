#include "app/line_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

#include "app/main_display.h"
#include "app/model/ordinary_notation.h"
#include "render/qt/qt_canvas.h"

namespace ravlo {
namespace {

constexpr int kMaxSide = 8000;  // a picture no document would take is not made

struct LineDrawing {
  std::string_view line;
  std::span<const InkSpan> inks;
  const CalcSettings& settings;

  // Draws at (0, 0); returns what was drawn.
  QRect draw(QPainter& p) const {
    QtCanvas c(p);
    setUpCalcCanvas(c, settings);
    ExprRenderer r;
    r.EQUAL_KAIGYO = settings.EQUAL_KAIGYO;
    r.GyoKeisuu = settings.GYOKEISUU;
    const int cw = c.textWidth("1234567890") / 10;
    const int ch = c.textHeight("1234567890");
    r.ScreenCharH = ch;
    r.inkSpans.assign(inks.begin(), inks.end());
    r.LineDraw(c, line, 0, 0, cw, ch, 1, 0);
    return c.bounds();
  }
};

}  // namespace

QImage lineImage(std::string_view line, std::span<const InkSpan> inks,
                 const CalcSettings& settings) {
  if (line.empty()) return {};
  const LineDrawing drawing{line, inks, settings};
  QImage probe(1, 1, QImage::Format_ARGB32);
  QRect bounds;
  {
    QPainter p(&probe);
    bounds = drawing.draw(p);
  }
  if (bounds.isEmpty()) return {};
  const int margin = 8;
  QImage image(std::min(bounds.width() + 2 * margin, kMaxSide),
               std::min(bounds.height() + 2 * margin, kMaxSide), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.translate(margin - bounds.left(), margin - bounds.top());
  drawing.draw(p);
  return image;
}

bool copyLineToClipboard(std::string_view line, std::span<const InkSpan> inks,
                         const CalcSettings& settings) {
  if (line.empty()) return false;
  auto* data = new QMimeData;
  const std::string text = OrdinaryNotation(line);
  data->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  const QImage image = lineImage(line, inks, settings);
  if (!image.isNull()) {
    data->setImageData(image);
    // Word processors ask for PNG by name.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
  }
  QGuiApplication::clipboard()->setMimeData(data);
  return true;
}

}  // namespace ravlo
