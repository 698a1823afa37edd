#pragma once
// The settings dialog (条件設定ボックス) without its window: what each control shows, what a
// change of it writes into the settings at once, and what the main window must then do.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/model/control_spec.h"
#include "tools/model/pai_check.h"
#include "tools/model/tool_effects.h"

namespace ravlo {

class CalcState;

inline constexpr std::string_view kJoukenCaption = "▼条件設定▼";
inline constexpr int kJoukenWidth = 223;
inline constexpr int kJoukenHeight = 402;
inline constexpr int kJoukenRightGap = 50;  // from the main window's right edge
inline constexpr int kJoukenTopGap = 50;    // below the main window's top
inline constexpr std::string_view kGoalEditorFeature = "今週の目標";

enum class JoukenControl {
  CheckBox1,     // 入力ごと: EVERYINPUT
  CheckBox2,     // 式と答え: ALLSTRING
  CheckBox3,     // ＊＊＊＊: WITHKETA (always disabled)
  SpRateBar,     // HAYASA
  SpVolBar,      // OOKISA / 10
  CheckBox4,     // EQUAL_KAIGYO
  CheckBox5,     // INPUTSTR_DSP
  CheckBox6,     // KAKERU_ABR
  CheckBox7,     // WAKIGAKI
  CheckBox8,     // SBARDSP
  RadioGroup1,   // ANSSYU
  SyoBCheckBox,  // SYOUDSP
  RadioGroup4,   // PROCDSP
  UpDown1,       // CURSOLTEMPO
  UpDown2,       // JIOKURI
  ComboBox1,     // DSPBANGOU
  UpDown3,       // PAGEA4BAI
  UpDown4,       // GYOKEISUU
};

// Every control in form order.
std::span<const JoukenControl> joukenControls();
const ControlSpec& joukenSpec(JoukenControl control);

class JoukenModel {
 public:
  explicit JoukenModel(CalcState& state);

  // What the control shows when the dialog opens (-1: a goal list with no goals).
  int value(JoukenControl control) const;
  // The control now shows `value` (kept within its range): the setting takes it at once.
  ToolEffects change(JoukenControl control, int value);

  // The goal texts the drop-down list holds.
  std::vector<std::string> goals() const;
  // The goal editor was confirmed with these lines: the first ten become the goals and the
  // first one is shown.
  ToolEffects replaceGoals(std::span<const std::string> lines);

  // The π field changed from `previous` to `text`: the text becomes PaiStr and is checked; a
  // failure is reported in a message box. A text too long is taken back: PaiStr stays
  // `previous`, and so must the field.
  PaiCheck checkPai(std::string_view text, std::string_view previous);

  // The dialog closes with the π field reading `paiText`: PaiStr takes it as it is and the
  // answer form follows the answer settings.
  void close(std::string_view paiText);

 private:
  CalcState& state_;
};

}  // namespace ravlo
