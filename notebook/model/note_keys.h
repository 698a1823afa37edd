#pragma once
// What a key or a turn of the mouse wheel means in the notebook window (and in its control
// box, which hands its keys on). Keys are the virtual-key codes of the calculation screen's
// key table; the window translates its key events the same way.
#include <string_view>

#include "app/model/key_table.h"

namespace ravlo {

// Every command of the notebook's menus, keys and control box.
enum class NoteCommand {
  None,
  // ファイル
  ClearNotebook,
  Open,
  Save,
  SaveAs,
  Print,
  CloseWindow,
  // 式操作
  CutSelectedAnswer,
  DeleteSelected,
  EditSelected,
  ComputeSelected,
  CopySelected,
  ReadSelected,
  AddNew,
  CutAllAnswers,
  EditAll,
  Generate,         // 問題を作る
  ComputeAll,
  ReadAll,
  Undo,
  // 表示
  FontDialog,
  TitleInput,
  EqualKaigyo,
  ControlBoxMenu,   // the menu item: sets its own check mark as well
  SettingsDialog,
  AnswerColumn,
  AnswerColumnPosition,
  WindowA4Width,
  // keys and buttons only
  ControlBoxKey,    // F8: the same without the check mark
  SelectPrevious,
  SelectNext,
  LineSpacingUp,
  LineSpacingDown,
  PageHeightUp,
  PageHeightDown,
  ScrollUp,
  ScrollDown,
  ScrollLeft,
  ScrollRight,
};

// The arrow keys and the wheel move the page this many pixels.
inline constexpr int kNoteScrollStep = 20;

// The notebook window's key table; None for a key it does not know (the menus' own
// shortcuts may still take it).
NoteCommand NoteKeyCommand(int key, KeyMods mods);

// A turn of the wheel (downTurn: towards the user) with the mouse buttons held.
NoteCommand NoteWheelCommand(bool downTurn, bool leftHeld, bool rightHeld);

std::string_view noteCommandName(NoteCommand c);

}  // namespace ravlo
