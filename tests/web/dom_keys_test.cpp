#include "web/engine/dom_keys.h"

#include <gtest/gtest.h>

#include <string_view>

namespace ravlo {
namespace {

struct DomKeyRow {
  std::string_view domKey;
  KeyMods pressed;
  int key;
  KeyMods given;
  bool numpad = false;
};

class DomKeys : public ::testing::TestWithParam<DomKeyRow> {};

TEST_P(DomKeys, GiveTheJapaneseKey) {
  const DomKeyRow& row = GetParam();
  const DomKey k = translateDomKey(row.domKey, row.pressed, row.numpad);
  EXPECT_EQ(k.key, row.key) << row.domKey;
  if (row.key == 0) return;
  EXPECT_EQ(k.mods.shift, row.given.shift) << row.domKey;
  EXPECT_EQ(k.mods.ctrl, row.given.ctrl) << row.domKey;
  EXPECT_EQ(k.mods.alt, row.given.alt) << row.domKey;
}

constexpr KeyMods kNone{};
constexpr KeyMods kShift{true, false, false};
constexpr KeyMods kCtrl{false, true, false};

INSTANTIATE_TEST_SUITE_P(
    Rows, DomKeys,
    ::testing::Values(
        // Named keys keep the modifiers pressed with them.
        DomKeyRow{"Enter", kCtrl, vk::Enter, kCtrl}, DomKeyRow{"ArrowLeft", kNone, vk::Left, kNone},
        DomKeyRow{"PageUp", kShift, vk::PageUp, kShift}, DomKeyRow{"F5", kNone, vk::F5, kNone},
        DomKeyRow{"F24", kNone, vk::F1 + 23, kNone}, DomKeyRow{"F25", kNone, 0, kNone},
        DomKeyRow{"Fn", kNone, 0, kNone}, DomKeyRow{"Shift", kShift, 0, kNone},
        // Letters too, in either case.
        DomKeyRow{"s", kCtrl, 'S', kCtrl}, DomKeyRow{"N", kShift, 'N', kShift},
        // A printed character is the Japanese key that prints it, its own Shift included,
        // whatever the layout needed.
        DomKeyRow{"+", kShift, vk::Semicolon, kShift}, DomKeyRow{"=", kShift, vk::Minus, kShift},
        DomKeyRow{"-", kNone, vk::Minus, kNone}, DomKeyRow{"*", kShift, vk::Colon, kShift},
        DomKeyRow{":", kShift, vk::Colon, kNone}, DomKeyRow{"(", kShift, '8', kShift},
        DomKeyRow{"3", kNone, '3', kNone}, DomKeyRow{"¥", kNone, vk::Yen, kNone},
        DomKeyRow{"あ", kNone, 0, kNone}, DomKeyRow{"", kNone, 0, kNone},
        DomKeyRow{"12", kNone, 0, kNone},
        // On the numeric pad, the pad's own keys, without the Shift its layout may report.
        DomKeyRow{"/", kNone, vk::Divide, kNone, true}, DomKeyRow{"*", kShift, vk::Multiply, kNone, true},
        DomKeyRow{"7", kNone, vk::Numpad0 + 7, kNone, true}, DomKeyRow{",", kNone, vk::Decimal, kNone, true},
        DomKeyRow{"Enter", kNone, vk::Enter, kNone, true}));

}  // namespace
}  // namespace ravlo
