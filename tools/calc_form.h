#pragma once
// The calculator window (計算ボックス) beside the constants box: thirteen buttons, each a real
// function of the number in the box's input field. A click on its background or Alt+","
// goes back to the box.
#include <QPushButton>
#include <vector>

#include "tools/model/real_calc.h"
#include "tools/tool_dialog.h"

namespace ravlo {

class ConstBox;

inline constexpr int kCalcFormWidth = 216;
inline constexpr int kCalcFormHeight = 118;

class CalcForm final : public ToolDialog {
  Q_OBJECT

 public:
  CalcForm(ConstBox& box, QWidget* parent);

  QPushButton* button(RealFunc f) const { return buttons_.at(static_cast<std::size_t>(f)); }

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  ConstBox& box_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace ravlo
