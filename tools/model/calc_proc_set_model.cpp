#include "tools/model/calc_proc_set_model.h"

#include <algorithm>
#include <array>

#include "app/model/calc_state.h"

namespace ravlo {
namespace {

using C = CalcProcControl;
using K = ControlKind;

constexpr std::array<std::string_view, 2> kDetailItems{"ふつう", "くわしい"};
constexpr std::array<std::string_view, 2> kLastAnswerItems{"帯分数", "仮分数"};
constexpr std::array<std::string_view, 4> kDivisorItems{
    "元の数を除く[10個で改行]", "元の数を除く[５個で改行]", "全約数[10個で改行]",
    "全約数[５個で改行]"};

constexpr std::array kControls{C::AdvCheckBox, C::RadioGroup2, C::RadioGroup1,
                               C::CheckBox1,   C::CheckBox2,   C::RadioGroup3,
                               C::RetKeyChkBox, C::CheckBox3,  C::UpDown1};

const std::array<ControlSpec, kControls.size()> kSpecs{{
    {.name = "AdvCheckBox", .kind = K::CheckBox, .caption = "式の後にアドバイスを表示"},
    {.name = "RadioGroup2", .kind = K::RadioGroup, .caption = "◇式の詳しさ◇",
     .items = kDetailItems},
    {.name = "RadioGroup1", .kind = K::RadioGroup, .caption = "★最終表示★",
     .items = kLastAnswerItems},
    {.name = "CheckBox1", .kind = K::CheckBox, .caption = "帯分数､仮分数の変換で約分"},
    {.name = "CheckBox2", .kind = K::CheckBox, .caption = "素因数分解時に中断が可能"},
    {.name = "RadioGroup3", .kind = K::RadioGroup, .caption = "素因数分解後の約数の和の表示",
     .items = kDivisorItems, .max = 3},
    {.name = "RetKeyChkBox", .kind = K::CheckBox, .caption = "Returnを＝とみなす"},
    {.name = "CheckBox3", .kind = K::CheckBox, .caption = "わり算で商と余りを出す"},
    {.name = "UpDown1", .kind = K::UpDown, .caption = "・商は小数第", .after = "位まで求める",
     .max = 6},
}};

constexpr int kDivisorsWide = 10;
constexpr int kDivisorsNarrow = 5;

}  // namespace

std::span<const CalcProcControl> calcProcControls() { return kControls; }

const ControlSpec& calcProcSpec(CalcProcControl control) {
  return kSpecs[static_cast<std::size_t>(control)];
}

CalcProcSetModel::CalcProcSetModel(CalcState& state)
    : state_(state), placesMax_(calcProcSpec(C::UpDown1).max) {}

void CalcProcSetModel::open() {
  placesMax_ = std::max(calcProcSpec(C::UpDown1).max, state_.settings().WARI_PNT);
}

int CalcProcSetModel::value(CalcProcControl control) const {
  const CalcSettings& s = state_.settings();
  int v = 0;
  switch (control) {
    case C::AdvCheckBox: v = s.ADVICEDSP; break;
    case C::RadioGroup2: v = s.PROCTEIDO; break;
    case C::RadioGroup1: v = s.PROCLASTANS; break;
    case C::CheckBox1: v = state_.process.options.HENKAN_YAKUBUN != 0; break;
    case C::CheckBox2: v = state_.SoinsuuAbort; break;
    case C::RadioGroup3:
      v = (kDivisorsWide - s.ICHIGYOU_SUU) / kDivisorsNarrow + 2 * (s.WA_TYPE != 0);
      break;
    case C::RetKeyChkBox: v = s.RETKEYFLAG; break;
    case C::CheckBox3: v = s.WARI_TYPE != 0; break;
    case C::UpDown1: return std::clamp(s.WARI_PNT, calcProcSpec(control).min, placesMax_);
  }
  const ControlSpec& spec = calcProcSpec(control);
  return std::clamp(v, spec.min, spec.max);
}

ToolEffects CalcProcSetModel::change(CalcProcControl control, int value) {
  CalcSettings& s = state_.settings();
  const ControlSpec& spec = calcProcSpec(control);
  const int v = std::clamp(value, spec.min, control == C::UpDown1 ? placesMax_ : spec.max);
  switch (control) {
    // A worked solution on the screen is drawn with the advice and detail settings of the
    // moment.
    case C::AdvCheckBox: s.ADVICEDSP = v != 0; return ToolEffects::Repaint;
    case C::RadioGroup2: s.PROCTEIDO = v != 0; return ToolEffects::Repaint;
    case C::RadioGroup1: s.PROCLASTANS = v != 0; return {};
    case C::CheckBox1: state_.process.options.HENKAN_YAKUBUN = v; return {};
    case C::CheckBox2: state_.SoinsuuAbort = v != 0; return ToolEffects::InterruptFlag;
    case C::RadioGroup3:
      s.ICHIGYOU_SUU = v % 2 == 0 ? kDivisorsWide : kDivisorsNarrow;
      s.WA_TYPE = v >= 2 ? 1 : 0;
      return {};
    case C::RetKeyChkBox: s.RETKEYFLAG = v != 0; return {};
    case C::CheckBox3: s.WARI_TYPE = v; return {};
    case C::UpDown1: s.WARI_PNT = v; return {};
  }
  return {};
}

bool CalcProcSetModel::wariPntEnabled() const { return state_.settings().WARI_TYPE != 0; }

}  // namespace ravlo
