#include "tools/tool_windows.h"

#include <QWidget>

#include "app/model/calc_state.h"
#include "notebook/model/note_doc.h"
#include "tools/const_box.h"
#include "tools/dainyuu_form.h"
#include "tools/model/dainyuu_model.h"
#include "tools/model/siki_edit_model.h"
#include "tools/model/siki_memo.h"
#include "tools/se_memo_form.h"
#include "tools/siki_edit_form.h"

namespace ravlo {
namespace {

// A window that is closing counts as closed already.
template <typename T>
T* shown(const QPointer<T>& w) {
  return (w && w->isVisible()) ? w.data() : nullptr;
}

void bringForward(QWidget* window, QWidget* focus) {
  window->raise();
  window->activateWindow();
  focus->setFocus(Qt::OtherFocusReason);
}

}  // namespace

ToolWindows::ToolWindows(CalcState& state, ToolHooks hooks, QWidget* mainWindow)
    : state_(state), hooks_(std::move(hooks)), mainWindow_(mainWindow) {
  if (mainWindow_) {
    const QRect client = mainWindow_->geometry();
    startTop_ = mainWindow_->pos().y();
    startRight_ = client.x() + client.width();
    startBottom_ = client.y() + client.height();
  }
}

ToolWindows::~ToolWindows() {
  if (constBox_) {
    constBox_->appendToEditor = {};
    constBox_->focusEditor = {};
    constBox_->openEditor = {};
  }
  delete editor_.data();
  delete memo_.data();
  delete box_.data();
}

SikiEditForm* ToolWindows::editor() const { return shown(editor_); }
SEMemoForm* ToolWindows::memo() const { return shown(memo_); }
DainyuuForm* ToolWindows::box() const { return shown(box_); }

QPoint ToolWindows::editorPlace() const {
  return {startRight_ - kSikiEditRightGap, startBottom_ - kSikiEditBottomGap};
}

QPoint ToolWindows::memoPlace() const {
  return {startRight_ - kMemoRightGap, startTop_ + kMemoTopGap};
}

QPoint ToolWindows::boxPlace() const {
  return {startRight_ - kDainyuuRightGap, startTop_ + kDainyuuTopGap};
}

SikiEditForm* ToolWindows::createEditor(EditorOpener opener, SikiEditTarget target,
                                        std::string text, QWidget* parent) {
  auto* editor = new SikiEditForm(*this, opener, std::move(target), text, parent);
  if (opener != EditorOpener::Memo) editor->setWindowModality(Qt::WindowModal);
  editor_ = editor;
  // The input panel goes out of the way. Hidden, not minimized: a window manager iconifies
  // the main window together with a tool window of its own.
  state_.runCommand(CalcCommand::HideInputPanel);
  editor->show();
  bringForward(editor, editor->field());
  return editor;
}

void ToolWindows::SikiEditOpen() {
  if (shown(editor_)) return;
  createEditor(EditorOpener::MainWindow, SikiEditTarget(), state_.InpSiki, mainWindow_);
}

void ToolWindows::openEditorForNotebook(NoteTarget target, QWidget* noteWindow) {
  if (shown(editor_)) {
    focusEditor();
    return;
  }
  SikiEditTarget t(std::move(target));
  const std::string text = t.openingText(state_);
  createEditor(EditorOpener::Notebook, std::move(t), text, noteWindow ? noteWindow : mainWindow_);
}

SikiEditForm* ToolWindows::openEditor(EditorOpener opener, std::optional<std::string> text) {
  if (SikiEditForm* open = shown(editor_)) {
    focusEditor();
    return open;
  }
  return createEditor(opener, SikiEditTarget(), text.value_or(state_.InpSiki), mainWindow_);
}

SEMemoForm* ToolWindows::openMemo() {
  if (SEMemoForm* open = shown(memo_)) {
    focusMemo();
    return open;
  }
  auto* memo = new SEMemoForm(*this);
  memo_ = memo;
  memo->show();
  bringForward(memo, memo->list());
  return memo;
}

DainyuuForm* ToolWindows::openBox() {
  if (DainyuuForm* open = shown(box_)) {
    focusBox();
    return open;
  }
  auto* box = new DainyuuForm(*this);
  box_ = box;
  box->show();
  bringForward(box, box->expressionField());
  return box;
}

bool ToolWindows::toolBoxOpen() const { return shown(box_) || shown(memo_); }

void ToolWindows::focusToolBox() {
  if (!focusBox()) focusMemo();
}

bool ToolWindows::focusEditor() {
  SikiEditForm* w = shown(editor_);
  if (w) bringForward(w, w->field());
  return w != nullptr;
}

bool ToolWindows::focusMemo() {
  SEMemoForm* w = shown(memo_);
  if (w) bringForward(w, w->list());
  return w != nullptr;
}

bool ToolWindows::focusBox() {
  DainyuuForm* w = shown(box_);
  if (w) bringForward(w, w->expressionField());
  return w != nullptr;
}

void ToolWindows::focusMainWindow() {
  if (!mainWindow_) return;
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

void ToolWindows::wireConstantsBox(ConstBox& box) {
  constBox_ = &box;
  box.appendToEditor = [this](std::string_view value) {
    SikiEditForm* e = editor();
    if (e) e->appendText(value);
    return e != nullptr;
  };
  box.focusEditor = [this] { return focusEditor(); };
  box.openEditor = [this] { openEditor(EditorOpener::ConstantsBox); };
}

void ToolWindows::closeAll() {
  if (SikiEditForm* e = shown(editor_)) e->closeNow();
  if (SEMemoForm* m = shown(memo_)) m->close();
  if (DainyuuForm* b = shown(box_)) b->close();
}

}  // namespace ravlo
