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
  QtCanvas c(p);
  setUpCalcCanvas(c, settings_);
  MainPaint(c, state_, width(), height(), cursorShown);
  if (onPainted) onPainted();
}

void CalcScreen::wheelEvent(QWheelEvent* event) {
  const int dy = event->angleDelta().y();
  if (dy != 0 && onWheel) onWheel(dy > 0 ? -1 : 1);
  event->accept();
}

void CalcScreen::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResize) onResize();
}

bool CalcScreen::focusNextPrevChild(bool) { return false; }

}  // namespace ravlo
