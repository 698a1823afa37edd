// The small message window: what a message text shows, the window's size, its drawing, and
// how it closes (by itself, on a click, on Escape, at once after a refused expression).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/splash_markup.h"
#include "app/splash_msg_form.h"
#include "core/message_sink.h"
#include "render/qt/qt_canvas.h"
#include "render/recording_canvas.h"

namespace ravlo::test {
namespace {

using Kind = SplashSegment::Kind;

struct ParseRow {
  const char* text;
  std::vector<SplashSegment> markup;
  int rows;
  int columns;
};

class SplashParse : public ::testing::TestWithParam<ParseRow> {};

TEST_P(SplashParse, MarkupRowsAndColumns) {
  const ParseRow& r = GetParam();
  RecordingSink sink;
  const SplashLayout layout = SplMsgParse(r.text, SplashLayout{}, sink);
  EXPECT_EQ(layout.markup, r.markup) << r.text;
  EXPECT_EQ(layout.rows, r.rows) << r.text;
  EXPECT_EQ(layout.columns, r.columns) << r.text;
  EXPECT_FALSE(layout.closeAtOnce) << r.text;
  EXPECT_TRUE(sink.boxes().empty()) << r.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplashParse,
    ::testing::Values(
        ParseRow{"$abc|defgh",
                 {{Kind::Text, "abc"}, {Kind::Break, ""}, {Kind::Text, "defgh"}},
                 4,
                 5 - 8},
        ParseRow{"$ one line ", {{Kind::Text, "one line"}}, 2, 8 - 8},
        ParseRow{"$a | bb |ccc|",
                 {{Kind::Text, "a"},
                  {Kind::Break, ""},
                  {Kind::Text, "bb"},
                  {Kind::Break, ""},
                  {Kind::Text, "ccc"},
                  {Kind::Break, ""},
                  {Kind::Text, ""}},
                 8,
                 3 - 8},
        // Full-width characters count two cells, as the code page counts bytes.
        ParseRow{"$保存した答|1k3b2", {{Kind::Text, "保存した答"}, {Kind::Break, ""},
                                      {Kind::Text, "1k3b2"}}, 4, 10 - 8},
        // "~" is the old markup's separator; here it is just a character.
        ParseRow{"$a~b]~|~c", {{Kind::Text, "a~b]~"}, {Kind::Break, ""}, {Kind::Text, "~c"}},
                 4, 5 - 8},
        ParseRow{"@3b2+1", {{Kind::Expression, "3b2+1"}}, 5, 5},
        ParseRow{"@ 3b2+1 #memo",
                 {{Kind::Text, "【memo】"}, {Kind::Break, ""}, {Kind::Expression, "3b2+1"}},
                 5,
                 8},
        // Only the "#" marks go; what follows them stays as written.
        ParseRow{"@2#### 答え ", {{Kind::Text, "【 答え】"}, {Kind::Break, ""},
                                  {Kind::Expression, "2"}}, 5, 5 + 4},
        ParseRow{"@1k3b2=5b3&5b3", {{Kind::Expression, "1k3b2=5b3&5b3"}}, 5, 9 + 10}));

TEST(SplashParse, OtherTextsKeepTheSizeAndShowNoBody) {
  RecordingSink sink;
  SplashLayout previous;
  previous.rows = 7;
  previous.columns = 12;
  for (const char* text : {"", ".......", "plain"}) {
    const SplashLayout layout = SplMsgParse(text, previous, sink);
    EXPECT_TRUE(layout.markup.empty()) << text;
    EXPECT_EQ(layout.rows, 7) << text;
    EXPECT_EQ(layout.columns, 12) << text;
  }
}

TEST(SplashParse, ARefusedExpressionIsReportedAndClosesTheWindow) {
  RecordingSink sink;
  const SplashLayout layout = SplMsgParse("@3++", SplashLayout{}, sink);
  EXPECT_TRUE(layout.closeAtOnce);
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "ｴﾗｰの報告");
  EXPECT_NE(sink.boxes()[0].text.find("3++"), std::string::npos);
}

TEST(SplashSize, GrowsWithTheTextAndHasAFloor) {
  SplashLayout small;
  small.rows = 4;
  small.columns = -3;
  EXPECT_EQ(splashWindowSize(small, 10, 20).width, 100);
  EXPECT_EQ(splashWindowSize(small, 10, 20).height, 160);
  EXPECT_EQ(splashWindowSize(small, 5, 9).height, 80);
  SplashLayout wide;
  wide.rows = 5;
  wide.columns = 30;
  EXPECT_EQ(splashWindowSize(wide, 10, 20).width, 380);
  EXPECT_EQ(splashWindowSize(wide, 10, 20).height, 180);
  SplashLayout huge;
  huge.rows = 2000000000;
  huge.columns = 2000000000;
  const SplashSize s = splashWindowSize(huge, 1000, 1000);
  EXPECT_GT(s.width, 0);
  EXPECT_GT(s.height, 0);
}

TEST(SplashDraw, LinesStandTwoAndAHalfLinesApart) {
  RecordingSink sink;
  RecordingCanvas c;
  ExprRenderer r;
  const SplashLayout layout = SplMsgParse("$abc|defgh|ij", SplashLayout{}, sink);
  SplMsgDraw(c, r, layout, 10, 20);
  const auto abc = c.findText("abc");
  const auto defgh = c.findText("defgh");
  const auto ij = c.findText("ij");
  ASSERT_TRUE(abc && defgh && ij) << c.dump();
  EXPECT_EQ(abc->x, 20);
  EXPECT_EQ(abc->y, 30);
  EXPECT_EQ(defgh->x, 20);
  EXPECT_EQ(defgh->y, 30 + 50);
  EXPECT_EQ(ij->y, 30 + 100);
}

TEST(SplashDraw, CommentAboveTheBuiltUpExpression) {
  RecordingSink sink;
  RecordingCanvas c;
  ExprRenderer r;
  const SplashLayout layout = SplMsgParse("@3b2+1 #memo", SplashLayout{}, sink);
  SplMsgDraw(c, r, layout, 10, 20);
  const auto memo = c.findText("【memo】");
  ASSERT_TRUE(memo) << c.dump();
  EXPECT_EQ(memo->y, 30);
  const auto plus = c.findText("＋");
  ASSERT_TRUE(plus) << c.dump();
  EXPECT_EQ(plus->y, 30 + 50);
  // Two thirds: numerator over a bar over the denominator.
  EXPECT_FALSE(c.horizontalLines().empty());
  const auto two = c.findText("2");
  const auto three = c.findText("3");
  ASSERT_TRUE(two && three);
  EXPECT_LT(two->y, three->y);
}

// ---- the window ----

struct Owner {
  QWidget widget;
  Owner() {
    widget.setGeometry(100, 90, 300, 200);
    widget.show();
  }
};

TEST(SplashWindow, SizeAndPlaceFollowTheText) {
  Owner owner;
  RecordingSink sink;
  SplashMsgForm form("$abc|defgh", "お知らせ", 1000, &owner.widget, "ＭＳ ゴシック", sink);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("お知らせ"));
  EXPECT_GE(form.width(), 100);
  EXPECT_GE(form.height(), 80);
  EXPECT_EQ(form.height(), std::max(form.charH() * 8, 80));
  EXPECT_EQ(form.pos(), owner.widget.frameGeometry().topLeft() + QPoint(160, 160));
  EXPECT_GT(form.charW(), 3);
  EXPECT_GT(form.charH(), form.charW());
}

TEST(SplashWindow, HoldsItsWholeTextAndCaption) {
  Owner owner;
  RecordingSink sink;
  SplashMsgForm notice("$ 19ケタ以上は入力不可！", "警告！", 1500, &owner.widget, "ＭＳ ゴシック", sink);
  const QFontMetrics fm(toQFont(FontSpec{"ＭＳ ゴシック", 13, false, false, true}), &notice);
  EXPECT_GE(notice.width(), 20 + fm.horizontalAdvance(QStringLiteral("19ケタ以上は入力不可！")));
  SplashMsgForm kept("@1k3b2", "一時保存の答", 3000, &owner.widget, "ＭＳ ゴシック", sink);
  // Room for the caption beside the title bar's buttons.
  EXPECT_GE(kept.width(), kept.fontMetrics().horizontalAdvance(QStringLiteral("一時保存の答")) + 60);
}

qint64 shownFor(std::string_view text, int displayMs, const std::function<void()>& meanwhile,
                RecordingSink& sink) {
  Owner owner;
  QElapsedTimer clock;
  // A window that fails to close still ends the test.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  guard.start(5000);
  if (meanwhile) QTimer::singleShot(100, meanwhile);
  clock.start();
  SplMsgShow(text, "お知らせ", displayMs, &owner.widget, "ＭＳ ゴシック", sink);
  return clock.elapsed();
}

TEST(SplashWindow, AShortMessageClosesByItself) {
  RecordingSink sink;
  const qint64 ms = shownFor("$......", 20, {}, sink);
  EXPECT_GE(ms, 20);
  EXPECT_LT(ms, 4000);
}

TEST(SplashWindow, AClickClosesItAtOnce) {
  RecordingSink sink;
  const qint64 ms = shownFor("$a long notice", 60000, [] {
    QWidget* w = QApplication::activeModalWidget();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  }, sink);
  EXPECT_LT(ms, 4000);
}

TEST(SplashWindow, EscapeClosesItAtOnce) {
  RecordingSink sink;
  const qint64 ms = shownFor("@3b2+1", 60000, [] {
    QWidget* w = QApplication::activeModalWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, Qt::Key_Escape);
  }, sink);
  EXPECT_LT(ms, 4000);
}

TEST(SplashWindow, ARefusedExpressionClosesTheWindowAtOnce) {
  RecordingSink sink;
  const qint64 ms = shownFor("@3++", 60000, {}, sink);
  EXPECT_LT(ms, 4000);
  EXPECT_EQ(sink.boxes().size(), 1u);
}

}  // namespace
}  // namespace ravlo::test
