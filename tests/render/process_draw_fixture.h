#pragma once
// A process drawer on a recording canvas with the calculation screen's settings while a
// process is drawn: digit width 10, character height 20, line-feed coefficient 5 (a line
// advance of 50), lines starting at (100, 100), the line break at "=" on.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/message_sink.h"
#include "process/process_engine.h"
#include "render/process_draw.h"
#include "tests/render/render_fixture.h"

namespace ravlo::test {

inline constexpr int kD = kH * 5 / 2;        // line advance
inline constexpr int kGap = kD + 14;         // round(D + 0.7 × CharH)
inline constexpr int kAdviceSize = 7;        // round(0.7 × 10)

class ProcessDrawTest : public ::testing::Test {
 protected:
  ProcessDrawTest() { r.EQUAL_KAIGYO = true; }

  RecordingCanvas canvas;
  ExprRenderer r;
  ProcessContext ctx;
  ProcessDrawer d{r, ctx};

  // Builds the worked solution of a question into ctx, as "=" does with the process display on.
  void build(std::string_view question) {
    NullSink quiet;
    ProcessEngine engine(ctx, quiet);
    ASSERT_EQ(engine.CalcProcMake(question, true), 1) << question;
  }

  int drawProcess(std::string_view text) { return d.ProcTextDraw(canvas, text, kX, kY, kW, kH); }

  RecordingCanvas::TextItem text(std::string_view t, int n = 0) {
    auto item = canvas.findText(t, n);
    EXPECT_TRUE(item.has_value()) << "no \"" << t << "\" #" << n << " in\n" << canvas.dump();
    return item.value_or(RecordingCanvas::TextItem{});
  }

  bool hasLine(Point from, Point to) {
    for (const auto& l : canvas.lines())
      if (l.from == from && l.to == to) return true;
    return false;
  }
};

}  // namespace ravlo::test
