#pragma once
// The expression memo (式 メモ): a stay-on-top window listing up to 50 kept expressions, which
// it takes from the expression editor and hands to the editor or the substitution box.
#include <QComboBox>
#include <string_view>

#include "tools/model/siki_memo.h"
#include "tools/tool_dialog.h"
#include "tools/tool_windows.h"

namespace ravlo {

class SEMemoForm final : public ToolDialog {
  Q_OBJECT

 public:
  explicit SEMemoForm(ToolWindows& tools);

  QComboBox* list() const { return list_; }
  const SikiMemo& memo() const { return memo_; }
  // MemoAdd: the text at the end of the list, selected (the editor and the box use it).
  bool MemoAdd(std::string_view text);

  // The buttons.
  void fromEditor();
  void toEditor();
  void toBox();
  void look();
  void deleteSelected();
  void deleteAll();

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;
  void done(int result) override;

 private:
  void fillList();

  ToolWindows& tools_;
  SikiMemo memo_;
  QComboBox* list_ = nullptr;
  bool closed_ = false;
};

}  // namespace ravlo
