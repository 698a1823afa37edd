#pragma once
// What a key press means on the calculation screen. Keys are Windows virtual-key codes of a
// Japanese keyboard; the window's key translation maps its own key events onto them. The
// tables here only decide; the calculation state carries the decision out.
#include <string_view>

namespace ravlo {

// Virtual-key codes the tables use.
namespace vk {
inline constexpr int BackSpace = 8;
inline constexpr int Enter = 13;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;  // '0'..'9' are 48..57
inline constexpr int A = 65;       // 'A'..'Z' are 65..90
inline constexpr int Numpad0 = 96; // numeric pad 0..9 are 96..105
inline constexpr int Multiply = 106;
inline constexpr int Add = 107;
inline constexpr int Subtract = 109;
inline constexpr int Decimal = 110;
inline constexpr int Divide = 111;
inline constexpr int F1 = 112;
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F7 = 118;
inline constexpr int F8 = 119;
inline constexpr int Colon = 186;      // ":" (Shift: "*")
inline constexpr int Semicolon = 187;  // ";" (Shift: "+")
inline constexpr int Comma = 188;      // "," (Shift: "<")
inline constexpr int Minus = 189;      // "-" (Shift: "=")
inline constexpr int Period = 190;     // "." (Shift: ">")
inline constexpr int Slash = 191;      // "/" (Shift: "?")
inline constexpr int At = 192;         // "@"
inline constexpr int BracketOpen = 219;   // "["
inline constexpr int Yen = 220;           // "¥": types the π approximation
inline constexpr int BracketClose = 221;  // "]"
inline constexpr int Caret = 222;         // "^"
}  // namespace vk

struct KeyMods {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Everything the screen does on a key besides typing a token. The first group is carried
// out by the calculation state itself; the rest belong to the windows and the conversion
// commands and are handed to them.
enum class CalcCommand {
  // carried out by the calculation state
  Clear,                 // SikiClear
  Restore,               // SikiRestore
  BackSpace,             // SikiBackSpace
  ScrollUp,              // scroll -4 pixels
  ScrollDown,            // scroll +4 pixels
  ScrollTop,             // input closed: jump to the top
  ScrollBottom,          // input closed: jump to the bottom
  LineSpacingUp,         // GyoKeisuu + 1 (at most 12)
  LineSpacingDown,       // GyoKeisuu - 1 (at least 1)
  PageHeightUp,          // PAGEA4BAI + 1 (at most 400)
  PageHeightDown,        // PAGEA4BAI - 1 (at least 80)
  ProcessDisplaySwitch,  // F5
  BetsukaiSwitch,        // F6
  EqualKaigyoSwitch,     // Ctrl+L
  KeepAnswer,            // CopyAnswer
  PasteAnswer,           // PasteAnswer
  ViewAnswer,            // ViewAnswer
  KeepAndCopy,           // Ctrl+C: CopyAnswer, and the computed line onto the clipboard
  // handed to the windows
  SettingsDialog,
  Notebook,
  SubstitutionBox,
  ExpressionMemo,
  ConstantsBox,
  FocusToolBox,          // F7 with a tool box open
  FontDialog,
  InputPanelSwitch,      // F8, Ctrl+I
  ExpressionEditor,
  ReadAloud,
  ProcessSettingsDialog,
  HideInputPanel,
  // handed to the conversion commands
  AnswerAsDecimal,       // 小S
  AnswerAsMixed,         // 帯T
  AnswerAsImproper,      // 仮K
  Reduce,                // YakuProcDsp
  DecimalToFraction,     // SyouSToBunDsp
  JunkanSyori,           // fraction <-> repeating decimal
  PrimeFactorize,        // SoinsuuPre / SoinsuuDsp
  NsinModeSwitch,
  NsinHenkan,
  Solve,                 // HouteiDsp
};

// True for the commands the calculation state carries out itself.
constexpr bool isStateCommand(CalcCommand c) {
  return static_cast<int>(c) <= static_cast<int>(CalcCommand::KeepAndCopy);
}

std::string_view commandName(CalcCommand c);

enum class KeyActionKind {
  Nothing,       // the key does nothing
  Token,         // `token` goes to JiInput
  AppendDirect,  // base-n mode: `token` is appended without the checker
  Command,       // `command` runs
};

struct KeyAction {
  KeyActionKind kind = KeyActionKind::Nothing;
  char token = '\0';
  CalcCommand command = CalcCommand::Clear;
  // The yen key types the π approximation first, then its action still runs.
  bool typePai = false;

  friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// What InpKeySyori needs to know about the program beyond the key.
struct KeyContext {
  bool InpAccept = true;
  bool NsinMode = false;
  bool RETKEYFLAG = true;
  // A constants box, substitution box or expression memo is open (F7 focuses it).
  bool toolBoxOpen = false;
};

// The input panel's key processor: the key table, first matching rule wins.
KeyAction InpKeyAction(int key, KeyMods mods, const KeyContext& ctx);

// The main window's own keys, looked at before InpKeySyori. Returns Nothing when the key
// goes on to InpKeySyori with the same modifiers (Shift+R and Shift+N among them).
KeyAction MainWindowKeyAction(int key, KeyMods mods);

// The input panel's Alt keys, looked at after InpKeySyori when the panel has the focus.
KeyAction InputPanelAltKeyAction(int key, KeyMods mods);

}  // namespace ravlo
