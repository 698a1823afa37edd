#pragma once
// The walk over one expression text (used by the renderer's own files only).
#include <cstddef>
#include <string_view>

#include "render/expr_renderer.h"

namespace ravlo {

struct ExprRenderer::DrawCtx {
  std::string_view text;
  std::size_t i = 0;  // 0-based position of the head
  int x = 0;
  int y = 0;
  int startX = 0;
  int startY = 0;
  int cw = 0;
  int ch = 0;
  bool hasX = false;  // an equation: "=" never breaks the line
  bool stop = false;  // the rest was drawn (or a half-typed construct ends the text)

  std::string_view rest() const { return text.substr(i); }
  int barLine() const { return y + ch / 2; }
  int lowerLine() const { return y + ch / 2 + 3; }
  int upperLine() const { return y - ch / 2 - 3; }
  int exprUpperLine() const { return y - ch / 2 - 2; }
  int quarter() const { return cw / 4; }
};

}  // namespace ravlo
