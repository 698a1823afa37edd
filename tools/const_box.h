#pragma once
// The constants box and the calculator beside it, as the main window keeps them for the run:
// they open together, close together, and the one model behind them remembers the selection
// and the fields between openings. The box belongs to whoever opened it, the input panel or
// the expression editor; inserting goes into the editor's field while the editor is open,
// else into the line of the calculation screen.
#include <QPointer>
#include <functional>
#include <string>
#include <string_view>

#include "tools/model/const_set_model.h"
#include "tools/tool_hooks.h"

class QWidget;

namespace ravlo {

class CalcState;
class ConstSetForm;
class CalcForm;

class ConstBox {
 public:
  ConstBox(CalcState& state, QWidget* mainWindow, ToolHooks hooks);
  ~ConstBox();
  ConstBox(const ConstBox&) = delete;
  ConstBox& operator=(const ConstBox&) = delete;

  // ---- what the expression editor sets once it exists ----
  // Appends a value to the editor's field; false when the editor is not open.
  std::function<bool(std::string_view)> appendToEditor;
  // Focuses the editor; false when it is not open.
  std::function<bool()> focusEditor;
  // Opens the editor modally (Ctrl+E in the box while it is closed).
  std::function<void()> openEditor;

  // TeisuuInsert: opened by the input panel (or the main window's keys and menu) or by the
  // editor; an open box is focused, or handed over to the editor with its fields.
  void open(TeisuuOwner by);
  // The editor closed: a box that belonged to it now belongs to the input panel.
  void editorClosed();
  void close();
  bool isOpen() const { return model_.isOpen(); }
  void focus();

  ConstSetModel& model() { return model_; }
  ConstSetForm* form() const;
  CalcForm* calculator() const;

  // ---- the commands of the two windows ----
  void add();
  void insertSelected();
  void paste();
  void takeSelected();
  void clearInput();
  void restoreInput();
  void copyInputToName();
  void deleteSelected();
  void deleteAll();
  void calculate(RealFunc f);
  // F7 in the box: the editor when it is open, else the main window.
  void focusOwnerWindow();
  // Ctrl+E in the box.
  void editorKey();

  // The windows show the model again.
  void refresh();

 private:
  void insert(std::string_view value);
  void show();
  void place();

  CalcState& state_;
  QWidget* mainWindow_;
  ToolHooks hooks_;
  ConstSetModel model_;
  QPointer<ConstSetForm> form_;
  QPointer<CalcForm> calc_;
};

}  // namespace ravlo
