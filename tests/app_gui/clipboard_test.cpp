// Ctrl+C and 式と答をコピー: the computed line on the system clipboard, as text in ordinary
// notation and as a picture of the built-up line.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "window_fixture.h"

namespace ravlo::test {
namespace {

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

// The picture holds a fraction bar in the screen's pen colour and is taller than a line.
void expectBuiltUpPicture(const QMimeData& data, int charH) {
  const QImage image = qvariant_cast<QImage>(data.imageData());
  ASSERT_FALSE(image.isNull());
  EXPECT_GT(image.height(), 2 * charH);
  QImage png;
  ASSERT_TRUE(png.loadFromData(data.data(QStringLiteral("image/png")), "PNG"));
  EXPECT_EQ(png.size(), image.size());
  bool bar = false;
  for (int y = 0; y < image.height() && !bar; ++y) {
    for (int x = 0; x < image.width() && !bar; ++x) bar = image.pixelColor(x, y) == QColor(0, 128, 128);
  }
  EXPECT_TRUE(bar);
}

TEST(Clipboard, CtrlCKeepsTheAnswerAndCopiesTheLine) {
  Window w;
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  w.type("3b2+1");
  w.key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboardText(), QStringLiteral("before"));  // nothing computed yet
  w.type("=");
  w.key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(w.state().answers.KeptAnswer, "1k3b2");
  EXPECT_EQ(w.status(), "CopyAnswer:: < 1k3b2 >を保存しました。");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QStringLiteral("2/3+1=1 2/3"));
  expectBuiltUpPicture(*data, w.state().CharH);
}

TEST(Clipboard, TheMenuItemCopiesASolvedEquation) {
  Window w;
  QAction* copy = w.form().action("CopyLine");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->text(), QStringLiteral("式と答をコピー"));
  w.type("2*x+3=7");
  w.key(Qt::Key_Q, Qt::ControlModifier);
  copy->trigger();
  EXPECT_EQ(w.state().answers.KeptAnswer, "2");
  EXPECT_EQ(clipboardText(), QStringLiteral("2×x+3=7 → x=2"));
}

}  // namespace
}  // namespace ravlo::test
