#pragma once
// The process-settings dialog (詳細設定): advice lines, detail level and final form of the
// worked solutions, and a few other calculation options. Every control writes its setting at
// once; the dialog is modal and lives while it is shown.
#include <map>

#include "tools/form_widgets.h"
#include "tools/model/calc_proc_set_model.h"
#include "tools/tool_dialog.h"
#include "tools/tool_hooks.h"

namespace ravlo {

class CalcProcSetForm final : public ToolDialog {
  Q_OBJECT

 public:
  CalcProcSetForm(CalcState& state, ToolHooks hooks, QWidget* mainWindow, QWidget* parent = nullptr);

  QWidget* control(CalcProcControl c) const { return controls_.at(c); }

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;

 private:
  void build();
  void load();
  void changed(CalcProcControl c, int value);

  CalcState& state_;
  CalcProcSetModel model_;
  ToolHooks hooks_;
  std::map<CalcProcControl, QWidget*> controls_;
};

// Opens the process-settings dialog modally over `parent`, placed by `mainWindow`, and frees
// it after closing.
void runCalcProcSetForm(CalcState& state, const ToolHooks& hooks, QWidget* mainWindow,
                        QWidget* parent);

}  // namespace ravlo
