#pragma once
// Measures with a real canvas and draws nothing: how far down something reaches before it is
// drawn, so that a printed sheet can end before it.
#include <algorithm>
#include <climits>
#include <string_view>

#include "render/canvas.h"

namespace ravlo {

class ReachCanvas final : public Canvas {
 public:
  explicit ReachCanvas(Canvas& target) : target_(target), saved_(target) {}
  int bottom() const { return bottom_; }

 protected:
  void drawText(int, int y, std::string_view text) override {
    bottom_ = std::max(bottom_, y + measureHeight(text));
  }
  int measureWidth(std::string_view text) override {
    target_.setFont(font());
    return target_.textWidth(text);
  }
  int measureHeight(std::string_view text) override {
    target_.setFont(font());
    return target_.textHeight(text);
  }
  void drawLine(Point from, Point to) override {
    bottom_ = std::max(bottom_, std::max(from.y, to.y) + penWidth());
  }
  void drawFilledRect(int, int, int, int) override {}

 private:
  Canvas& target_;
  FontSaver saved_;
  int bottom_ = INT_MIN;
};

}  // namespace ravlo
