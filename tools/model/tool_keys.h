#pragma once
// The keys the expression editor and the substitution box see before their fields do.
// Keys are the virtual-key codes of the calculation screen's key table.
#include <string>
#include <string_view>

#include "app/model/key_table.h"

namespace ravlo {

// The key that types "=" beside the right Shift ("ろ" on a Japanese keyboard).
inline constexpr int kUnderscoreKey = 226;

enum class ToolKey {
  None,         // the field has the key
  Insert,       // `text` goes into the field at the caret
  Display,      // 式表示
  Compute,      // 計算
  Close,        // 閉
  F8,           // focus the next tool window
  F7,           // the other next tool window (the editor: the constants box)
  EqualKaigyo,  // break the line at "=" on or off
  Solve,        // the picture: solve the field's text
};

struct ToolKeyAction {
  ToolKey kind = ToolKey::None;
  std::string text;
  friend bool operator==(const ToolKeyAction&, const ToolKeyAction&) = default;
};

// The expression editor: Enter displays, Ctrl+Enter or Ctrl+Q computes, Alt+C closes,
// Ctrl+L breaks at "=", Ctrl+1 solves; the yen key types paiStr, Shift+Enter and the "ろ" key
// type "="; with the key diversion on, ↓ PageUp PageDown Home End type "=" "k" "b" "(" ")".
ToolKeyAction sikiEditKeyAction(int key, KeyMods mods, bool keyTenyou, std::string_view paiStr);

// The substitution box: F7, F8, the yen key, Shift+Enter and the key diversion, as above.
ToolKeyAction dainyuuKeyAction(int key, KeyMods mods, bool keyTenyou, std::string_view paiStr);

}  // namespace ravlo
