#pragma once
// A browser's key event as the key table knows it: the Japanese-keyboard virtual-key code of
// the key, found from the DOM's key name ("Enter", "ArrowLeft", "F5") or from the character
// the key prints, as the desktop's key translation does for Qt's key events.
#include <string_view>

#include "app/model/key_table.h"

namespace ravlo {

struct DomKey {
  int key = 0;  // 0: nothing the calculator listens to (a modifier on its own, a dead key)
  KeyMods mods;
};

// domKey is KeyboardEvent.key; the modifiers are the event's; numpad: the event's location is
// the numeric pad, whose keys are keys of their own ("/" there divides).
DomKey translateDomKey(std::string_view domKey, KeyMods mods, bool numpad = false);

}  // namespace ravlo
