// The main window's side of the tool dialogs: what they may ask of it.
#include <QAction>
#include <QApplication>

#include "app/bun_main_form.h"
#include "app/side_panel.h"
#include "tools/calc_proc_set_form.h"
#include "tools/const_box.h"
#include "tools/jouken_form.h"
#include "tools/mokuhyou_edit_form.h"
#include "tools/tool_windows.h"
#include "tools/version_form.h"

namespace ravlo {

ToolHooks BunMainForm::toolHooks() {
  ToolHooks h;
  h.redrawSidePanel = [this] {
    placePanels();
    if (sidePanel_) sidePanel_->GoalDsp();
  };
  h.setCursorInterval = [this](int ms) { timer1_.setInterval(ms); };
  h.fontCommand = [this] { fontDialog(); };
  h.interruptFlagChanged = [this] {
    if (QAction* n20 = action("N20")) n20->setChecked(state_.SoinsuuAbort);
  };
  h.notAvailable = [this](std::string_view feature) { notAvailable(feature); };
  h.editGoals = [this](const std::vector<std::string>& goals) {
    goalEditorOpen_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{goalEditorOpen_};
    QWidget* over = QApplication::activeModalWidget();
    return runMokuhyouEditForm(goals, settings_, sink_, [this] {
      placePanels();
      if (sidePanel_) sidePanel_->GoalDsp();
    }, over ? over : this);
  };
  h.goalEditorOpen = [this] { return goalEditorOpen_; };
  return h;
}

ConstBox& BunMainForm::constantsBox() {
  if (!constBox_) {
    constBox_ = std::make_unique<ConstBox>(state_, this, toolHooks());
    if (toolWindows_) toolWindows_->wireConstantsBox(*constBox_);
  }
  return *constBox_;
}

void BunMainForm::versionDialog() { runVersionForm(this); }

void BunMainForm::settingsDialog() {
  if (joukenFormOpen_) return;
  joukenFormOpen_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{joukenFormOpen_};
  runJoukenForm(state_, toolHooks(), this);
}

void BunMainForm::processSettingsDialog() {
  runCalcProcSetForm(state_, toolHooks(), this, this);
}

}  // namespace ravlo
