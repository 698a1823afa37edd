// The QPainter canvas on an image, a widget and a PDF printer; this file also holds the binary's main,
// which needs a GUI application for fonts.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdlib>

#include "render/colors.h"
#include "render/expr_renderer.h"
#include "render/qt/font_setup.h"
#include "render/qt/qt_canvas.h"

namespace ravlo::test {

namespace {

int countPixels(const QImage& img, QRect area, QColor color) {
  int n = 0;
  area = area.intersected(img.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (img.pixelColor(x, y) == color) ++n;
  return n;
}

bool nearlyRed(QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }

}  // namespace

TEST(QtCanvas, WindowsFontNamesMapToIpaFaces) {
  QFont f = toQFont(FontSpec{"ＭＳ ゴシック", 14, false, false, true});
  EXPECT_EQ(QFontInfo(f).family(), "IPAGothic");
  EXPECT_EQ(QFontInfo(toQFont(FontSpec{"ＭＳ 明朝", 14})).family(), "IPAMincho");
  EXPECT_EQ(QFontInfo(toQFont(FontSpec{"MS PGothic", 14})).family(), "IPAPGothic");
}

TEST(QtCanvas, MeasuresAFixedPitchFace) {
  QImage img(200, 100, QImage::Format_RGB32);
  QPainter p(&img);
  QtCanvas c(p);
  c.setFont(FontSpec{"ＭＳ ゴシック", 14, false, false, true});
  int digit = c.textWidth("1234567890") / 10;
  EXPECT_GT(digit, 5);
  EXPECT_NEAR(c.textWidth("＋"), 2 * c.textWidth("1"), 1);
  EXPECT_GT(c.textHeight("1234567890"), digit);
  c.textOut(3, 4, "12");
  EXPECT_EQ(c.penPos().y, 4);
  EXPECT_EQ(c.penPos().x, 3 + c.textWidth("12"));
}

TEST(QtCanvas, DrawsAFractionIntoAnImage) {
  QImage img(300, 200, QImage::Format_RGB32);
  img.fill(Qt::white);
  QRect bounds;
  int cw = 0, ch = 0;
  {
    QPainter p(&img);
    QtCanvas c(p);
    c.setFont(FontSpec{"ＭＳ ゴシック", 20, false, false, true});
    c.setPenColor(0x808000);
    c.setPenWidth(2);
    cw = c.textWidth("1234567890") / 10;
    ch = c.textHeight("1234567890");
    ExprRenderer r;
    r.SikiDraw(c, "3b2+1", 20, 80, cw, ch);
    bounds = c.bounds();
  }
  // The bar: a teal row under the numerator at the bar line.
  QColor teal(0x00, 0x80, 0x80);
  EXPECT_GE(countPixels(img, QRect(20, 80 + ch / 2 - 1, cw, 3), teal), cw - 2);
  // Numerator above the bar and denominator below it have ink.
  EXPECT_GT(countPixels(img, QRect(20, 80 - ch / 2 - 3, cw, ch), Qt::white), 0);
  int dark = 0;
  for (int y = 80 + ch / 2 + 3; y < 80 + ch + ch / 2 + 3; ++y)
    for (int x = 20; x < 20 + cw; ++x)
      if (img.pixelColor(x, y).lightness() < 128) ++dark;
  EXPECT_GT(dark, 5);
  // The plus sign is red.
  int red = 0;
  for (int y = 80; y < 80 + ch; ++y)
    for (int x = 20 + cw; x < 20 + 3 * cw; ++x)
      if (nearlyRed(img.pixelColor(x, y))) ++red;
  EXPECT_GT(red, 5);
  EXPECT_TRUE(bounds.contains(QPoint(20, 80)));
  EXPECT_LE(bounds.top(), 80 - ch / 2 - 3);
}

TEST(QtCanvas, DrawsOnAPdfPrinter) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString path = dir.filePath("line.pdf");
  int cw = 0;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter p(&printer);
    QtCanvas c(p);
    c.setFont(FontSpec{"ＭＳ ゴシック", 14, false, false, true});
    c.setPenWidth(3);
    cw = c.textWidth("1234567890") / 10;
    ExprRenderer r;
    r.LineDraw(c, "3b2+1=1k3b2&1k3b2", 2 * cw, 4 * cw, cw, c.textHeight("1234567890"), 1, 0);
  }
  EXPECT_GT(cw, 40);  // 14 points at 1200 dpi
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));
  EXPECT_GT(f.size(), 1000);
}

namespace {

// A window that paints a line the way the calculation screen does.
class LineWidget final : public QWidget {
 public:
  explicit LineWidget(std::string text) : text_(std::move(text)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QtCanvas c(p);
    c.setBrushColor(0xC0DCC0);
    c.fillRect(0, 0, width(), height());
    c.setFont(FontSpec{"ＭＳ ゴシック", 16, false, false, true});
    c.setPenColor(0x808000);
    c.setPenWidth(2);
    const int cw = c.textWidth("1234567890") / 10;
    const int ch = c.textHeight("1234567890");
    ExprRenderer r;
    r.LineDraw(c, text_, 2 * ch, 3 * ch / 2, cw, ch, 1, 0);
  }

 private:
  std::string text_;
};

}  // namespace

TEST(QtCanvas, PaintsAWidget) {
  LineWidget w("3b2+1");
  w.resize(240, 120);
  QImage img = w.grab().toImage();
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.pixelColor(1, 1), QColor(0xC0, 0xDC, 0xC0));
  int red = 0, teal = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      QColor c = img.pixelColor(x, y);
      if (nearlyRed(c)) ++red;
      if (c == QColor(0x00, 0x80, 0x80)) ++teal;
    }
  EXPECT_GT(red, 5);
  EXPECT_GT(teal, 5);
}

}  // namespace ravlo::test

int main(int argc, char** argv) {
  // Test discovery runs this binary without the test environment: never need a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ravlo::setupFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
