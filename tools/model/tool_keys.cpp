#include "tools/model/tool_keys.h"

namespace ravlo {
namespace {

ToolKeyAction insert(std::string_view text) { return {ToolKey::Insert, std::string(text)}; }

bool plain(KeyMods m) { return !m.shift && !m.ctrl && !m.alt; }

// What both windows type instead of the key's own character.
ToolKeyAction typingKey(int key, KeyMods mods, bool keyTenyou, std::string_view paiStr) {
  if (key == vk::Yen && !mods.ctrl && !mods.alt) return insert(paiStr);
  if (key == vk::Enter && mods.shift && !mods.ctrl && !mods.alt) return insert("=");
  if (key == vk::F8 && plain(mods)) return {ToolKey::F8, {}};
  if (key == vk::F7 && plain(mods)) return {ToolKey::F7, {}};
  if (keyTenyou && plain(mods)) {
    switch (key) {
      case vk::Down: return insert("=");
      case vk::PageUp: return insert("k");
      case vk::PageDown: return insert("b");
      case vk::Home: return insert("(");
      case vk::End: return insert(")");
      default: break;
    }
  }
  return {};
}

}  // namespace

ToolKeyAction sikiEditKeyAction(int key, KeyMods mods, bool keyTenyou, std::string_view paiStr) {
  if (key == kUnderscoreKey && !mods.ctrl && !mods.alt) return insert("=");
  if (mods.ctrl && !mods.alt) {
    switch (key) {
      case vk::Enter:
      case 'Q': return {ToolKey::Compute, {}};
      case 'L': return {ToolKey::EqualKaigyo, {}};
      case '1':
      case vk::Numpad0 + 1: return {ToolKey::Solve, {}};
      default: break;
    }
  }
  if (mods.alt && !mods.ctrl && key == 'C') return {ToolKey::Close, {}};
  if (key == vk::Enter && plain(mods)) return {ToolKey::Display, {}};
  return typingKey(key, mods, keyTenyou, paiStr);
}

ToolKeyAction dainyuuKeyAction(int key, KeyMods mods, bool keyTenyou, std::string_view paiStr) {
  return typingKey(key, mods, keyTenyou, paiStr);
}

}  // namespace ravlo
