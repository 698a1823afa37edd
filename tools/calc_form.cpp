#include "tools/calc_form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "tools/const_box.h"
#include "tools/form_widgets.h"

namespace ravlo {
namespace {

constexpr Color kCalcFormColor = 0xFFE8D0;  // pale blue
constexpr int kColumns = 4;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 24;
constexpr int kGap = 2;

}  // namespace

CalcForm::CalcForm(ConstBox& box, QWidget* parent)
    : ToolDialog(parent, kCalcFormCaption, kCalcFormWidth, kCalcFormHeight, kCalcFormColor),
      box_(box) {
  setObjectName("CalcForm");
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(false);
  int i = 0;
  for (RealFunc f : realFuncs()) {
    const RealFuncSpec& spec = realFuncSpec(f);
    const QRect at(6 + (i % kColumns) * (kButtonWidth + kGap), 6 + (i / kColumns) * (kButtonHeight + kGap),
                   kButtonWidth, kButtonHeight);
    QPushButton* b = makeButton(this, spec.name, spec.caption, at, [this, f] { box_.calculate(f); });
    b->setToolTip(toQString(spec.hint));
    b->setAccessibleName(toQString(spec.role));
    b->setAccessibleDescription(toQString(spec.hint));
    buttons_.push_back(b);
    ++i;
  }
  previewKeys();
}

std::function<void()> CalcForm::keyAction(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (event.key() == Qt::Key_Insert && mods == Qt::NoModifier) return [this] { box_.insertSelected(); };
  if (!(mods & Qt::AltModifier) || (mods & Qt::ControlModifier)) return {};
  if (event.key() == Qt::Key_A) return [this] { box_.add(); };
  if (event.key() == Qt::Key_Comma) return [this] { box_.focus(); };
  if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
    if (auto f = realFuncByAltKey(static_cast<char>(event.key()))) {
      return [this, f = *f] { box_.calculate(f); };
    }
  }
  return {};
}

void CalcForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) box_.focus();
  ToolDialog::mousePressEvent(event);
}

void CalcForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (box_.isOpen()) box_.close();
}

void CalcForm::reject() { box_.close(); }

}  // namespace ravlo
