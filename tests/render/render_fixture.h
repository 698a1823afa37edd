#pragma once
// A fresh renderer and recording canvas per test: digit width 10, character height 20,
// lines start at (100, 100). Then bar line 110, lower line 113, upper line 87.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "render/expr_renderer.h"
#include "render/recording_canvas.h"

namespace ravlo::test {

inline constexpr int kW = 10;
inline constexpr int kH = 20;
inline constexpr int kX = 100;
inline constexpr int kY = 100;
inline constexpr int kBarLine = kY + kH / 2;
inline constexpr int kLowerLine = kY + kH / 2 + 3;
inline constexpr int kUpperLine = kY - kH / 2 - 3;
inline constexpr int kExprUpperLine = kY - kH / 2 - 2;

class RenderTest : public ::testing::Test {
 protected:
  RecordingCanvas canvas;
  ExprRenderer r;

  int draw(std::string_view text) { return r.SikiDraw(canvas, text, kX, kY, kW, kH); }

  // The n-th drawing of a text; fails the test when it was not drawn.
  RecordingCanvas::TextItem text(std::string_view t, int n = 0) {
    auto item = canvas.findText(t, n);
    EXPECT_TRUE(item.has_value()) << "no \"" << t << "\" #" << n << " in\n" << canvas.dump();
    return item.value_or(RecordingCanvas::TextItem{});
  }

  bool hasBar(int left, int right, int y) {
    for (const auto& l : canvas.horizontalLines())
      if (l.from.y == y && l.left() == left && l.right() == right) return true;
    return false;
  }
};

}  // namespace ravlo::test
