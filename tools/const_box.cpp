#include "tools/const_box.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/model/calc_state.h"
#include "tools/calc_form.h"
#include "tools/const_set_form.h"
#include "tools/model/teisuu_insert.h"

namespace ravlo {
namespace {

inline constexpr std::string_view kEditorFeature = "式エディタ";

// Keeps a window of this size at `at` on the screen of `near`.
QPoint onScreen(QWidget* near, QPoint at, QSize size) {
  QScreen* s = near ? near->screen() : QGuiApplication::primaryScreen();
  if (!s) return at;
  const QRect avail = s->availableGeometry();
  at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() + 1 - size.width())));
  at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - size.height())));
  return at;
}

}  // namespace

ConstBox::ConstBox(CalcState& state, QWidget* mainWindow, ToolHooks hooks)
    : state_(state),
      mainWindow_(mainWindow),
      hooks_(std::move(hooks)),
      model_(state.settings(), state.sink()) {}

ConstBox::~ConstBox() {
  delete form_.data();
  delete calc_.data();
}

ConstSetForm* ConstBox::form() const { return form_.data(); }

CalcForm* ConstBox::calculator() const { return calc_.data(); }

void ConstBox::open(TeisuuOwner by) {
  if (model_.isOpen()) {
    // The editor takes over a box the input panel opened, fields and all.
    if (by == TeisuuOwner::Editor && model_.owner != TeisuuOwner::Editor) {
      model_.close();
      model_.open(by);
    }
    focus();
    return;
  }
  model_.open(by);
  show();
}

void ConstBox::editorClosed() {
  if (model_.owner != TeisuuOwner::Editor) return;
  model_.close();
  model_.open(TeisuuOwner::InputPanel);
  refresh();
}

void ConstBox::show() {
  // Windows of their own, not of the main window: they take input while the expression
  // editor holds the main window modally.
  if (!form_) form_ = new ConstSetForm(*this, nullptr);
  if (!calc_) calc_ = new CalcForm(*this, nullptr);
  refresh();
  place();
  form_->show();
  calc_->show();
  focus();
}

void ConstBox::place() {
  if (!mainWindow_) return;
  // From the main window's top and the right edge of its client area.
  const int top = mainWindow_->frameGeometry().top() + kConstSetTopGap;
  const QRect client = mainWindow_->geometry();
  const int right = client.x() + client.width();
  form_->move(onScreen(mainWindow_, {right - kConstSetRightGap, top}, form_->frameGeometry().size()));
  calc_->move(onScreen(mainWindow_, {right - kCalcFormRightGap, top}, calc_->frameGeometry().size()));
}

void ConstBox::close() {
  if (!model_.isOpen()) return;
  model_.close();
  if (form_) form_->hide();
  if (calc_) calc_->hide();
  if (mainWindow_) mainWindow_->activateWindow();
}

void ConstBox::focus() {
  if (!form_ || !model_.isOpen()) return;
  form_->raise();
  form_->activateWindow();
  form_->inputEdit()->setFocus(Qt::OtherFocusReason);
}

void ConstBox::refresh() {
  if (form_) form_->refresh();
}

void ConstBox::add() {
  if (!model_.add()) return;
  refresh();
  // The list drops down to show what it now holds.
  if (form_ && form_->isVisible()) form_->list()->showPopup();
}

void ConstBox::insert(std::string_view value) {
  if (value.empty()) return;
  if (appendToEditor && appendToEditor(value)) return;
  TeisuuInsertText(state_, value);
}

void ConstBox::insertSelected() {
  if (std::optional<std::string> v = model_.selectedValue()) insert(*v);
}

void ConstBox::paste() { insert(model_.pasteValue()); }

void ConstBox::takeSelected() {
  model_.takeSelected();
  refresh();
}

void ConstBox::clearInput() {
  model_.clearInput();
  refresh();
}

void ConstBox::restoreInput() {
  model_.restoreInput();
  refresh();
}

void ConstBox::copyInputToName() {
  model_.copyInputToName();
  refresh();
}

void ConstBox::deleteSelected() {
  model_.deleteSelected();
  refresh();
}

void ConstBox::deleteAll() {
  model_.deleteAll();
  refresh();
}

void ConstBox::calculate(RealFunc f) {
  if (model_.calculate(f)) refresh();
  focus();
}

void ConstBox::focusOwnerWindow() {
  if (focusEditor && focusEditor()) {
    state_.repaint();
    return;
  }
  if (!mainWindow_) return;
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

void ConstBox::editorKey() {
  if (focusEditor && focusEditor()) return;
  if (openEditor) {
    openEditor();
  } else if (hooks_.notAvailable) {
    hooks_.notAvailable(kEditorFeature);
  }
}

}  // namespace ravlo
