#include "app/panel_under_modals.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>
#include <algorithm>

namespace ravlo {

PanelUnderModals::PanelUnderModals(QWidget* panel) : QObject(panel), panel_(panel) {
  qApp->installEventFilter(this);
}

PanelUnderModals::~PanelUnderModals() { qApp->removeEventFilter(this); }

bool PanelUnderModals::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::Show && type != QEvent::Hide) return false;
  if (!watched->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(watched);
  if (w == panel_ || !w->isWindow()) return false;
  const auto known = std::find(modals_.begin(), modals_.end(), w);
  if (type == QEvent::Show && w->isModal()) {
    if (known == modals_.end()) modals_.emplace_back(w);
  } else if (type == QEvent::Hide && known != modals_.end()) {
    modals_.erase(known);
  }
  update();
  return false;
}

void PanelUnderModals::update() {
  std::erase_if(modals_, [](const QPointer<QWidget>& m) { return m.isNull(); });
  const bool lower = !modals_.empty();
  if (lower == lowered_ || !panel_) return;
  lowered_ = lower;
  // The native window only: the widget keeps its own flags, so that it comes back as it was.
  if (QWindow* native = panel_->windowHandle()) {
    Qt::WindowFlags flags = panel_->windowFlags();
    if (lower) flags &= ~Qt::WindowStaysOnTopHint;
    native->setFlags(flags);
  }
}

}  // namespace ravlo
