#pragma once
// The process-settings dialog (詳細設定) without its window: the settings that steer the
// worked solutions and a few other calculations, each written at once.
#include <span>
#include <string_view>

#include "tools/model/control_spec.h"
#include "tools/model/tool_effects.h"

namespace ravlo {

class CalcState;

inline constexpr std::string_view kCalcProcSetCaption = "◆詳細設定◆";
inline constexpr int kCalcProcSetWidth = 200;
inline constexpr int kCalcProcSetHeight = 321;
inline constexpr int kCalcProcSetRightGap = 40;  // from the main window's right edge
inline constexpr int kCalcProcSetTopGap = 60;    // below the main window's top

enum class CalcProcControl {
  AdvCheckBox,   // ADVICEDSP
  RadioGroup2,   // PROCTEIDO: ふつう / くわしい
  RadioGroup1,   // PROCLASTANS: 帯分数 / 仮分数
  CheckBox1,     // HenkanYakubun (not saved)
  CheckBox2,     // SoinsuuAbort (not saved)
  RadioGroup3,   // WA_TYPE and 1GYOU_SUU together
  RetKeyChkBox,  // RETKEYFLAG
  CheckBox3,     // WARI_TYPE
  UpDown1,       // WARI_PNT
};

std::span<const CalcProcControl> calcProcControls();
const ControlSpec& calcProcSpec(CalcProcControl control);

class CalcProcSetModel {
 public:
  explicit CalcProcSetModel(CalcState& state);

  // The dialog opens. It offers 0 … 6 quotient places; a larger count from the settings file
  // is shown as it is and kept until the learner picks another.
  void open();
  // The largest place count the dialog offers while it is open.
  int placesMax() const { return placesMax_; }
  int value(CalcProcControl control) const;
  ToolEffects change(CalcProcControl control, int value);
  // The place count can be changed only while quotients with remainder are on.
  bool wariPntEnabled() const;

 private:
  CalcState& state_;
  int placesMax_;
};

}  // namespace ravlo
