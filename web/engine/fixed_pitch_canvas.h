#pragma once
// The canvas the web page paints from: it records what is drawn as plain operations and
// measures as IPAGothic measures on the desktop (every half-width character half an em,
// every full-width one a whole em, a line one em high), so that the layout is decided here
// and the page only replays the operations on its 2-D canvas.
#include <string>
#include <string_view>
#include <vector>

#include "render/canvas.h"

namespace ravlo {

// CSS pixels are 1/96 inch, as the desktop's logical screen resolution.
inline constexpr int kWebPixelsPerInch = 96;

// The font's size in whole pixels, as the desktop's font engine rounds it.
int pixelSize(int points);
// The IPA face that stands in for a Windows face the settings name, as on the desktop.
std::string webFontFamily(std::string_view family);
// "#rrggbb" of a 0x00BBGGRR colour.
std::string cssColor(Color c);

struct DrawOp {
  enum class Kind { Font, Text, Line, Rect };
  Kind kind = Kind::Text;
  int x = 0, y = 0, x2 = 0, y2 = 0;  // text: top-left; line: from, to; rect: corners
  std::string text;                  // text: UTF-8; font: the face to use
  std::string color;                 // text, line, rect
  int width = 0;                     // line: pen width; font: size in pixels
  bool bold = false, italic = false, underline = false;  // font
};

class FixedPitchCanvas final : public Canvas {
 public:
  FixedPitchCanvas();
  const std::vector<DrawOp>& ops() const { return ops_; }

 protected:
  void drawText(int x, int y, std::string_view text) override;
  int measureWidth(std::string_view text) override;
  int measureHeight(std::string_view text) override;
  void drawLine(Point from, Point to) override;
  void drawFilledRect(int left, int top, int right, int bottom) override;

 private:
  std::vector<DrawOp> ops_;
  // The font of the last text operation: a font operation is recorded only when it changes.
  FontSpec drawnFont_;
  bool fontDrawn_ = false;
};

}  // namespace ravlo
