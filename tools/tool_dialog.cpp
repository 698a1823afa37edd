#include "tools/tool_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "render/qt/qt_canvas.h"

namespace ravlo {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool isAltKey(const QKeyEvent& event, Qt::Key key) {
  return event.key() == key && (event.modifiers() & Qt::AltModifier) &&
         !(event.modifiers() & Qt::ControlModifier);
}

ToolDialog::ToolDialog(QWidget* parent, std::string_view caption, int width, int height,
                       Color background)
    : QDialog(parent) {
  setWindowTitle(toQString(caption));
  setAccessibleName(toQString(caption));
  setFixedSize(width, height);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, toQColor(background));
  setPalette(pal);
  QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
  f.setPixelSize(12);
  setFont(f);
}

void ToolDialog::placeBy(QWidget* mainWindow, int rightGap, int topGap) {
  if (!mainWindow) return;
  const QRect main = mainWindow->frameGeometry();
  QPoint at(main.x() + main.width() - width() - rightGap, main.y() + topGap);
  QScreen* s = mainWindow->screen();
  if (s) {
    const QRect avail = s->availableGeometry();
    at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() + 1 - width())));
    at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - height())));
  }
  move(at);
}

void ToolDialog::previewKeys() {
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

bool ToolDialog::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (std::function<void()> action = keyAction(*key)) {
      // Claimed at the override, the key comes back as a key press rather than starting a
      // mnemonic or a control's own shortcut.
      event->accept();
      if (type == QEvent::KeyPress) action();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ToolDialog::keyPressEvent(QKeyEvent* event) {
  if (std::function<void()> action = keyAction(*event)) {
    action();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ravlo
