#pragma once
// The calculation state: the one expression the learner builds on the calculation screen,
// the dispatcher that turns keys and panel buttons into checked tokens, the "=" computation,
// and the editing commands clear, restore and backspace. No window here: the screen asks
// this object what to draw and is told when to draw it again (CalcView).
//
// Start-up order, as the windows call it:
//   1. the application starts; its help file is kHelpFileName;
//   2. the main window is constructed: program folder found, settings file loaded;
//   3. main window OnCreate: caption kMainCaption, cursor timer stopped and set to
//      CURSOLTEMPO, canvas pen kCanvasPenColor / kCanvasPenWidth, canvas font FONTNAME /
//      FONTSIZE with fixed pitch, then MainFormCreate() with the font's metrics, the side
//      panel, the scroll bar (position 0, range scrollRange(), step kScrollStep), status bar,
//      timer started;
//   4. the input panel is created: InputFormCreate(), placed kInputPanelLeftOffset /
//      kInputPanelTopOffset pixels left of / above the main window's right / bottom edge;
//   5. the event loop runs.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/answer_keep.h"
#include "app/model/calc_settings.h"
#include "app/model/calc_view.h"
#include "app/model/key_table.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"
#include "process/process_context.h"
#include "process/process_engine.h"
#include "render/canvas.h"
#include "render/expr_renderer.h"

namespace ravlo {

// JiInput results.
inline constexpr int kJiAccepted = 11;
inline constexpr int kJiRefused = -1;       // refused, or consumed without appending
inline constexpr int kJiClosed = -2;        // input is closed
inline constexpr int kJiComputed = -4;      // "=" ran the computation
inline constexpr int kJiProcessFailed = -100;  // the process engine stopped on an error
// EqualKeisan results besides the evaluator's negative CalcStatus.
inline constexpr int kEqualOk = 5;
inline constexpr int kEqualRatioFailed = -14;
// SikiRestore when there is nothing to restore.
inline constexpr int kRestoreNotAllowed = -3;

// More tokens than this already accepted: the next one is refused.
inline constexpr int kMaxInpCount = 256;

inline constexpr std::string_view kTooLongText = "式の長さが256字を超えた!!";
inline constexpr std::string_view kNsinRestoreCaption = "深謝！";
inline constexpr std::string_view kNsinRestoreText =
    "Ａ～Ｆ を含む数字は復活できません。\n再入力してください。";
inline constexpr std::string_view kDividedNote = "【割り切れました】";
inline constexpr std::string_view kNotDividedNote = "【割り切れません】";

inline constexpr std::string_view kMainCaption =
    "分数計算器『ラヴロ(RS)』 計算画面 -- ケオル舎";
inline constexpr std::string_view kInputPanelCaption = "<数式操作ﾊﾟﾈﾙ>　▼Ｆ８▲";
inline constexpr std::string_view kInputStringPanelCaption = "　■入力文字列 ⇒";
inline constexpr std::string_view kHelpFileName = "VAZAVA02.HLP";
inline constexpr int kInputPanelLeftOffset = 210;
inline constexpr int kInputPanelTopOffset = 280;
inline constexpr int kScrollStep = 5;      // the scroll bar's increment
inline constexpr int kArrowScroll = 4;     // Up / Down / wheel move this many pixels

inline constexpr Color kBackColor = 0xC0DCC0;
inline constexpr Color kCursorColor = 0xFF0000;
inline constexpr Color kCanvasPenColor = 0x808000;
inline constexpr Color kAppendedValueColor = 0x800000;
inline constexpr int kCanvasPenWidth = 2;

inline constexpr int kMinGyoKeisuu = 1;
inline constexpr int kMaxGyoKeisuu = 12;
inline constexpr int kMinPageA4Bai = 80;
inline constexpr int kMaxPageA4Bai = 400;

// What the window measured in the calculation-screen font.
struct FontMetrics {
  int textWidth10 = 0;   // TextWidth("1234567890")
  int textHeight10 = 0;  // TextHeight("1234567890")
};

// The line-head marker, drawn at (x, y); its pen x after drawing is where the line starts.
struct LineMarkSpec {
  int x = 0;
  int y = 0;
  std::string_view text;
  Color color = 0;
};

// The note beside a decimal answer, drawn after the line at (x + 2 × CharW, y + CharH) in
// fontSize, where (x, y) is the top-left of the "＝" before the decimal: the equalIndex-th
// "＝" of the line (from 0), or the last one when equalIndex is negative.
struct AnswerNote {
  std::string_view text;
  Color color = 0;
  int fontSize = 0;
  int equalIndex = -1;
};

// One closing line under a prime factorization. Rows count character heights below the row
// that holds the factorization; a text that follows the divisor-sum run stands right after it.
struct SoinsuuLine {
  enum class Kind { Text, Run, AfterRun };
  Kind kind = Kind::Text;
  int row = 0;
  std::string text;
  Color color = 0;
  friend bool operator==(const SoinsuuLine&, const SoinsuuLine&) = default;
};

class CalcState {
 public:
  CalcState(CalcSettings& settings, MessageSink& sink);
  CalcState(const CalcState&) = delete;
  CalcState& operator=(const CalcState&) = delete;

  // ---- the world around (all optional; nothing happens without them) ----
  void setView(CalcView* view) { view_ = view ? view : &noView_; }
  void setVoice(CalcVoice* voice) { voice_ = voice ? voice : &noVoice_; }
  void setCommands(CalcCommandHandler* commands) {
    commands_ = commands ? commands : &noCommands_;
  }
  // Reads a text aloud through the voice; whole = a whole line rather than one token.
  void speak(std::string_view text, bool whole) { voice_->SikiSpeak(text, whole); }
  void speakOnRequest(std::string_view text) { voice_->speakOnRequest(text); }

  // ---- the calculation state ----
  std::string InpSiki;       // the current line
  int InpCount = 0;          // tokens accepted since the last clear
  bool InpAccept = true;     // open for input
  std::string LastSiki;      // InpSiki after the last accepted token: the source of restore
  bool RestoreOK = false;    // set by clear, used up by restore and backspace
  bool NsinMode = false;     // base-n conversion mode
  bool ReplayMode = false;   // backspace is re-entering the remaining tokens
  bool AnsShownTai = false;  // the mixed form is on screen (帯T disabled)
  bool AnsShownKa = false;   // the improper form is on screen (仮K disabled)
  bool AnsShownSyou = false; // the decimal form is on screen (小S disabled)
  bool SoinsuuShown = false; // a prime factorization is on screen; cleared by clear
  std::vector<SoinsuuLine> SoinsuuLines;  // its closing lines, drawn on every paint
  bool SoinsuuAbort = true;  // factorization may be interrupted (Escape or a click)
  int NsinSavedEveryInput = 0;  // EVERYINPUT while base-n mode keeps it at 0
  std::string PaiStr = "3.14";  // what the yen key types
  int AnsForm = 0;           // ANSSYU + 4 × SYOUDSP
  int GyoKeisuu = 5;         // working copy of GYOKEISUU
  std::optional<AnswerNote> DecimalNote;
  // The values 帯T and 仮K appended, drawn in kAppendedValueColor; emptied by clear.
  std::vector<InkSpan> AppendedValues;
  // The kept answer (答を一時保存); clears leave it alone.
  AnswerKeep answers;
  // Set while the line is being drawn onto a printer page.
  bool PrintFlag = false;
  // Set while the notebook is open: nothing is typed into the line, restored or backspaced,
  // so the line keeps the state it had and is open again exactly when it was open before.
  bool InputLocked = false;

  // The checker's context: state, PrevJi, CurJi, InpErrNo and counters.
  InpCheckState check;
  char CurJi() const { return check.CurJi; }
  char PrevJi() const { return check.PrevJi; }
  int InpErrNo() const { return check.InpErrNo; }

  // ---- screen geometry (pixels) ----
  int CharW = 0;
  int CharH = 0;
  int LeftX = 0;
  int TopY = 0;
  int ProcTop = 0;
  int A4Height = 0;
  int A4Width = 0;
  int ScrollPos = 0;         // vertical scroll position
  int InputPanelHeight = 0;  // height of the input-string panel when it is shown
  int ClientHeight = 0;      // the calculation screen's height (End jumps there)

  // ---- the engines the state runs ----
  NumberText numberText;     // SyoOwariFlag of the last answer
  BunsuuHContext bunsuuH;
  KakkoContext kakko;
  InpCheckState evalCheck;   // the evaluator's own checker context
  Evaluator evaluator;       // CalcStatus, SyoAnsOK, AnsTaiStr, AnsKaStr of the last "="
  ProcessContext process;    // ProcText, ProcType, ProcOK, BetsukaiMode
  ProcessEngine engine;
  // Renderer state shared with the screen: CursorX/CursorY, CursorColor, power flag, line
  // count, answer position. The window draws the line with it.
  ExprRenderer renderer;

  // ---- start-up ----
  // The state's part of the main window's OnCreate.
  void MainFormCreate(const FontMetrics& metrics, int pixelsPerInch);
  // The input panel's OnCreate.
  void InputFormCreate();
  // The calculation-screen font changed (font dialog).
  void setFontMetrics(const FontMetrics& metrics);
  void setPixelsPerInch(int pixelsPerInch);
  // After the settings dialog closes.
  void updateAnsForm();

  // ---- painting support ----
  // The geometry a paint starts from: LeftX, TopY (with scroll and panel), line count reset,
  // GyoKeisuu from the settings, the renderer's copies of the settings.
  void layoutScreen();
  int scrollRange() const;
  LineMarkSpec LineMark() const;
  // The cursor block the blink timer fills (a low block on the power line while an
  // exponent is being typed).
  ScreenRect cursorBlock() const;
  // The block CursorErase fills.
  ScreenRect cursorEraseRect() const;

  // ---- input ----
  int JiInput(char token);
  // Every character through JiInput in turn; the last result.
  int JiInputText(std::string_view text);
  int InpKeySyori(int key, KeyMods mods);
  // The yen key: PaiStr typed up to the first character the checker refuses, so that a text
  // too long for the digit limit brings one message, not one for every digit left over.
  int typePai();
  // Runs a command of the key table or of a panel button.
  void runCommand(CalcCommand command);
  // Base-n mode: a digit A-F or the ">" mark, appended without the checker.
  bool appendDirect(char c);

  // ---- "=" ----
  int EqualKeisan(std::string_view expr);

  // ---- editing ----
  void SikiClear();
  int SikiRestore();
  int SikiBackSpace();

  // ---- screen commands ----
  void InpStrDsp(std::string_view text);
  void CursorErase();
  // Input is closed after a result (the conversion commands end this way too).
  void closeInput();
  void ProcessDisplaySwitch();
  void EqualKaigyoSwitch();
  int BetsukaiSwitch();
  void scrollBy(int delta);
  // One line of text, as far as one notch of the mouse wheel scrolls: CharH × GyoKeisuu / 2.
  int lineAdvance() const;
  void scrollTo(int position);
  void lineSpacing(int delta);
  void pageHeight(int delta);

  CalcSettings& settings() { return settings_; }
  MessageSink& sink() { return sink_; }
  // The screen draws the state again.
  void repaint() { view_->repaint(); }
  // 帯T, 仮K and 小S follow AnsShownTai, AnsShownKa and AnsShownSyou.
  void answerButtonsChanged();

 private:
  int equalSequence();
  void computeProcTop();

  CalcSettings& settings_;
  MessageSink& sink_;
  CalcView noView_;
  CalcVoice noVoice_;
  CalcCommandHandler noCommands_;
  CalcView* view_ = &noView_;
  CalcVoice* voice_ = &noVoice_;
  CalcCommandHandler* commands_ = &noCommands_;
};

}  // namespace ravlo
