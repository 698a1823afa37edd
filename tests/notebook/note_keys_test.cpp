#include "notebook/model/note_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace ravlo {
namespace {

using C = NoteCommand;

struct KeyRow {
  const char* name;
  int key;
  KeyMods mods;
  NoteCommand expected;
};

constexpr KeyMods kNone{};
constexpr KeyMods kShift{true, false, false};
constexpr KeyMods kCtrl{false, true, false};
constexpr KeyMods kAlt{false, false, true};
constexpr KeyMods kCtrlShift{true, true, false};
constexpr KeyMods kCtrlAlt{false, true, true};

class NoteKeys : public ::testing::TestWithParam<KeyRow> {};

TEST_P(NoteKeys, MapToTheirCommand) {
  const KeyRow& row = GetParam();
  EXPECT_EQ(noteCommandName(NoteKeyCommand(row.key, row.mods)), noteCommandName(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoteKeys,
    ::testing::Values(
        KeyRow{"ShiftF", 'F', kShift, C::FontDialog},
        KeyRow{"ShiftUp", vk::Up, kShift, C::SelectPrevious},
        KeyRow{"ShiftDown", vk::Down, kShift, C::SelectNext},
        KeyRow{"ShiftPageUp", vk::PageUp, kShift, C::LineSpacingUp},
        KeyRow{"ShiftPageDown", vk::PageDown, kShift, C::LineSpacingDown},
        KeyRow{"CtrlL", 'L', kCtrl, C::EqualKaigyo}, KeyRow{"CtrlK", 'K', kCtrl, C::ReadAll},
        KeyRow{"CtrlN", 'N', kCtrl, C::ClearNotebook}, KeyRow{"CtrlB", 'B', kCtrl, C::Undo},
        KeyRow{"CtrlC", 'C', kCtrl, C::CloseWindow}, KeyRow{"CtrlH", 'H', kCtrl, C::CopySelected},
        KeyRow{"CtrlD", 'D', kCtrl, C::DeleteSelected},
        KeyRow{"CtrlE", 'E', kCtrl, C::EditSelected}, KeyRow{"CtrlO", 'O', kCtrl, C::Open},
        KeyRow{"CtrlG", 'G', kCtrl, C::EditAll}, KeyRow{"CtrlQ", 'Q', kCtrl, C::ComputeSelected},
        KeyRow{"CtrlY", 'Y', kCtrl, C::CutSelectedAnswer}, KeyRow{"CtrlS", 'S', kCtrl, C::Save},
        KeyRow{"CtrlT", 'T', kCtrl, C::TitleInput}, KeyRow{"CtrlU", 'U', kCtrl, C::CutAllAnswers},
        KeyRow{"CtrlR", 'R', kCtrl, C::ReadSelected}, KeyRow{"CtrlZ", 'Z', kCtrl, C::ComputeAll},
        KeyRow{"CtrlW", 'W', kCtrl, C::AddNew}, KeyRow{"CtrlJ", 'J', kCtrl, C::SettingsDialog},
        KeyRow{"AltJ", 'J', kAlt, C::SettingsDialog},
        KeyRow{"CtrlPageUp", vk::PageUp, kCtrl, C::PageHeightUp},
        KeyRow{"CtrlPageDown", vk::PageDown, kCtrl, C::PageHeightDown},
        KeyRow{"F8", vk::F8, kNone, C::ControlBoxKey},
        KeyRow{"BackSpace", vk::BackSpace, kNone, C::Undo},
        KeyRow{"Up", vk::Up, kNone, C::ScrollUp}, KeyRow{"Down", vk::Down, kNone, C::ScrollDown},
        KeyRow{"Left", vk::Left, kNone, C::ScrollLeft},
        KeyRow{"Right", vk::Right, kNone, C::ScrollRight},
        // Keys left to the menus' own shortcuts, and keys nobody knows.
        KeyRow{"CtrlP", 'P', kCtrl, C::None}, KeyRow{"CtrlA", 'A', kCtrl, C::None},
        KeyRow{"CtrlAltB", 'B', kCtrlAlt, C::None},
        KeyRow{"CtrlShiftF8", vk::F8, kCtrlShift, C::None}, KeyRow{"PlainF", 'F', kNone, C::None},
        KeyRow{"ShiftLeft", vk::Left, kShift, C::None}, KeyRow{"AltN", 'N', kAlt, C::None}),
    [](const ::testing::TestParamInfo<KeyRow>& row) { return std::string(row.param.name); });

struct WheelRow {
  const char* name;
  bool downTurn;
  bool left;
  bool right;
  NoteCommand expected;
};

class NoteWheel : public ::testing::TestWithParam<WheelRow> {};

TEST_P(NoteWheel, ScrollsOrSelectsByTheButtonsHeld) {
  const WheelRow& row = GetParam();
  EXPECT_EQ(noteCommandName(NoteWheelCommand(row.downTurn, row.left, row.right)),
            noteCommandName(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoteWheel,
    ::testing::Values(WheelRow{"Down", true, false, false, C::ScrollDown},
                      WheelRow{"Up", false, false, false, C::ScrollUp},
                      WheelRow{"RightHeldDown", true, false, true, C::ScrollRight},
                      WheelRow{"RightHeldUp", false, false, true, C::ScrollLeft},
                      WheelRow{"LeftHeldDown", true, true, false, C::SelectNext},
                      WheelRow{"LeftHeldUp", false, true, false, C::SelectPrevious},
                      // The right button wins when both are held.
                      WheelRow{"BothHeldDown", true, true, true, C::ScrollRight}),
    [](const ::testing::TestParamInfo<WheelRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace ravlo
