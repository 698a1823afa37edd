#pragma once
// The constants box window (定数設定＆代入): the number being prepared, its name, the digits a
// decimal keeps, the drop-down list of the stored constants and the buttons that store,
// insert, copy and delete them. A tool window that stays on top; what it does is ConstBox's.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <map>
#include <string_view>

#include "tools/tool_dialog.h"

namespace ravlo {

class ConstBox;

inline constexpr int kConstSetWidth = 278;
inline constexpr int kConstSetHeight = 160;

class ConstSetForm final : public ToolDialog {
  Q_OBJECT

 public:
  ConstSetForm(ConstBox& box, QWidget* parent);

  QLineEdit* inputEdit() const { return input_; }
  QLineEdit* nameEdit() const { return name_; }
  QSpinBox* digitsEdit() const { return digits_; }
  QComboBox* list() const { return list_; }
  QLabel* nameLabel() const { return nameLabel_; }
  QPushButton* button(std::string_view name) const;

  // Shows the model's fields and list.
  void refresh();

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void build();

  ConstBox& box_;
  QLineEdit* input_ = nullptr;
  QLineEdit* name_ = nullptr;
  QSpinBox* digits_ = nullptr;
  QComboBox* list_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  std::map<std::string, QPushButton*, std::less<>> buttons_;
  bool refreshing_ = false;
};

}  // namespace ravlo
