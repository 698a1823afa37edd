// The product line with its cross-cancellation: every numerator and denominator with the
// values it was cancelled down to, stacked above and below the bar.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/message_sink.h"
#include "process/kiyaku.h"
#include "render/colors.h"
#include "render/process_draw.h"

namespace ravlo {

namespace {

int scaledSize(int size, double factor) {
  long v = std::lround(size * factor);
  return v < 1 ? 1 : static_cast<int>(v);
}

int digits(int64_t v) { return static_cast<int>(std::to_string(v).size()); }

// A stroke from the top-left to the bottom-right of a number, 2 pixels inside its cell.
void strike(Canvas& c, int x, int y, int width, int height) {
  c.moveTo(x, y + 2);
  c.lineTo(x + width, y + height - 2);
}

}  // namespace

void ProcessDrawer::KiyakuRetsuDsp(Canvas& c, const std::vector<int64_t>& values, int x, int y,
                                   int CharW, int CharH, bool upward) {
  if (values.empty()) return;
  const std::string first = std::to_string(values.front());
  const int firstWidth = CharW * static_cast<int>(first.size());
  {
    FontSaver keep(c);
    c.setTextColor(kBlack);
    c.textOut(x, y, first);
  }
  if (values.size() == 1) return;
  strike(c, x, y, firstWidth, CharH);
  FontSaver keep(c);
  c.setFontSize(scaledSize(keep.savedSize(), 0.7));
  c.setBold(true);
  c.setTextColor(kDarkRed);
  const int right = x + firstWidth;
  const int smallHeight = static_cast<int>(std::lround(0.7 * CharH));
  for (std::size_t i = 1; i < values.size(); ++i) {
    const std::string v = std::to_string(values[i]);
    const double step = 0.7 * CharH * static_cast<double>(i);
    const int vy = static_cast<int>(std::lround(upward ? y - step : y + step));
    const int width = c.textWidth(v);
    const int vx = right - width;
    c.textOut(vx, vy, v);
    if (i + 1 < values.size()) strike(c, vx, vy, width, smallHeight);
  }
}

int ProcessDrawer::KiyakuBunDsp(Canvas& c, const std::vector<int64_t>& bunsi,
                                const std::vector<int64_t>& bunbo, int x, int y, int CharW,
                                int CharH) {
  const int numDigits = bunsi.empty() ? 0 : digits(bunsi.front());
  const int denDigits = bunbo.empty() ? 0 : digits(bunbo.front());
  const int widest = std::max(numDigits, denDigits);
  const int W = CharW * widest;
  r_.BarDraw(c, x, y + CharH / 2, W);
  KiyakuRetsuDsp(c, bunsi, x + CharW * (widest - numDigits) / 2, y - CharH / 2 - 3, CharW, CharH,
                 true);
  KiyakuRetsuDsp(c, bunbo, x + CharW * (widest - denDigits) / 2, y + CharH / 2 + 3, CharW,
                 CharH, false);
  c.moveTo(x + W, y);
  return x + W;
}

std::string ProcessDrawer::KiyakuKakezan(Canvas& c, int LeftX, int y, int CharW, int CharH,
                                         int type) {
  // Cancelled again on a copy of the factor array: drawing never changes the engine's slots.
  ProcessContext scratch;
  scratch.factors = process_.factors;
  NullSink quiet;
  const std::string result = ::ravlo::KiyakuKakezan(scratch, quiet);
  const ProductSlots& slots = scratch.products;
  KiyakuBunboMax = slots.KiyakuBunboMax;
  KiyakuBunsiMax = slots.KiyakuBunsiMax;
  bunsiStacks_ = slots.bunsiStacks;
  bunboStacks_ = slots.bunboStacks;
  zDrawn_ = false;

  const std::size_t n = scratch.factors.size();
  bool complete = n > 0 && bunsiStacks_.size() == n && bunboStacks_.size() == n;
  for (std::size_t i = 0; complete && i < n; ++i)
    complete = !bunsiStacks_[i].empty() && !bunboStacks_[i].empty();
  if (type < 1 || type > 3 || KiyakuBunboMax <= 0 || !complete) return result;

  int x = LeftX;
  if (r_.EQUAL_KAIGYO) {
    x = LeftX - CharH;
    y = y + CharH * r_.GyoKeisuu / 2 + CharH / 4;
    y = static_cast<int>(std::lround(y + 0.7 * CharH * KiyakuBunsiMax));
  }
  // The signs are single glyphs here: the line was broken above already.
  const bool savedKaigyo = r_.EQUAL_KAIGYO;
  r_.EQUAL_KAIGYO = false;
  x = r_.TokenDraw(c, "=", x, y, CharW, CharH);
  if (type == 2) x = r_.TokenDraw(c, "m", x, y, CharW, CharH);
  if (type == 3) x = r_.TokenDraw(c, "p", x, y, CharW, CharH);
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) x = r_.TokenDraw(c, "*", x, y, CharW, CharH);
    x = KiyakuBunDsp(c, bunsiStacks_[i], bunboStacks_[i], x, y, CharW, CharH);
  }
  r_.EQUAL_KAIGYO = savedKaigyo;
  zDrawn_ = true;
  return result;
}

}  // namespace ravlo
