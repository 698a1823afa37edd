#pragma once
// Qt key events as the key table knows them: virtual-key codes of a Japanese keyboard.
//
// A key that prints a character counts as the Japanese key that prints the same character,
// Shift included, whatever layout the keyboard has: "+" is Shift+";" (187), "=" is Shift+"-"
// (189), "*" is Shift+":" (186), "(" is Shift+"8". The main keyboard's minus is 189 without
// Shift; the keypad's keys have codes of their own. Keys that print nothing (arrows, F keys,
// Enter) keep the modifiers pressed with them.
#include <Qt>

#include "app/model/key_table.h"

class QKeyEvent;

namespace ravlo {

struct TranslatedKey {
  int key = 0;  // 0: nothing the program listens to (a modifier on its own)
  KeyMods mods;
};

TranslatedKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers);
TranslatedKey translateKey(const QKeyEvent& event);

}  // namespace ravlo
