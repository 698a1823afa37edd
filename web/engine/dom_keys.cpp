#include "web/engine/dom_keys.h"

#include <charconv>

#include "app/model/typed_keys.h"
#include "render/text_cells.h"

namespace ravlo {
namespace {

int namedKey(std::string_view name) {
  struct Named {
    std::string_view name;
    int key;
  };
  constexpr Named kNamed[] = {
      {"Backspace", vk::BackSpace}, {"Tab", 9},           {"Enter", vk::Enter},
      {"Pause", 19},                {"Escape", 27},       {" ", 32},
      {"PageUp", vk::PageUp},       {"PageDown", vk::PageDown}, {"End", vk::End},
      {"Home", vk::Home},           {"ArrowLeft", vk::Left},    {"ArrowUp", vk::Up},
      {"ArrowRight", vk::Right},    {"ArrowDown", vk::Down},    {"Insert", vk::Insert},
      {"Delete", vk::Delete},       {"Clear", 12},
  };
  for (const Named& n : kNamed)
    if (n.name == name) return n.key;
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    int number = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
    if (error == std::errc() && end == name.data() + name.size() && number >= 1 && number <= 24)
      return vk::F1 + number - 1;
  }
  return 0;
}

}  // namespace

DomKey translateDomKey(std::string_view domKey, KeyMods mods, bool numpad) {
  if (numpad && domKey.size() == 1) {
    if (const int pad = keypadKeyFor(static_cast<unsigned char>(domKey[0])); pad != 0) {
      mods.shift = false;
      return {pad, mods};
    }
  }
  if (const int key = namedKey(domKey); key != 0) return {key, mods};
  if (domKey.empty() || utf8CharLength(domKey, 0) != domKey.size()) return {};
  char32_t c = static_cast<unsigned char>(domKey[0]);
  if (domKey.size() > 1) {
    // One multi-byte character: its code point.
    c &= 0xFFu >> (domKey.size() + 1);
    for (std::size_t i = 1; i < domKey.size(); ++i)
      c = (c << 6) | (static_cast<unsigned char>(domKey[i]) & 0x3Fu);
  }
  // Letters keep the modifiers pressed with them (Ctrl+S, Shift+N); a printed character is
  // the Japanese key that prints it, its Shift included.
  if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) {
    return {vk::A + static_cast<int>((c | 0x20u) - U'a'), mods};
  }
  const TypedKey typed = japaneseKeyFor(c);
  if (typed.key == 0) return {};
  mods.shift = typed.shift;
  return {typed.key, mods};
}

}  // namespace ravlo
