#include "tools/tool_hooks.h"

#include "app/model/calc_state.h"

namespace ravlo {

void applyEffects(ToolEffects effects, CalcState& state, const ToolHooks& hooks) {
  if (effects.has(ToolEffects::CursorTimer) && hooks.setCursorInterval) {
    hooks.setCursorInterval(state.settings().CURSOLTEMPO);
  }
  if (effects.has(ToolEffects::InterruptFlag) && hooks.interruptFlagChanged) {
    hooks.interruptFlagChanged();
  }
  if (effects.has(ToolEffects::Repaint)) state.repaint();
  if (effects.has(ToolEffects::SidePanel) && hooks.redrawSidePanel) hooks.redrawSidePanel();
}

}  // namespace ravlo
