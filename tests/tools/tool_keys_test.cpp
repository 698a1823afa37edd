// The keys the expression editor and the substitution box take before their fields.
#include <gtest/gtest.h>

#include <ostream>

#include "tools/model/tool_keys.h"

namespace ravlo::test {
namespace {

constexpr KeyMods kNone{};
constexpr KeyMods kShift{true, false, false};
constexpr KeyMods kCtrl{false, true, false};
constexpr KeyMods kAlt{false, false, true};

struct KeyRow {
  const char* what;
  int key;
  KeyMods mods;
  bool keyTenyou;
  ToolKeyAction editor;
  ToolKeyAction box;
  friend void PrintTo(const KeyRow& r, std::ostream* os) { *os << r.what; }
};

ToolKeyAction ins(const char* t) { return {ToolKey::Insert, t}; }
ToolKeyAction act(ToolKey k) { return {k, {}}; }
const ToolKeyAction kField{};

class ToolKeys : public ::testing::TestWithParam<KeyRow> {};

TEST_P(ToolKeys, MeanWhatTheTableSays) {
  const KeyRow& r = GetParam();
  EXPECT_EQ(sikiEditKeyAction(r.key, r.mods, r.keyTenyou, "3.14"), r.editor);
  EXPECT_EQ(dainyuuKeyAction(r.key, r.mods, r.keyTenyou, "3.14"), r.box);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToolKeys,
    ::testing::Values(
        KeyRow{"yen", vk::Yen, kNone, false, ins("3.14"), ins("3.14")},
        KeyRow{"Shift+yen", vk::Yen, kShift, false, ins("3.14"), ins("3.14")},
        KeyRow{"ro key", kUnderscoreKey, kShift, false, ins("="), kField},
        KeyRow{"Shift+Enter", vk::Enter, kShift, false, ins("="), ins("=")},
        KeyRow{"Enter", vk::Enter, kNone, false, act(ToolKey::Display), kField},
        KeyRow{"Ctrl+Enter", vk::Enter, kCtrl, false, act(ToolKey::Compute), kField},
        KeyRow{"Ctrl+Q", 'Q', kCtrl, false, act(ToolKey::Compute), kField},
        KeyRow{"Alt+C", 'C', kAlt, false, act(ToolKey::Close), kField},
        KeyRow{"F8", vk::F8, kNone, false, act(ToolKey::F8), act(ToolKey::F8)},
        KeyRow{"F7", vk::F7, kNone, false, act(ToolKey::F7), act(ToolKey::F7)},
        KeyRow{"Ctrl+L", 'L', kCtrl, false, act(ToolKey::EqualKaigyo), kField},
        KeyRow{"Ctrl+1", '1', kCtrl, false, act(ToolKey::Solve), kField},
        KeyRow{"Ctrl+keypad 1", vk::Numpad0 + 1, kCtrl, false, act(ToolKey::Solve), kField},
        KeyRow{"Down, diversion off", vk::Down, kNone, false, kField, kField},
        KeyRow{"Down", vk::Down, kNone, true, ins("="), ins("=")},
        KeyRow{"PageUp", vk::PageUp, kNone, true, ins("k"), ins("k")},
        KeyRow{"PageDown", vk::PageDown, kNone, true, ins("b"), ins("b")},
        KeyRow{"Home", vk::Home, kNone, true, ins("("), ins("(")},
        KeyRow{"End", vk::End, kNone, true, ins(")"), ins(")")},
        KeyRow{"Shift+Home selects", vk::Home, kShift, true, kField, kField},
        KeyRow{"a letter", 'A', kNone, true, kField, kField}));

}  // namespace
}  // namespace ravlo::test
