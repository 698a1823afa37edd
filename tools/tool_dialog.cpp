#include "tools/tool_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "render/qt/qt_canvas.h"
#include "tools/model/tool_keys.h"

namespace ravlo {
QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool isAltKey(const QKeyEvent& event, Qt::Key key) {
  return event.key() == key && (event.modifiers() & Qt::AltModifier) &&
         !(event.modifiers() & Qt::ControlModifier);
}

int toolKeyCode(const QKeyEvent& event) {
  const int k = event.key();
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return vk::A + (k - Qt::Key_A);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) {
    const int digit = k - Qt::Key_0;
    return (event.modifiers() & Qt::KeypadModifier) ? vk::Numpad0 + digit : vk::Digit0 + digit;
  }
  switch (k) {
    case Qt::Key_yen:
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return vk::Yen;
    case Qt::Key_Underscore: return kUnderscoreKey;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Enter;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_PageUp: return vk::PageUp;
    case Qt::Key_PageDown: return vk::PageDown;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_End: return vk::End;
    case Qt::Key_F7: return vk::F7;
    case Qt::Key_F8: return vk::F8;
    case Qt::Key_Slash: return vk::Slash;
    default: return 0;
  }
}

KeyMods toolKeyMods(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
          m.testFlag(Qt::AltModifier)};
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
  moveOnScreen(QPoint(main.x() + main.width() - width() - rightGap, main.y() + topGap),
               mainWindow);
}

void ToolDialog::moveOnScreen(QPoint at, QWidget* reference) {
  QScreen* s = reference ? reference->screen() : screen();
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

bool ToolDialog::event(QEvent* event) {
  // A key the dialog takes with no control focused comes to the dialog itself: claimed here,
  // it is not taken for a button's mnemonic first.
  if (event->type() == QEvent::ShortcutOverride && keyAction(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QDialog::event(event);
}

void ToolDialog::keyPressEvent(QKeyEvent* event) {
  if (std::function<void()> action = keyAction(*event)) {
    action();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ravlo
