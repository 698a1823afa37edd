#pragma once
// The settings dialog (条件設定ボックス): speech, screen, answer forms, process display,
// cursor blink, goal text advance and choice, the π approximation, page height and line feed.
// Every control writes its setting at once; the dialog is modal and lives while it is shown.
#include <QComboBox>
#include <QLineEdit>
#include <map>

#include "tools/form_widgets.h"
#include "tools/model/jouken_model.h"
#include "tools/tool_dialog.h"
#include "tools/tool_hooks.h"

namespace ravlo {

class JoukenForm final : public ToolDialog {
  Q_OBJECT

 public:
  // mainWindow places the dialog and the process-settings dialog it opens.
  JoukenForm(CalcState& state, ToolHooks hooks, QWidget* mainWindow, QWidget* parent = nullptr);

  QWidget* control(JoukenControl c) const { return controls_.at(c); }
  QLineEdit* paiEdit() const { return edit3_; }
  QComboBox* goalList() const { return comboBox1_; }

  // "詳細&Ａ": the process-settings dialog, modal.
  void openProcessSettings();
  // "編集Ｅ": the weekly-goals editor.
  void editGoals();
  // "▲19ケタ".
  void paiTo19Digits();

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  void build();
  void load();
  void changed(JoukenControl c, int value);
  void fillGoals();
  void paiChanged();
  // Focus left the π field or Enter was pressed in it.
  void paiLeft();
  void selectOffending(int position);

  CalcState& state_;
  JoukenModel model_;
  ToolHooks hooks_;
  QWidget* mainWindow_;
  std::map<JoukenControl, QWidget*> controls_;
  QComboBox* comboBox1_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  QString paiBefore_;      // the π text before the latest change
  bool restoring_ = false; // the π field is being put back
  bool closed_ = false;
};

// Opens the settings dialog modally over `mainWindow` and frees it after closing.
void runJoukenForm(CalcState& state, const ToolHooks& hooks, QWidget* mainWindow);

}  // namespace ravlo
