#include "expr/inp_check_msg.h"

namespace ravlo {

// Shown on the status line (typing) or in the checker's report; several numbers have no
// rule of their own any more but keep their place so the numbering stays stable.
const std::array<std::string_view, kInpCheckMsgCount> InpCheckMsg = {
    "[0]: 符号+,-,数字,'(' 以外は不可",
    "[1]:（ の直後は、｢（ ＋ － 数字｣のみ可",
    "[2]: 演算記号・符号の連続は不可",
    "[3]:（［ の途中の｢＝｣は不可",
    "[4]: 演算記号の連続は不可",
    "[5]: (b,k,小数点等の直後) 数字以外は不可。",
    "[6]: ",
    "[7]: ",
    "[8]: ）直後は,｢=｣か演算｢+-*/^｣のみ可",
    "[9]: 分母の数字の後は、数字かｂのみ可",
    "[10]: ",
    "[11]:",
    "[12]:",
    "[13]: 小数は､帯数･分母･分子にならない。",
    "[14]: ｢u｣(無限小数を表す) の後は｢=｣のみ可",
    "[15]:",
    "[16]:",
    "[17]:",
    "[18]: 分数の累乗は（　）でくくる。",
    "[19]: ( と ) の数が異なる",
    "[20]: ）に対応する（ がない",
    "[21]: 入力数値が１９ケタを超えた",
    "[22]: 数字直後の（ or [ は不可",
    "[23]: ＋－(符号)の直後に、点｢ ．｣は不可",
    "[24]: 式分数[　]の中では､k､b を K､B にせよ",
    "[25]: ＝ の後の入力は無効",
    "[26]: 式分数入力ﾓｰﾄﾞでは､小数･分数は不可",
    "[27]: 式分数入力ﾓｰﾄﾞでは､帯数部に式は不可",
    "[28]: 分数の累乗は（ ）でくくる",
    "[29]: 小数点が重複している",
    "[30]: ］で式分数ﾓｰﾄﾞ終了後､＝を入力せよ",
    "[31]: ここでは、式分数ﾓｰﾄﾞに入れない",
    "[32]: ****",
    "[33]: × は省略不可[設定を変更せよ]",
    "[34]: 数字直後の 文字 は不可",
    "[35]: 同じ文字の連続は不可",
    "[36]: ＝＝ は不可",
    "[37]: √の中の√（二重根号）は不可",
    "[38]: すでに｢:｣があります｡各辺の項は２項まで。",
    "",
    "[40]: すでに等号・不等号があります｡",
};

std::string_view inpCheckMessage(int errorNumber) {
  if (errorNumber < 0 || errorNumber >= static_cast<int>(kInpCheckMsgCount)) return "";
  return InpCheckMsg[static_cast<std::size_t>(errorNumber)];
}

}  // namespace ravlo
