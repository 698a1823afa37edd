#pragma once
// The font dialog of the notebook and of its title: every choice is tried on the page at
// once, and an Apply button keeps it; Cancel goes back to what was last applied.
#include <QColor>
#include <QFont>
#include <QPointer>
#include <functional>

#include "render/canvas.h"

class QFontDialog;
class QWidget;

namespace ravlo {

struct NoteFontChoice {
  FontSpec font;
  Color color = 0;
  bool accepted = false;  // OK rather than Cancel
};

// The canvas font a Qt font stands for (point size from the pixel size when it has none).
FontSpec fontSpecOf(const QFont& f, const QWidget* on);

class NoteFontDialog {
 public:
  // withColor: a colour button besides (the title has a colour of its own).
  NoteFontDialog(QWidget* parent, bool withColor);

  void setObjectName(const QString& name) { name_ = name; }
  // Each choice while the dialog is open, and the Apply button.
  std::function<void(const FontSpec&, Color)> onTry;
  std::function<void(const FontSpec&, Color)> onApply;

  // Shows the dialog modally. The result is the font on OK; after Cancel, the last one
  // applied, or the start when nothing was.
  NoteFontChoice run(const FontSpec& start, Color startColor);

 private:
  QPointer<QWidget> parent_;
  bool withColor_ = false;
  QString name_;
};

}  // namespace ravlo
