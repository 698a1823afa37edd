#include "tools/model/jouken_model.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/model/calc_state.h"

namespace ravlo {
namespace {

using C = JoukenControl;
using K = ControlKind;

constexpr std::array<std::string_view, 3> kAnswerItems{"帯分数のみ", "仮分数のみ", "帯・仮分数両方"};
constexpr std::array<std::string_view, 2> kProcessItems{"表示しない", "表示する"};

constexpr std::array kControls{
    C::CheckBox1, C::CheckBox2,   C::CheckBox3,   C::SpRateBar, C::SpVolBar,  C::CheckBox4,
    C::CheckBox5, C::CheckBox6,   C::CheckBox7,   C::CheckBox8, C::RadioGroup1,
    C::SyoBCheckBox, C::RadioGroup4, C::UpDown1, C::UpDown2,   C::ComboBox1, C::UpDown3,
    C::UpDown4,
};

const std::array<ControlSpec, kControls.size()> kSpecs{{
    {.name = "CheckBox1", .kind = K::CheckBox, .caption = "入力ごと"},
    {.name = "CheckBox2", .kind = K::CheckBox, .caption = "式と答え"},
    {.name = "CheckBox3", .kind = K::CheckBox, .caption = "＊＊＊＊", .enabled = false},
    {.name = "SpRateBar", .kind = K::TrackBar, .caption = "速>", .min = 1, .max = 10},
    {.name = "SpVolBar", .kind = K::TrackBar, .caption = "大>", .after = "Min      →     Max",
     .min = 0, .max = 10},
    {.name = "CheckBox4", .kind = K::CheckBox, .caption = "\"＝\"で改行"},
    {.name = "CheckBox5", .kind = K::CheckBox, .caption = "文字列式を表示"},
    {.name = "CheckBox6", .kind = K::CheckBox, .caption = "'×' の省略 可",
     .hint = "乗法記号 × が省略できる"},
    {.name = "CheckBox7", .kind = K::CheckBox, .caption = "日付・目標を表示"},
    {.name = "CheckBox8", .kind = K::CheckBox, .caption = "ｽﾃｰﾀｽﾊﾞｰ表示"},
    {.name = "RadioGroup1", .kind = K::RadioGroup, .caption = "◆答の表示◆", .items = kAnswerItems,
     .min = 0, .max = 2},
    {.name = "SyoBCheckBox", .kind = K::CheckBox, .caption = "小数も表示"},
    {.name = "RadioGroup4", .kind = K::RadioGroup, .caption = "◆計算過程を表示？",
     .items = kProcessItems, .min = 0, .max = 1},
    {.name = "UpDown1", .kind = K::UpDown, .caption = "□ｶｰｿﾙ周期", .after = "m秒", .min = 200,
     .max = 2000, .step = 10},
    {.name = "UpDown2", .kind = K::UpDown, .caption = "▼字送り", .after = "[％]", .min = 80,
     .max = 200},
    {.name = "ComboBox1", .kind = K::ComboBox, .caption = "今週の目標", .min = -1,
     .max = kMaxGoals - 1},
    {.name = "UpDown3", .kind = K::UpDown, .caption = "Ａ４高(297㎜)の", .after = "[％]",
     .min = kMinPageA4Bai, .max = kMaxPageA4Bai, .step = 5},
    {.name = "UpDown4", .kind = K::UpDown, .caption = "・行送り(1-12)", .min = kMinGyoKeisuu,
     .max = kMaxGyoKeisuu},
}};

int flag(int v) { return v != 0 ? 1 : 0; }

}  // namespace

std::span<const JoukenControl> joukenControls() { return kControls; }

const ControlSpec& joukenSpec(JoukenControl control) {
  return kSpecs[static_cast<std::size_t>(control)];
}

JoukenModel::JoukenModel(CalcState& state) : state_(state) {}

int JoukenModel::value(JoukenControl control) const {
  const CalcSettings& s = state_.settings();
  int v = 0;
  switch (control) {
    // Base-n mode keeps EVERYINPUT at 0 for as long as it lasts; the box shows the choice
    // that comes back afterwards.
    case C::CheckBox1: v = flag(state_.NsinMode ? state_.NsinSavedEveryInput : s.EVERYINPUT); break;
    case C::CheckBox2: v = flag(s.ALLSTRING); break;
    case C::CheckBox3: v = flag(s.WITHKETA); break;
    case C::SpRateBar: v = s.HAYASA; break;
    case C::SpVolBar: v = s.OOKISA / 10; break;
    case C::CheckBox4: v = s.EQUAL_KAIGYO; break;
    case C::CheckBox5: v = s.INPUTSTR_DSP; break;
    case C::CheckBox6: v = flag(s.KAKERU_ABR); break;
    case C::CheckBox7: v = s.WAKIGAKI; break;
    case C::CheckBox8: v = s.SBARDSP; break;
    case C::RadioGroup1: v = s.ANSSYU; break;
    case C::SyoBCheckBox: v = flag(s.SYOUDSP); break;
    case C::RadioGroup4: v = s.PROCDSP; break;
    case C::UpDown1: v = s.CURSOLTEMPO; break;
    case C::UpDown2: v = s.JIOKURI; break;
    case C::ComboBox1: {
      const int count = std::clamp(s.MOKUHYOU_SOUSUU, 0, kMaxGoals);
      return s.DSPBANGOU >= 0 && s.DSPBANGOU < count ? s.DSPBANGOU : (count > 0 ? 0 : -1);
    }
    case C::UpDown3: v = s.PAGEA4BAI; break;
    case C::UpDown4: v = s.GYOKEISUU; break;
  }
  const ControlSpec& spec = joukenSpec(control);
  return std::clamp(v, spec.min, spec.max);
}

ToolEffects JoukenModel::change(JoukenControl control, int value) {
  CalcSettings& s = state_.settings();
  const ControlSpec& spec = joukenSpec(control);
  const int v = std::clamp(value, spec.min, spec.max);
  switch (control) {
    case C::CheckBox1:
      (state_.NsinMode ? state_.NsinSavedEveryInput : s.EVERYINPUT) = v;
      return {};
    case C::CheckBox2: s.ALLSTRING = v; return {};
    case C::CheckBox3: s.WITHKETA = v; return {};
    case C::SpRateBar: s.HAYASA = v; return {};
    case C::SpVolBar: s.OOKISA = v * 10; return {};
    case C::CheckBox4: s.EQUAL_KAIGYO = v != 0; return ToolEffects::Repaint;
    case C::CheckBox5:
      s.INPUTSTR_DSP = v != 0;
      // The panel that comes up shows the line already typed, not an empty caption.
      if (s.INPUTSTR_DSP) state_.InpStrDsp(state_.InpSiki);
      return ToolEffects::Repaint;
    case C::CheckBox6: s.KAKERU_ABR = v; return {};
    case C::CheckBox7: s.WAKIGAKI = v != 0; return ToolEffects::Repaint | ToolEffects::SidePanel;
    case C::CheckBox8: s.SBARDSP = v != 0; return ToolEffects::Repaint;
    case C::RadioGroup1: s.ANSSYU = v; return {};
    case C::SyoBCheckBox: s.SYOUDSP = v; return {};
    case C::RadioGroup4:
      s.PROCDSP = v != 0;
      state_.ProcTop = s.PROCDSP ? static_cast<int>(std::lround(1.5 * state_.CharH)) : 0;
      return ToolEffects::Repaint;
    case C::UpDown1: s.CURSOLTEMPO = v; return ToolEffects::CursorTimer;
    case C::UpDown2: s.JIOKURI = v; return ToolEffects::SidePanel;
    case C::ComboBox1: {
      const int count = std::clamp(s.MOKUHYOU_SOUSUU, 0, kMaxGoals);
      if (v < 0 || v >= count) return {};
      s.DSPBANGOU = v;
      return ToolEffects::SidePanel;
    }
    case C::UpDown3:
      s.PAGEA4BAI = v;
      // A shorter page must not leave the screen scrolled past its end.
      state_.ScrollPos = std::min(state_.ScrollPos, state_.scrollRange());
      return ToolEffects::Repaint;
    case C::UpDown4:
      s.GYOKEISUU = v;
      state_.GyoKeisuu = v;
      return ToolEffects::Repaint;
  }
  return {};
}

std::vector<std::string> JoukenModel::goals() const {
  const CalcSettings& s = state_.settings();
  const int count = std::clamp(s.MOKUHYOU_SOUSUU, 0, kMaxGoals);
  return {s.MOKUHYOU.begin(), s.MOKUHYOU.begin() + count};
}

ToolEffects JoukenModel::replaceGoals(std::span<const std::string> lines) {
  CalcSettings& s = state_.settings();
  const std::size_t count = std::min(lines.size(), static_cast<std::size_t>(kMaxGoals));
  std::copy_n(lines.begin(), count, s.MOKUHYOU.begin());
  s.MOKUHYOU_SOUSUU = static_cast<int>(count);
  // The list shows its first goal selected; the side panel shows the same one.
  s.DSPBANGOU = 0;
  return ToolEffects::SidePanel;
}

PaiCheck JoukenModel::checkPai(std::string_view text, std::string_view previous) {
  const PaiCheck r = paiStrCheck(text);
  state_.PaiStr = std::string(r.tooLong ? previous : text);
  if (!r.ok) state_.sink().box(kPaiWarningCaption, r.message, BoxButtons::Ok, BoxIcon::Warning);
  return r;
}

void JoukenModel::close(std::string_view paiText) {
  state_.PaiStr = std::string(paiText);
  state_.updateAnsForm();
}

}  // namespace ravlo
