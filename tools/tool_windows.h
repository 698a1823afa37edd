#pragma once
// The expression editor, the expression memo and the substitution box: each exists at most
// once, they open and fill one another, and the focus keys F7/F8 move between them. This
// object owns them for the main window and knows where they stand.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "tools/model/siki_edit_target.h"
#include "tools/model/tool_session.h"
#include "tools/tool_hooks.h"

class QWidget;

namespace ravlo {

class CalcState;
class ConstBox;
class SikiEditForm;
class SEMemoForm;
class DainyuuForm;

// Who opens the expression editor: all but the memo open it modally.
enum class EditorOpener { MainWindow, Notebook, SubstitutionBox, ConstantsBox, Memo };

class ToolWindows final : public QObject {
  Q_OBJECT

 public:
  // The windows stand where mainWindow is now (the program's start).
  ToolWindows(CalcState& state, ToolHooks hooks, QWidget* mainWindow);
  ~ToolWindows() override;

  CalcState& state() { return state_; }
  const ToolHooks& hooks() const { return hooks_; }
  ToolSession& session() { return session_; }
  QWidget* mainWindow() const { return mainWindow_; }
  // The open windows; null for one that is not open (or is closing).
  SikiEditForm* editor() const;
  SEMemoForm* memo() const;
  DainyuuForm* box() const;

  // SikiEditOpen (編E, Alt+E, the menu): the editor on the screen's line, modal; nothing
  // while an editor is open.
  void SikiEditOpen();
  // The notebook's 選択式を編集 / 新式を追加: the editor on the selected problem, modal over
  // noteWindow, writing back into that problem.
  void openEditorForNotebook(NoteTarget target, QWidget* noteWindow);
  // The editor for the memo, the box or the constants box, on `text` (the screen's line when
  // absent); an open editor is focused instead.
  SikiEditForm* openEditor(EditorOpener opener, std::optional<std::string> text = {});
  // The memo and the box: opened, or focused when open.
  SEMemoForm* openMemo();
  DainyuuForm* openBox();

  // A box or the memo is open: F7 on the calculation screen goes to it.
  bool toolBoxOpen() const;
  // F7 on the calculation screen: the substitution box, else the memo.
  void focusToolBox();
  // Focuses the first of the windows that is open; false when none is.
  bool focusEditor();
  bool focusMemo();
  bool focusBox();
  void focusMainWindow();

  // The notebook window, set by the notebook: whether it is open, and opening it with its
  // open mode (NoteOpenMode) so that it takes the calculation screen's line as its new last
  // problem. Unset: there is no notebook.
  std::function<bool()> notebookOpen;
  std::function<void(int noteOpenMode)> openNotebook;

  // The constants box, which the main window makes when it is first needed; then it is wired
  // here to the editor, whose field it fills and which it focuses or opens.
  std::function<ConstBox&()> makeConstantsBox;
  void wireConstantsBox(ConstBox& box);
  // Null until the main window made it.
  ConstBox* constantsBox() const { return constBox_; }

  // The program ends: the memo writes its entries into the settings, every window closes.
  void closeAll();

  // Where each window stands (its top-left corner).
  QPoint editorPlace() const;
  QPoint memoPlace() const;
  QPoint boxPlace() const;

 private:
  SikiEditForm* createEditor(EditorOpener opener, SikiEditTarget target, std::string text,
                             QWidget* parent);

  CalcState& state_;
  ToolHooks hooks_;
  QWidget* mainWindow_;
  ToolSession session_;
  QPointer<SikiEditForm> editor_;
  QPointer<SEMemoForm> memo_;
  QPointer<DainyuuForm> box_;
  ConstBox* constBox_ = nullptr;
  // The main window's client area when the program started.
  int startTop_ = 0;
  int startRight_ = 0;
  int startBottom_ = 0;
};

}  // namespace ravlo
