#pragma once
// The input panel's buttons (数式操作パネル), as its form resource has them: what each types or
// runs. The desktop panel and the web page both lay out and forward these.
#include <span>
#include <string_view>

#include "app/model/key_table.h"
#include "render/canvas.h"

namespace ravlo {

// One button of the panel, as the panel's form resource has it.
struct InputButtonSpec {
  std::string_view name;     // component name, also the widget's object name
  std::string_view caption;
  int left = 0;
  int top = 0;
  int width = 25;
  int height = 25;
  Color color = 0x000000;    // caption colour
  std::string_view tokens;   // typed in turn through JiInput; empty for a command
  CalcCommand command = CalcCommand::Clear;
  bool proportional = false; // caption in "ＭＳ Ｐゴシック" (words) rather than "ＭＳ ゴシック"
};

// Every button, top row first.
std::span<const InputButtonSpec> inputButtonSpecs();

// What a screen reader says for the button: its meaning in Japanese words ("かける" for ×,
// "帯分数にする" for 帯T); a digit is its own name.
std::string_view inputButtonAccessibleName(const InputButtonSpec& button);

}  // namespace ravlo
