#pragma once
// The notebook window's menus and the control box's buttons as their forms have them:
// captions, shortcuts, hints and the command each starts.
#include <span>
#include <string_view>

#include "notebook/model/note_keys.h"

namespace ravlo {

struct NoteMenuSpec {
  std::string_view name;     // object name of the menu
  std::string_view caption;
};

struct NoteMenuItemSpec {
  int menu = 0;              // index into noteMenus()
  std::string_view caption;
  std::string_view shortcut; // portable key-sequence text ("Ctrl+Alt+B"); empty: none
  NoteCommand command = NoteCommand::None;
  bool checkable = false;
  bool checked = false;      // the check mark each time the window is created
};

std::span<const NoteMenuSpec> noteMenus();
// Every item, in menu order.
std::span<const NoteMenuItemSpec> noteMenuItems();

inline constexpr std::string_view kNoteBoxCaption = "◇ﾉｰﾄ操作箱　　　　▲Ｆ８▼";
inline constexpr std::string_view kNoteBoxFieldHint = "書き込み不可。↑↓ｷｰか、ﾏｳｽで増減。";
inline constexpr std::string_view kNoteBoxEqKaigyoCaption = "’＝’で改行する";
inline constexpr std::string_view kNoteBoxDigitsCaption = "ケタを付けて読む";
inline constexpr std::string_view kNoteBoxKankakuGroup = "行送り";
inline constexpr std::string_view kNoteBoxPageGroup = "◆ノートのページ高(80～300％)";
inline constexpr std::string_view kNoteBoxPageBefore = "・Ａ４高の";
inline constexpr std::string_view kNoteBoxPageAfter = "[％]";

struct NoteBoxButtonSpec {
  std::string_view name;     // object name
  std::string_view group;    // the group box it sits in; empty: loose on the box
  std::string_view caption;
  std::string_view hint;     // tooltip; empty: none
  NoteCommand command = NoteCommand::None;
};

// The control box's buttons, group by group.
std::span<const NoteBoxButtonSpec> noteBoxButtons();

}  // namespace ravlo
