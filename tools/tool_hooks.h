#pragma once
// What a tool dialog asks of the main window. Every hook may be left unset: the dialog then
// does without (or, for a window that does not exist yet, says so).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/model/tool_effects.h"

namespace ravlo {

class CalcState;

struct ToolHooks {
  std::function<void()> redrawSidePanel;
  std::function<void(int)> setCursorInterval;
  std::function<void()> fontCommand;
  // The popup item "中断を可能にする" follows the interrupt flag.
  std::function<void()> interruptFlagChanged;
  // The status bar says the feature is not ready yet.
  std::function<void(std::string_view)> notAvailable;
  // The weekly-goals editor, modal, given the current goals: the lines it was confirmed
  // with, or nothing when it was cancelled.
  std::function<std::optional<std::vector<std::string>>(const std::vector<std::string>&)>
      editGoals;
  std::function<bool()> goalEditorOpen;
};

// Carries out what a changed setting needs from the main window.
void applyEffects(ToolEffects effects, CalcState& state, const ToolHooks& hooks);

}  // namespace ravlo
