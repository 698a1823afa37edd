#pragma once
// The common ground of the tool dialogs: a fixed client area in one colour and font, a place
// taken from the main window, and a key preview that sees every key before the control with
// the focus does.
#include <QDialog>
#include <functional>
#include <string_view>

#include "app/model/key_table.h"
#include "render/canvas.h"

class QKeyEvent;

namespace ravlo {

QString toQString(std::string_view s);

class ToolDialog : public QDialog {
  Q_OBJECT

 public:
  ToolDialog(QWidget* parent, std::string_view caption, int width, int height, Color background);

 protected:
  // Left = the main window's right edge - own width - rightGap, top = its top + topGap; kept
  // on the screen.
  void placeBy(QWidget* mainWindow, int rightGap, int topGap);
  // Moves the top-left corner to `at`, kept on the screen of `reference`.
  void moveOnScreen(QPoint at, QWidget* reference);
  // Installs the preview on every control made so far.
  void previewKeys();
  // What the dialog does itself with a key, before the control with the focus; empty for
  // keys it leaves to the control.
  virtual std::function<void()> keyAction(const QKeyEvent& event) = 0;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// Alt and one letter, whatever else is held.
bool isAltKey(const QKeyEvent& event, Qt::Key key);

// The virtual-key code of the key table for the keys the tool windows take themselves (the
// yen key, "_", Enter, the arrows and page keys, F7, F8, letters, digits, "/"); 0 for others.
int toolKeyCode(const QKeyEvent& event);
KeyMods toolKeyMods(const QKeyEvent& event);

}  // namespace ravlo
