#pragma once
// The notebook window's layout values and switches, as its keys, menus and control box
// change them: line spacing, page height, answer-column position, the "=" line break and the
// control box's show / minimize / create.
#include <optional>
#include <string>
#include <string_view>

namespace ravlo {

// Line spacing (KANKAKU): the control box's field goes 2..25; the keys step within 5..25.
inline constexpr int kNoteKankakuMin = 2;
inline constexpr int kNoteKankakuKeyMin = 5;
inline constexpr int kNoteKankakuMax = 25;
// Page height (PAGEA4BAIN) in % of A4: 80..300; the field steps by 5, the keys by 1.
inline constexpr int kNotePageMin = 80;
inline constexpr int kNotePageMax = 300;
inline constexpr int kNotePageFieldStep = 5;
// Answer column start (KAITOURAN_ITI) in half-width characters.
inline constexpr int kNoteItiMin = 10;
inline constexpr int kNoteItiMax = 80;

// "ウインドウＡ４幅": width A4Width, this height, at this place.
inline constexpr int kNoteA4PresetHeight = 600;
inline constexpr int kNoteA4PresetTop = 60;
inline constexpr int kNoteA4PresetLeft = 80;

// The control box stands this far left of / above the notebook's client right / bottom edge.
inline constexpr int kNoteBoxLeftOffset = 200;
inline constexpr int kNoteBoxTopOffset = 230;

inline constexpr std::string_view kNoteItiCaption = "◆解答欄の開始位置を設定◆";

// Shift+PageUp / Shift+PageDown: +1 up to 25, -1 down to 5. A value the field set below 5
// is not raised by a step down.
int NoteKankakuKeyStep(int now, int delta);
// Ctrl+PageUp / Ctrl+PageDown: +1 / -1 within 80..300.
int NotePageKeyStep(int now, int delta);

// The answer-column query's prompt for the current value.
std::string NoteItiPrompt(int current);
// The value typed into the query when it is an integer within 10..80.
std::optional<int> NoteItiParse(std::string_view text);

// "＝で改行(&L)": the item's check mark flips; the flag follows it unless the mark went off
// while the flag was already off. True when the flag was set (the box's check box, the
// setting and the page follow then).
bool NoteEqKaigyoMenuToggle(bool& checkMark, bool& EqKaigyoFlag);

enum class NoteBoxState { Closed, Shown, Minimized };
enum class NoteBoxAction { Create, Restore, Minimize };
// F8 and "コマンドﾞ箱を開く": minimize a shown box, restore a minimized one, create a closed one.
NoteBoxAction NoteBoxToggle(NoteBoxState state);

}  // namespace ravlo
