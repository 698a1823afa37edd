// The program's messages on screen: Japanese standard buttons, the status bar, the interrupt
// poll of long work.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStatusBar>
#include <QFontDialog>
#include <QTimer>

#include "app/qt_message_sink.h"
#include "window_fixture.h"

namespace ravlo::test {
namespace {

TEST(QtMessageSink, StandardButtonsSpeakJapanese) {
  QMessageBox box(QMessageBox::NoIcon, "ご確認", "text",
                  QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove('&'), QStringLiteral("OK"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("キャンセル"));
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&').left(2), QStringLiteral("はい"));
  EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&').left(3), QStringLiteral("いいえ"));
}

TEST(QtMessageSink, BoxesShowCaptionAndTextAndReturnTheButton) {
  QtMessageSink sink;
  QString caption;
  QString text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    box->button(QMessageBox::No)->click();
  });
  const BoxAnswer answer = sink.box("ご確認", "保存しますか？", BoxButtons::YesNoCancel,
                                    BoxIcon::Question);
  EXPECT_EQ(answer, BoxAnswer::No);
  EXPECT_EQ(caption, QStringLiteral("ご確認"));
  EXPECT_EQ(text, QStringLiteral("保存しますか？"));

  QTimer::singleShot(0, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  // Closed without a button: the safe way out.
  EXPECT_EQ(sink.box("c", "t", BoxButtons::YesNoCancel, BoxIcon::None), BoxAnswer::Cancel);
}

TEST(QtMessageSink, StatusGoesToTheStatusBar) {
  QStatusBar bar;
  QtMessageSink sink;
  sink.setStatusBar(&bar);
  sink.status("式の長さが256字を超えた!!");
  EXPECT_EQ(bar.currentMessage(), QStringLiteral("式の長さが256字を超えた!!"));
  EXPECT_EQ(sink.statusText(), "式の長さが256字を超えた!!");
  sink.status("");
  EXPECT_TRUE(bar.currentMessage().isEmpty());
}

TEST(QtMessageSink, EscapeOrAClickInterruptsLongWorkAndReachesNoWindow) {
  Window w;
  QtMessageSink sink;
  EXPECT_FALSE(sink.interruptRequested());
  // A digit typed during the work is swallowed, not typed into the line.
  QApplication::postEvent(w.form().screen(),
                          new QKeyEvent(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5"));
  EXPECT_FALSE(sink.interruptRequested());
  EXPECT_EQ(w.state().InpSiki, "");
  QApplication::postEvent(w.form().screen(),
                          new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_TRUE(sink.interruptRequested());
  sink.finishWork();

  EXPECT_FALSE(sink.interruptRequested());
  const QPointF at(5, 5);
  QApplication::postEvent(w.form().screen(),
                          new QMouseEvent(QEvent::MouseButtonPress, at, w.form().screen()->mapToGlobal(at),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  EXPECT_TRUE(sink.interruptRequested());
  sink.finishWork();
  // Afterwards keys reach the window again.
  w.type("5");
  EXPECT_EQ(w.state().InpSiki, "5");
}

TEST(QtMessageSink, RecordingReplacesTheBoxes) {
  RecordingSink rec;
  QStatusBar bar;
  QtMessageSink sink;
  sink.setStatusBar(&bar);
  sink.setRecording(&rec);
  rec.scriptAnswer(BoxAnswer::No);
  EXPECT_EQ(sink.box("ご報告!!", "x", BoxButtons::YesNo, BoxIcon::None), BoxAnswer::No);
  sink.smallMessage("$abc", "お知らせ", 3000);
  sink.status("s");
  ASSERT_EQ(rec.entries().size(), 3u);
  EXPECT_EQ(rec.entries()[1].kind, RecordingSink::Kind::Small);
  EXPECT_EQ(rec.entries()[1].displayMs, 3000);
  EXPECT_EQ(bar.currentMessage(), QStringLiteral("s"));
}

TEST(FontDialog, ApplyPreviewsOkKeepsCancelReturns) {
  Window w;
  const int charH = w.state().CharH;
  w.form().applyCalcFont(QFont(QStringLiteral("IPAGothic"), 28));
  EXPECT_EQ(w.settings().FONTNAME, "IPAGothic");
  EXPECT_EQ(w.settings().FONTSIZE, 28);
  EXPECT_GT(w.state().CharH, charH);

  // Shift+F: the notice, then the dialog; Cancel puts the font back.
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->setCurrentFont(QFont(QStringLiteral("IPAGothic"), 11));
    d->reject();
  });
  w.key(Qt::Key_F, Qt::ShiftModifier);
  EXPECT_EQ(w.settings().FONTSIZE, 28);
  ASSERT_FALSE(w.rec().entries().empty());
  const auto& notice = w.rec().entries().front();
  EXPECT_EQ(notice.kind, RecordingSink::Kind::Small);
  EXPECT_EQ(notice.text, ".......");
  EXPECT_EQ(notice.caption, "準備中!!");
  EXPECT_EQ(notice.displayMs, 50);

  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->setCurrentFont(QFont(QStringLiteral("IPAGothic"), 18));
    d->accept();
  });
  w.form().action("N6")->trigger();
  EXPECT_EQ(w.settings().FONTSIZE, 18);
  EXPECT_EQ(w.settings().FONTNAME, "IPAGothic");
}

TEST(FontDialog, OpensOnTheFaceTheDefaultNameStandsFor) {
  Window w;
  ASSERT_EQ(w.settings().FONTNAME, "ＭＳ ゴシック");
  QString opened;
  QTimer::singleShot(0, [&opened] {
    auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    opened = d->currentFont().family();
    d->reject();
  });
  w.form().action("N6")->trigger();
  EXPECT_EQ(opened, QStringLiteral("IPAGothic"));
  EXPECT_EQ(w.settings().FONTNAME, "ＭＳ ゴシック");
}

}  // namespace
}  // namespace ravlo::test
