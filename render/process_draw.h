#pragma once
// Draws a worked solution on the calculation screen: the type header, one line per step
// (plain, with reduction marks, or the product with its cross-cancellation) and the advice
// lines under the steps.
//
// The drawer reads the process text it is handed and, for the cross-cancelled product, the
// factor array of the process context that built it. Any text at all can be handed in: what
// is not a step of a worked solution is drawn as plain characters.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "process/process_context.h"
#include "render/canvas.h"
#include "render/expr_renderer.h"

namespace ravlo {

class ProcessDrawer {
 public:
  // Both must outlive the drawer. The renderer's EQUAL_KAIGYO and GyoKeisuu are the ones
  // in force while the process is drawn.
  ProcessDrawer(ExprRenderer& renderer, const ProcessContext& process);

  // ---- settings (copied from the process context; the caller may change them) ----
  int ADVICEDSP = 0;  // 1 = the advice line under each drawn step
  int PROCTEIDO = 0;  // 0 = the detail-only steps after the first are not drawn

  // ---- left by the drawings ----
  int YakuKazu = 0;        // reduced terms of the last reduction line
  int KiyakuBunboMax = 0;  // of the last cross-cancellation: deepest denominator stack - 1
  int KiyakuBunsiMax = 0;  // likewise for the numerators

  // The header line of a process type, in 0.8 × the font size, bold and underlined.
  void ProcTypeDraw(Canvas& c, int type, int x, int y);
  // Every drawn step of a tidy process text, each under the previous one, from (x, y): x is
  // the screen's line start (LeftX), where the cancelled product line starts too. Returns the
  // y of the last line.
  int ProcTextDraw(Canvas& c, std::string_view text, int x, int y, int CharW, int CharH);
  // One advice text, its "||" pieces CharH apart, in the canvas's current font and colour.
  void AdviceDraw(Canvas& c, int code, int x, int y, int CharH);
  // A sum whose reducible fractions carry reduction marks; variant 1 adds the bracketed
  // reduced form after each. Returns the x after it.
  int YakubunLineDsp(Canvas& c, std::string_view expression, int x, int y, int CharW, int CharH,
                     int variant);
  // Cross-cancels the factor array of the process context and, for type 1 (positive), 2
  // (negative) or 3 (explicit plus) and when anything was cancelled, draws the product with
  // its stacked values, the line starting at LeftX. Returns the engine's text of the
  // cancelled product ("=" + product + "=" + value, or "n").
  std::string KiyakuKakezan(Canvas& c, int LeftX, int y, int CharW, int CharH, int type);
  // One cancelled fraction: the bar and its numerator and denominator stacks; returns x + W.
  int KiyakuBunDsp(Canvas& c, const std::vector<int64_t>& bunsi, const std::vector<int64_t>& bunbo,
                   int x, int y, int CharW, int CharH);
  // The values one numerator (upward) or denominator (downward) took, the first at (x, y).
  void KiyakuRetsuDsp(Canvas& c, const std::vector<int64_t>& values, int x, int y, int CharW,
                      int CharH, bool upward);

  // The calculation screen's process paint: the header at (4 × CharW, TopY − 2 × CharH) and
  // the steps from (LeftX, TopY), with the line break at "=" on for the duration. Returns the
  // y of the last line.
  int drawWithHeader(Canvas& c, int type, std::string_view text, int LeftX, int TopY, int CharW,
                     int CharH);

 private:
  // The product stacks of the last KiyakuKakezan.
  std::vector<std::vector<int64_t>> bunsiStacks_;
  std::vector<std::vector<int64_t>> bunboStacks_;
  bool zDrawn_ = false;  // the last KiyakuKakezan drew its line

  ExprRenderer& r_;
  const ProcessContext& process_;
};

}  // namespace ravlo
