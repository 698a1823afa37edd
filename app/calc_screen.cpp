#include "app/calc_screen.h"

#include <QPainter>
#include <QWheelEvent>

#include "app/main_display.h"
#include "render/qt/qt_canvas.h"

namespace ravlo {

CalcScreen::CalcScreen(CalcState& state, const CalcSettings& settings, QWidget* parent)
    : QWidget(parent), state_(state), settings_(settings) {
  setObjectName("CalcScreen");
  setAccessibleName(QStringLiteral("計算画面"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContextMenuPolicy(Qt::DefaultContextMenu);
}

void CalcScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.translate(-scrollX, 0);
  QtCanvas c(p);
  setUpCalcCanvas(c, settings_);
  // The background is filled from the picture's left edge to the screen's right one.
  MainPaint(c, state_, width() + scrollX, height(), cursorShown);
  contentRight_ = c.bounds().isNull() ? 0 : c.bounds().right() + 1;
  if (onPainted) onPainted();
}

void CalcScreen::updatePicture(const QRect& r) { update(r.translated(-scrollX, 0)); }

void CalcScreen::wheelEvent(QWheelEvent* event) {
  constexpr int kNotch = 120;
  QPoint angle = event->angleDelta();
  if (event->modifiers().testFlag(Qt::ShiftModifier) && angle.x() == 0) {
    angle = QPoint(angle.y(), 0);
  }
  wheelAngle_ += angle;
  const int down = -wheelAngle_.y() / kNotch;
  const int right = -wheelAngle_.x() / kNotch;
  wheelAngle_ += QPoint(right * kNotch, down * kNotch);
  if ((down != 0 || right != 0) && onWheel) onWheel(down, right);
  event->accept();
}

void CalcScreen::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResize) onResize();
}

bool CalcScreen::focusNextPrevChild(bool) { return false; }

}  // namespace ravlo
