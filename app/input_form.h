#pragma once
// The input panel (数式操作パネル): a small stay-on-top tool window whose buttons type the
// tokens of an expression and start the commands, for learners who work with the mouse.
#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

#include "app/model/input_buttons.h"
#include "app/model/key_table.h"

namespace ravlo {

class CalcState;

inline constexpr std::string_view kInputFormName = "InputForm";
inline constexpr int kInputFormWidth = 162;
inline constexpr int kInputFormHeight = 261;

class InputForm final : public QWidget {
  Q_OBJECT

 public:
  // afterInput runs after every button press and key, once the state has taken it.
  InputForm(CalcState& state, QWidget* owner, std::function<void()> afterInput);

  QAbstractButton* button(std::string_view name) const;
  // 帯T, 仮K and 小S.
  void setAnswerButtons(bool taiEnabled, bool kaEnabled, bool syouEnabled);

  // The panel's own Alt keys (hide, editor, read aloud, process settings) go here.
  std::function<void(CalcCommand)> onPanelCommand;
  // Called when the panel is hidden or shown, so the menu can follow.
  std::function<void()> onVisibilityChanged;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void press(const InputButtonSpec& button);

  CalcState& state_;
  std::function<void()> afterInput_;
  std::vector<QAbstractButton*> buttons_;
};

}  // namespace ravlo
