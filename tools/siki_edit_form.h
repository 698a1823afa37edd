#pragma once
// The expression editor (式エディタ): one text field for a whole expression in the encoded
// text, displayed or computed for the calculation screen or the notebook's selected problem,
// and the buttons that open the memo, the substitution box, the constants box, the settings
// dialog and the notebook.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <string_view>

#include "tools/model/siki_edit_model.h"
#include "tools/tool_dialog.h"
#include "tools/tool_windows.h"

namespace ravlo {

class SikiEditForm final : public ToolDialog {
  Q_OBJECT

 public:
  SikiEditForm(ToolWindows& tools, EditorOpener opener, SikiEditTarget target,
               std::string_view text, QWidget* parent);

  QLineEdit* field() const { return field_; }
  QLabel* errorLine() const { return errorLine_; }
  QLabel* keyDiversionLabel() const { return keyLabel_; }
  EditorOpener opener() const { return opener_; }
  bool forNotebook() const { return model_.target().isNotebook(); }
  std::string text() const { return field_->text().toStdString(); }
  // The memo or the box hands a text over: the field takes it, and the focus.
  void putText(std::string_view text);
  // The constants box inserts a value: at the end of the field.
  void appendText(std::string_view text);

  // The buttons.
  void display();
  void compute();
  void noteButton();
  void switchKeyDiversion();
  void memoButton();
  void boxButton();
  void settingsButton();
  void constantsButton();
  void keepAside();
  void insertSaved();
  void lookSaved();
  void solve();
  // The program ends: closes without asking.
  void closeNow();

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;
  void reject() override;
  void done(int result) override;

 private:
  void build();
  void apply(const EditorOutcome& outcome);
  void insert(std::string_view text);
  void selectChar(int index);
  void showKeyDiversion();

  ToolWindows& tools_;
  EditorOpener opener_;
  SikiEditModel model_;
  QLineEdit* field_ = nullptr;
  QLabel* errorLine_ = nullptr;
  QLabel* keyLabel_ = nullptr;
  bool closed_ = false;
};

}  // namespace ravlo
