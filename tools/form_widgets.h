#pragma once
// Controls of the tool dialogs made from their form descriptions, placed at fixed pixels as
// the forms have them. Each reports a change made by the user (or by the program through the
// control) with its new value.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QSlider>
#include <QSpinBox>
#include <functional>
#include <string_view>

#include "tools/model/control_spec.h"

namespace ravlo {

using ValueChanged = std::function<void(int)>;

QLabel* makeLabel(QWidget* parent, std::string_view text, const QRect& at);
QGroupBox* makeGroup(QWidget* parent, std::string_view objectName, std::string_view caption,
                     const QRect& at);
QCheckBox* makeCheckBox(QWidget* parent, const ControlSpec& spec, const QRect& at,
                        ValueChanged changed);
// A track bar with ticks at every position.
QSlider* makeTrackBar(QWidget* parent, const ControlSpec& spec, std::string_view role,
                      const QRect& at, ValueChanged changed);
// An edit with up-down buttons: the number changes only by the buttons, the arrow keys or
// the wheel, never by typing.
QSpinBox* makeUpDown(QWidget* parent, const ControlSpec& spec, const QRect& at,
                     ValueChanged changed);

// A group box of radio buttons, one item a row of `rowHeight` pixels under the caption.
class RadioGroup final : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(QWidget* parent, const ControlSpec& spec, const QRect& at, int rowHeight,
             ValueChanged changed);
  int itemIndex() const;
  // Selects an item without reporting it.
  void setItemIndex(int index);
  QAbstractButton* item(int index) const;

 private:
  QButtonGroup group_;
};

// A button that starts a command and leaves the focus where it is.
QPushButton* makeButton(QWidget* parent, std::string_view objectName, std::string_view caption,
                        const QRect& at, std::function<void()> clicked);

}  // namespace ravlo
