#pragma once
// The substitution box (数値代入ボックス): a stay-on-top window with values for x, y and z and
// a literal expression; it sends the substituted expression to the expression editor, computes
// it on the calculation screen, shows it in built-up form or keeps it in the memo.
#include <QLineEdit>
#include <QPushButton>
#include <string_view>

#include "tools/tool_dialog.h"
#include "tools/tool_windows.h"

namespace ravlo {

class DainyuuForm final : public ToolDialog {
  Q_OBJECT

 public:
  explicit DainyuuForm(ToolWindows& tools);

  QLineEdit* valueField(char variable) const;
  QLineEdit* expressionField() const { return expr_; }
  // The memo hands an expression over: the field takes it, and the focus.
  void putExpression(std::string_view text);

  // The buttons.
  void send();
  void compute();
  void look();
  void saveToMemo();
  void openMemo();

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;
  void done(int result) override;

 private:
  std::optional<std::string> substituted();
  void expressionChanged();
  void insert(std::string_view text);

  ToolWindows& tools_;
  QLineEdit* x_ = nullptr;
  QLineEdit* y_ = nullptr;
  QLineEdit* z_ = nullptr;
  QLineEdit* expr_ = nullptr;
  QPushButton* sendButton_ = nullptr;
  QPushButton* memoSaveButton_ = nullptr;
};

}  // namespace ravlo
