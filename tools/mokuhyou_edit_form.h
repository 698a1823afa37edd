#pragma once
// The weekly goals editor (今週の目標): one goal a line, at most ten, opened modally from the
// settings dialog, which takes the lines when the editor is left with 決定.
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/model/goal_lines.h"
#include "tools/tool_dialog.h"

namespace ravlo {

struct CalcSettings;
class MessageSink;

inline constexpr int kGoalEditWidth = 300;
inline constexpr int kGoalEditHeight = 250;

class MokuhyouEditForm final : public ToolDialog {
  Q_OBJECT

 public:
  // redrawSidePanel: the side panel draws itself again (after a font change).
  MokuhyouEditForm(const std::vector<std::string>& goals, CalcSettings& settings,
                   MessageSink& sink, std::function<void()> redrawSidePanel, QWidget* parent);

  QPlainTextEdit* goalEdit() const { return memo_; }
  QPushButton* button(const char* name) const;
  // True when the editor was left with 決定.
  bool confirmed() const { return ok_; }
  std::vector<std::string> lines() const { return model_.lines(); }

  void confirm();
  void cancel();
  // ﾌｫﾝﾄ: the side panel's goal font.
  void fontDialog();

 protected:
  std::function<void()> keyAction(const QKeyEvent& event) override;

 private:
  void textChanged();

  CalcSettings& settings_;
  MessageSink& sink_;
  std::function<void()> redrawSidePanel_;
  GoalLines model_;
  QPlainTextEdit* memo_ = nullptr;
  bool ok_ = false;
  bool restoring_ = false;
};

// Opens the editor modally; the confirmed lines, or nothing when it was cancelled.
std::optional<std::vector<std::string>> runMokuhyouEditForm(
    const std::vector<std::string>& goals, CalcSettings& settings, MessageSink& sink,
    std::function<void()> redrawSidePanel, QWidget* parent);

}  // namespace ravlo
