#include "tools/form_widgets.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "tools/tool_dialog.h"

namespace ravlo {

QLabel* makeLabel(QWidget* parent, std::string_view text, const QRect& at) {
  auto* l = new QLabel(toQString(text), parent);
  l->setAccessibleName(toQString(text));
  l->setTextFormat(Qt::PlainText);
  l->setGeometry(at);
  return l;
}

QGroupBox* makeGroup(QWidget* parent, std::string_view objectName, std::string_view caption,
                     const QRect& at) {
  auto* g = new QGroupBox(toQString(caption), parent);
  g->setObjectName(toQString(objectName));
  g->setAccessibleName(toQString(caption));
  g->setGeometry(at);
  return g;
}

QCheckBox* makeCheckBox(QWidget* parent, const ControlSpec& spec, const QRect& at,
                        ValueChanged changed) {
  auto* b = new QCheckBox(toQString(spec.caption), parent);
  b->setObjectName(toQString(spec.name));
  b->setAccessibleName(toQString(spec.caption));
  if (!spec.hint.empty()) b->setToolTip(toQString(spec.hint));
  b->setGeometry(at);
  b->setEnabled(spec.enabled);
  QObject::connect(b, &QCheckBox::toggled, b, [changed](bool on) { changed(on ? 1 : 0); });
  return b;
}

QSlider* makeTrackBar(QWidget* parent, const ControlSpec& spec, std::string_view role,
                      const QRect& at, ValueChanged changed) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setObjectName(toQString(spec.name));
  s->setAccessibleName(toQString(role));
  s->setAccessibleDescription(toQString(spec.caption));
  s->setRange(spec.min, spec.max);
  s->setSingleStep(1);
  s->setPageStep(2);
  s->setTickPosition(QSlider::TicksBelow);
  s->setTickInterval(1);
  s->setGeometry(at);
  QObject::connect(s, &QSlider::valueChanged, s, changed);
  return s;
}

QSpinBox* makeUpDown(QWidget* parent, const ControlSpec& spec, const QRect& at,
                     ValueChanged changed) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(toQString(spec.name));
  s->setAccessibleName(toQString(spec.caption));
  s->setRange(spec.min, spec.max);
  s->setSingleStep(spec.step);
  s->setWrapping(false);
  s->setAlignment(Qt::AlignRight);
  // Read-only text; the buttons still step (a read-only spin box would not).
  if (auto* edit = s->findChild<QLineEdit*>()) edit->setReadOnly(true);
  s->setGeometry(at);
  QObject::connect(s, &QSpinBox::valueChanged, s, changed);
  return s;
}

RadioGroup::RadioGroup(QWidget* parent, const ControlSpec& spec, const QRect& at, int rowHeight,
                       ValueChanged changed)
    : QGroupBox(toQString(spec.caption), parent) {
  setObjectName(toQString(spec.name));
  setAccessibleName(toQString(spec.caption));
  setGeometry(at);
  int top = rowHeight - 2;
  int id = 0;
  for (std::string_view item : spec.items) {
    auto* b = new QRadioButton(toQString(item), this);
    b->setObjectName(toQString(spec.name) + QString::number(id));
    b->setAccessibleName(toQString(item));
    b->setGeometry(2, top, at.width() - 4, rowHeight);
    group_.addButton(b, id++);
    top += rowHeight;
  }
  connect(&group_, &QButtonGroup::idToggled, this, [changed](int checkedId, bool on) {
    if (on) changed(checkedId);
  });
}

int RadioGroup::itemIndex() const { return group_.checkedId(); }

void RadioGroup::setItemIndex(int index) {
  const QSignalBlocker block(&group_);
  if (QAbstractButton* b = group_.button(index)) b->setChecked(true);
}

QAbstractButton* RadioGroup::item(int index) const { return group_.button(index); }

QPushButton* makeButton(QWidget* parent, std::string_view objectName, std::string_view caption,
                        const QRect& at, std::function<void()> clicked) {
  auto* b = new QPushButton(toQString(caption), parent);
  b->setObjectName(toQString(objectName));
  // The accessible name is what the button says, without the mnemonic mark.
  b->setAccessibleName(toQString(caption).remove(QLatin1Char('&')));
  b->setGeometry(at);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoDefault(false);
  b->setDefault(false);
  QObject::connect(b, &QPushButton::clicked, b, [clicked = std::move(clicked)] { clicked(); });
  return b;
}

}  // namespace ravlo
