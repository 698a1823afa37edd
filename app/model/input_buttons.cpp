#include "app/model/input_buttons.h"

#include <array>
#include <utility>

namespace ravlo {
namespace {

constexpr Color kRedCaption = 0x0000FF;
constexpr Color kNavyCaption = 0x800000;

constexpr InputButtonSpec placed(std::string_view name, std::string_view caption, int left,
                                 int top, int width, int height) {
  InputButtonSpec s;
  s.name = name;
  s.caption = caption;
  s.left = left;
  s.top = top;
  s.width = width;
  s.height = height;
  return s;
}

constexpr InputButtonSpec token(std::string_view name, std::string_view caption, int left, int top,
                                int width, int height, Color color, std::string_view tokens) {
  InputButtonSpec s = placed(name, caption, left, top, width, height);
  s.color = color;
  s.tokens = tokens;
  return s;
}

constexpr InputButtonSpec command(std::string_view name, std::string_view caption, int left,
                                  int top, int width, int height, CalcCommand c,
                                  bool proportional = false) {
  InputButtonSpec s = placed(name, caption, left, top, width, height);
  s.command = c;
  s.proportional = proportional;
  return s;
}

using C = CalcCommand;
constexpr Color k = 0x000000;

constexpr std::array<InputButtonSpec, 44> kInputButtons = {
      command("Button19", "帯T", 4, 4, 27, 19, C::AnswerAsMixed, true),
      command("Button18", "仮K", 32, 4, 27, 19, C::AnswerAsImproper, true),
      command("toSyousuuButton", "小S", 60, 4, 29, 19, C::AnswerAsDecimal, true),
      command("SpeedButton1", "消D", 90, 4, 33, 19, C::Clear, true),
      command("SpeedButton2", "復H", 124, 4, 34, 19, C::Restore, true),

      command("BackSpaceButton", "←", 4, 32, 28, 25, C::BackSpace),
      token("SpeedButton12", "(", 33, 32, 27, 25, kNavyCaption, "("),
      token("SpeedButton13", ")", 61, 32, 28, 25, kNavyCaption, ")"),
      token("SpeedButton22", "∧", 91, 32, 28, 25, kRedCaption, "^"),
      token("maekParButton", "[", 120, 32, 17, 25, kRedCaption, "["),
      token("atokParButton", "]", 138, 32, 17, 25, kRedCaption, "]"),

      token("SpeedButton7", "７", 4, 61, 25, 25, k, "7"),
      token("SpeedButton8", "８", 33, 61, 25, 25, k, "8"),
      token("SpeedButton17", "９", 62, 61, 25, 25, k, "9"),
      token("SpeedButton19", "×", 91, 61, 32, 25, kRedCaption, "*"),
      token("SpeedButton21", "÷", 124, 61, 32, 25, kRedCaption, "/"),

      token("SpeedButton6", "４", 4, 90, 25, 25, k, "4"),
      token("SpeedButton9", "５", 33, 90, 25, 25, k, "5"),
      token("SpeedButton16", "６", 62, 90, 25, 25, k, "6"),
      token("SpeedButton18", "＋", 91, 90, 32, 25, kRedCaption, "+"),
      token("SpeedButton20", "－", 124, 90, 32, 25, kRedCaption, "-"),

      token("SpeedButton4", "１", 4, 119, 25, 25, k, "1"),
      token("SpeedButton10", "２", 33, 119, 25, 25, k, "2"),
      token("SpeedButton15", "３", 62, 119, 25, 25, k, "3"),
      token("TO_Button", "と(K)", 91, 119, 62, 25, k, "k"),

      token("SpeedButton3", "０", 4, 148, 25, 25, k, "0"),
      token("SpeedButton11", ".", 33, 148, 25, 25, k, "."),
      token("SpeedButton14", "＝", 62, 148, 25, 25, kRedCaption, "="),
      token("SpeedButton5", "分の(B)", 90, 148, 62, 25, k, "b"),

      token("XinputButton", "ｘ", 4, 183, 28, 22, kNavyCaption, "x"),
      token("LessButton", "＜", 33, 183, 28, 22, kRedCaption, "<"),
      token("LessAndEqButton", "≦", 62, 183, 31, 22, kRedCaption, "<="),
      token("MoreButton", "＞", 94, 183, 31, 22, kRedCaption, ">"),
      token("MoreAndEqButton", "≧", 126, 183, 31, 22, kRedCaption, ">="),

      token("BikkuriButton", "！", 4, 207, 25, 22, k, "!"),
      token("JunretuButton", "P", 30, 207, 25, 22, k, "P"),
      token("CombinButton", "C", 56, 207, 24, 22, k, "C"),
      token("TaiInputButton", "：", 81, 207, 22, 22, k, ":"),
      command("SpeedButton23", "?", 104, 207, 23, 22, C::NsinHenkan),
      command("SolveSikiButton", "解", 128, 207, 30, 22, C::Solve),

      command("SikiEditButton", "編E", 2, 236, 30, 22, C::ExpressionEditor, true),
      command("NoteOpenButton", "ﾉｰﾄN", 33, 236, 41, 22, C::Notebook, true),
      command("KoeButton", "読R", 75, 236, 32, 22, C::ReadAloud, true),
      command("SetteiButton", "条件J", 108, 236, 50, 22, C::SettingsDialog, true),
};

}  // namespace

std::span<const InputButtonSpec> inputButtonSpecs() { return kInputButtons; }

std::string_view inputButtonAccessibleName(const InputButtonSpec& button) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 34> kNames{{
      {"Button19", "帯分数にする(帯T)"},
      {"Button18", "仮分数にする(仮K)"},
      {"toSyousuuButton", "小数にする(小S)"},
      {"SpeedButton1", "式を消す(消D)"},
      {"SpeedButton2", "式を復活(復H)"},
      {"BackSpaceButton", "一字消す"},
      {"SpeedButton12", "かっこ"},
      {"SpeedButton13", "かっこ閉じる"},
      {"SpeedButton22", "累乗"},
      {"maekParButton", "分数式の始め"},
      {"atokParButton", "分数式の終わり"},
      {"SpeedButton19", "かける"},
      {"SpeedButton21", "わる"},
      {"SpeedButton18", "たす"},
      {"SpeedButton20", "ひく"},
      {"TO_Button", "と(帯分数)"},
      {"SpeedButton11", "小数点"},
      {"SpeedButton14", "イコール"},
      {"SpeedButton5", "分の(分数)"},
      {"XinputButton", "エックス"},
      {"LessButton", "小なり"},
      {"LessAndEqButton", "小なりイコール"},
      {"MoreButton", "大なり"},
      {"MoreAndEqButton", "大なりイコール"},
      {"BikkuriButton", "階乗"},
      {"JunretuButton", "順列"},
      {"CombinButton", "組合せ"},
      {"TaiInputButton", "比"},
      {"SpeedButton23", "ｎ進法の変換"},
      {"SolveSikiButton", "方程式を解く"},
      {"SikiEditButton", "式エディタ(編E)"},
      {"NoteOpenButton", "ノート(ﾉｰﾄN)"},
      {"KoeButton", "読み上げ(読R)"},
      {"SetteiButton", "条件設定(条件J)"},
  }};
  for (auto [name, spoken] : kNames) {
    if (name == button.name) return spoken;
  }
  return button.caption;
}

}  // namespace ravlo
