#pragma once
// What the calculation state tells its window besides "draw again": the input-string
// label, the enabled state of 帯T, 仮K and 小S, and a line for the clipboard. The page reads
// these after each call, as the desktop's widgets show them.
#include <string>
#include <string_view>

#include "app/model/calc_view.h"

namespace ravlo {

class ScreenState final : public CalcView {
 public:
  void showInputString(std::string_view caption) override { inputString = caption; }
  void setAnswerButtons(bool tai, bool ka, bool syou) override {
    taiEnabled = tai;
    kaEnabled = ka;
    syouEnabled = syou;
  }
  void copyLine(std::string_view line) override { copiedLine = line; }

  std::string inputString;
  bool taiEnabled = true;
  bool kaEnabled = true;
  bool syouEnabled = true;
  std::string copiedLine;  // the page takes it for the clipboard and empties it
};

}  // namespace ravlo
