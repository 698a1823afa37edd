#include "app/splash_msg_form.h"

#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "render/qt/qt_canvas.h"

namespace ravlo {
namespace {

constexpr int kFirstTick = 10;
constexpr int kRefusedTick = 1;
constexpr int kOffset = 160;  // from the owner's top-left corner
constexpr Color kBackground = 0xC0DCC0;
constexpr int kTitleButtons = 100;  // room a window manager takes for its title-bar buttons

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

FontSpec splashFont(const std::string& name) {
  return FontSpec{name, kSplashFontSize, false, false, true};
}

QString describe(const SplashLayout& layout) {
  QStringList parts;
  for (const SplashSegment& s : layout.markup) {
    if (s.kind != SplashSegment::Kind::Break) parts << toQString(s.text);
  }
  return parts.join('\n');
}

}  // namespace

SplashMsgForm::SplashMsgForm(std::string_view text, std::string_view caption, int displayMs,
                             QWidget* owner, std::string_view fontName, MessageSink& checkSink)
    : QDialog(owner), fontName_(fontName), displayMs_(std::max(displayMs, 0)) {
  setWindowTitle(toQString(caption));
  setAccessibleName(toQString(caption));
  setObjectName("SplshMsgForm");
  setModal(true);
  renderer_.EQUAL_KAIGYO = false;  // the answer stays beside the question here

  layout_ = SplMsgParse(text, SplashLayout{}, checkSink);
  setAccessibleDescription(describe(layout_));

  const QFontMetricsF fm(toQFont(splashFont(fontName_)), this);
  charW_ = static_cast<int>(std::lround(fm.horizontalAdvance(QStringLiteral("1234567890")))) / 10;
  charH_ = static_cast<int>(std::lround(fm.height()));
  renderer_.ScreenCharH = charH_;

  const SplashSize size = splashWindowSize(layout_, charW_, charH_);
  const QSize fits = sizeForContent(caption);
  setFixedSize(std::max(size.width, fits.width()), std::max(size.height, fits.height()));
  if (owner) {
    move(owner->frameGeometry().topLeft() + QPoint(kOffset, kOffset));
  }

  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &SplashMsgForm::onTimer);
  timer_.start(layout_.closeAtOnce ? kRefusedTick : kFirstTick);
}

QSize SplashMsgForm::sizeForContent(std::string_view caption) {
  // The cell count the layout gives leaves no room for the margins or for wide characters:
  // draw once where nobody sees it and take what the drawing needs.
  QImage probe(1, 1, QImage::Format_ARGB32);
  constexpr double kInchesPerMeter = 39.37;
  probe.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() * kInchesPerMeter)));
  probe.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() * kInchesPerMeter)));
  QRect drawn;
  {
    QPainter p(&probe);
    QtCanvas c(p);
    c.setFont(splashFont(fontName_));
    c.setPenWidth(2);
    renderer_.lineCount = 0;
    SplMsgDraw(c, renderer_, layout_, charW_, charH_);
    drawn = c.bounds();
  }
  QSize fits;
  if (!drawn.isNull()) {
    fits = QSize(drawn.right() + 1 + kSplashStartX, drawn.bottom() + 1 + kSplashStartX);
  }
  // The title bar shows the caption beside the window manager's buttons.
  const int title = fontMetrics().horizontalAdvance(toQString(caption)) * 5 / 4 + kTitleButtons;
  return fits.expandedTo(QSize(title, 0)).boundedTo(QSize(kSplashMaxSide, kSplashMaxSide));
}

void SplashMsgForm::onTimer() {
  ++firings_;
  if (layout_.closeAtOnce || firings_ >= 2) {
    accept();
    return;
  }
  timer_.start(displayMs_);
}

void SplashMsgForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QtCanvas c(p);
  c.setBrushColor(kBackground);
  c.fillRect(0, 0, width(), height());
  c.setFont(splashFont(fontName_));
  c.setPenColor(kSplashPenColor);
  c.setPenWidth(2);
  c.setTextColor(0x000000);
  renderer_.lineCount = 0;
  SplMsgDraw(c, renderer_, layout_, charW_, charH_);
}

void SplashMsgForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SplashMsgForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    accept();
    return;
  }
  QDialog::mousePressEvent(event);
}

void SplMsgShow(std::string_view text, std::string_view caption, int displayMs, QWidget* owner,
                std::string_view fontName, MessageSink& checkSink) {
  SplashMsgForm form(text, caption, displayMs, owner, fontName, checkSink);
  form.exec();
}

}  // namespace ravlo
