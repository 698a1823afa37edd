#include "notebook/model/note_keys.h"

namespace ravlo {
namespace {

using C = NoteCommand;

C ctrlKey(int key) {
  switch (key) {
    case 'L': return C::EqualKaigyo;
    case 'K': return C::ReadAll;
    case 'N': return C::ClearNotebook;
    case 'B': return C::Undo;
    case 'C': return C::CloseWindow;
    case 'H': return C::CopySelected;
    case 'D': return C::DeleteSelected;
    case 'E': return C::EditSelected;
    case 'O': return C::Open;
    case 'G': return C::EditAll;
    case 'Q': return C::ComputeSelected;
    case 'Y': return C::CutSelectedAnswer;
    case 'S': return C::Save;
    case 'T': return C::TitleInput;
    case 'U': return C::CutAllAnswers;
    case 'R': return C::ReadSelected;
    case 'Z': return C::ComputeAll;
    case 'W': return C::AddNew;
    case 'J': return C::SettingsDialog;
    case vk::PageUp: return C::PageHeightUp;
    case vk::PageDown: return C::PageHeightDown;
    default: return C::None;
  }
}

C shiftKey(int key) {
  switch (key) {
    case 'F': return C::FontDialog;
    case vk::Up: return C::SelectPrevious;
    case vk::Down: return C::SelectNext;
    case vk::PageUp: return C::LineSpacingUp;
    case vk::PageDown: return C::LineSpacingDown;
    default: return C::None;
  }
}

C plainKey(int key) {
  switch (key) {
    case vk::F8: return C::ControlBoxKey;
    case vk::BackSpace: return C::Undo;
    case vk::Up: return C::ScrollUp;
    case vk::Down: return C::ScrollDown;
    case vk::Left: return C::ScrollLeft;
    case vk::Right: return C::ScrollRight;
    default: return C::None;
  }
}

}  // namespace

NoteCommand NoteKeyCommand(int key, KeyMods mods) {
  // Each rule holds for exactly its modifiers, so that Ctrl+Shift+F8 or Ctrl+Alt+B reach the
  // menu item that has them as its shortcut.
  const int held = (mods.shift ? 1 : 0) + (mods.ctrl ? 2 : 0) + (mods.alt ? 4 : 0);
  switch (held) {
    case 0: return plainKey(key);
    case 1: return shiftKey(key);
    case 2: return ctrlKey(key);
    case 4: return key == 'J' ? C::SettingsDialog : C::None;
    default: return C::None;
  }
}

NoteCommand NoteWheelCommand(bool downTurn, bool leftHeld, bool rightHeld) {
  if (rightHeld) return downTurn ? C::ScrollRight : C::ScrollLeft;
  if (leftHeld) return downTurn ? C::SelectNext : C::SelectPrevious;
  return downTurn ? C::ScrollDown : C::ScrollUp;
}

std::string_view noteCommandName(NoteCommand c) {
  switch (c) {
    case C::None: return "None";
    case C::ClearNotebook: return "ClearNotebook";
    case C::Open: return "Open";
    case C::Save: return "Save";
    case C::SaveAs: return "SaveAs";
    case C::Print: return "Print";
    case C::CloseWindow: return "CloseWindow";
    case C::CutSelectedAnswer: return "CutSelectedAnswer";
    case C::DeleteSelected: return "DeleteSelected";
    case C::EditSelected: return "EditSelected";
    case C::ComputeSelected: return "ComputeSelected";
    case C::CopySelected: return "CopySelected";
    case C::ReadSelected: return "ReadSelected";
    case C::AddNew: return "AddNew";
    case C::CutAllAnswers: return "CutAllAnswers";
    case C::EditAll: return "EditAll";
    case C::Generate: return "Generate";
    case C::ComputeAll: return "ComputeAll";
    case C::ReadAll: return "ReadAll";
    case C::Undo: return "Undo";
    case C::FontDialog: return "FontDialog";
    case C::TitleInput: return "TitleInput";
    case C::EqualKaigyo: return "EqualKaigyo";
    case C::ControlBoxMenu: return "ControlBoxMenu";
    case C::SettingsDialog: return "SettingsDialog";
    case C::AnswerColumn: return "AnswerColumn";
    case C::AnswerColumnPosition: return "AnswerColumnPosition";
    case C::WindowA4Width: return "WindowA4Width";
    case C::ControlBoxKey: return "ControlBoxKey";
    case C::SelectPrevious: return "SelectPrevious";
    case C::SelectNext: return "SelectNext";
    case C::LineSpacingUp: return "LineSpacingUp";
    case C::LineSpacingDown: return "LineSpacingDown";
    case C::PageHeightUp: return "PageHeightUp";
    case C::PageHeightDown: return "PageHeightDown";
    case C::ScrollUp: return "ScrollUp";
    case C::ScrollDown: return "ScrollDown";
    case C::ScrollLeft: return "ScrollLeft";
    case C::ScrollRight: return "ScrollRight";
  }
  return "?";
}

}  // namespace ravlo
