// Number fractions, bars, repeating-decimal dots and the reduction picture.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/text_helpers.h"
#include "render/colors.h"
#include "render/expr_renderer.h"

namespace ravlo {

namespace {

int scaledSize(int size, double factor) {
  long v = std::lround(size * factor);
  return v < 1 ? 1 : static_cast<int>(v);
}

int len(const std::string& s) { return static_cast<int>(s.size()); }

}  // namespace

int ExprRenderer::BarDraw(Canvas& c, int x, int y, int width) {
  c.moveTo(x, y);
  if (width > 0) c.lineTo(x + width, y);
  c.moveTo(x, y);
  return x;
}

void ExprRenderer::JunkanDot(Canvas& c, int x, int y, double scale) {
  FontSaver keep(c);
  c.setFontSize(scaledSize(keep.savedSize(), scale));
  c.setTextColor(kRed);
  c.textOut(x, y, "●");
}

int ExprRenderer::BunsuuDraw(Canvas& c, const Bunsuu64& value, int x, int y, int CharW,
                             int CharH, bool parenthesise) {
  return fractionDraw(c, value, x, y, CharW, CharH, parenthesise, ink_);
}

int ExprRenderer::fractionDraw(Canvas& c, const Bunsuu64& v, int x, int y, int cw, int ch,
                               bool parenthesise, Color ink) {
  if (v.sign == 0) return runDraw(c, "0", x, y, -1, cw, ink);
  const bool negative = v.sign < 0;
  if (negative) {
    if (parenthesise) {
      c.setTextColor(kBlue);
      c.textOut(x, y, "(");
      x += cw;
    }
    c.setTextColor(kRed);
    c.textOut(x, y, "－");
    c.setTextColor(kBlack);
    x += 2 * cw;
  }
  if (v.integer != 0) x = runDraw(c, std::to_string(v.integer), x, y, -1, cw, ink);
  // A zero numerator still shows as a fraction when there is nothing else to show (3b0).
  if (v.numerator != 0 || v.integer == 0) {
    const std::string num = std::to_string(v.numerator);
    const std::string den = std::to_string(v.denominator);
    const int width = cw * std::max(len(num), len(den));
    const int denX = x + (len(den) < len(num) ? cw * (len(num) - len(den)) / 2 : 0);
    const int numX = x + (len(num) < len(den) ? cw * (len(den) - len(num)) / 2 : 0);
    BarDraw(c, x, y + ch / 2, width);
    runDraw(c, den, denX, y + ch / 2 + 3, -1, cw, ink);
    runDraw(c, num, numX, y - ch / 2 - 3, -1, cw, ink);
    x += width;
  }
  if (negative && parenthesise) {
    c.setTextColor(kBlue);
    c.textOut(x, y, ")");
    x = c.penPos().x;
  }
  c.setTextColor(kBlack);
  return x;
}

int ExprRenderer::YakuNumDraw(Canvas& c, std::string_view number, int64_t reduced, int x, int y,
                              int CharW, int CharH, bool isNumerator) {
  const int width = CharW * static_cast<int>(number.size());
  c.setTextColor(kBlack);
  c.textOut(x, y, number);
  int end = std::max(c.penPos().x, x + width);
  {
    FontSaver keep(c);
    c.setFontSize(scaledSize(keep.savedSize(), 0.7));
    c.setBold(true);
    c.setTextColor(kDarkRed);
    const int ry = isNumerator ? static_cast<int>(std::lround(y - 0.6 * CharH)) : y + CharH;
    c.textOut(x + width / 2, ry, std::to_string(reduced));
    end = std::max(end, c.penPos().x);
  }
  c.moveTo(x, y);
  c.lineTo(x + width, y + CharH);
  return end;
}

int ExprRenderer::YakubunDraw(Canvas& c, const Bunsuu64& value, int x, int y, int CharW,
                              int CharH, YakuAnnotation annotation) {
  const int startX = x;
  reducedText.clear();
  reducedIntText.clear();
  const Bunsuu64 reduced = BunYaku(value);
  reducedText = BunToStr(reduced, false);
  if (reduced.valid() && reduced.numerator != 0 && reduced.numerator % reduced.denominator == 0) {
    Bunsuu64 whole = BunToTai(reduced, quiet_);
    if (whole.valid()) reducedIntText = BunToStr(whole, false);
  }
  if (!value.valid() || value.sign == 0 || value.numerator == 0) {
    x = BunsuuDraw(c, value, x, y, CharW, CharH, false);
  } else {
    const int64_t g = Int64Gcd(value.numerator, value.denominator);
    if (value.sign < 0) {
      FontSaver keep(c);
      c.setTextColor(kRed);
      c.textOut(x, y, "－");
      x += 2 * CharW;
    }
    if (value.integer != 0) x = runDraw(c, std::to_string(value.integer), x, y, -1, CharW, kNavy);
    const std::string num = std::to_string(value.numerator);
    const std::string den = std::to_string(value.denominator);
    const int width = CharW * std::max(len(num), len(den));
    const int denX = x + (len(den) < len(num) ? CharW * (len(num) - len(den)) / 2 : 0);
    const int numX = x + (len(num) < len(den) ? CharW * (len(den) - len(num)) / 2 : 0);
    BarDraw(c, x, y + CharH / 2, width);
    int end = x + width;
    if (g > 1) {
      end = std::max(end, YakuNumDraw(c, den, value.denominator / g, denX, y + CharH / 2 + 3,
                                      CharW, CharH, false));
      end = std::max(end, YakuNumDraw(c, num, value.numerator / g, numX, y - CharH / 2 - 3,
                                      CharW, CharH, true));
    } else {
      runDraw(c, den, denX, y + CharH / 2 + 3, -1, CharW, kBlack);
      runDraw(c, num, numX, y - CharH / 2 - 3, -1, CharW, kBlack);
    }
    x = end;
  }
  if (!reduced.valid()) return x;
  if (annotation == YakuAnnotation::Bracketed) {
    FontSaver keep(c);
    c.setTextColor(kMagenta);
    c.textOut(x, y, "〔");
    c.textOut(c.penPos().x, y, "＝");
    x = fractionDraw(c, reduced, c.penPos().x, y, CharW, CharH, true, kMagenta);
    c.setTextColor(kMagenta);
    c.textOut(x, y, "〕");
    x = c.penPos().x;
  } else if (annotation == YakuAnnotation::Result) {
    int ry = y;
    if (EQUAL_KAIGYO) {
      x = startX - 2 * CharW;
      ry = y + CharH * GyoKeisuu / 2;
    }
    FontSaver keep(c);
    c.setTextColor(kBlue);
    c.textOut(x, ry, "＝");
    x = BunsuuDraw(c, reduced, c.penPos().x, ry, CharW, CharH, true);
    if (!reducedIntText.empty()) {
      c.setTextColor(kBlue);
      c.textOut(x, ry, "＝");
      x = runDraw(c, reducedIntText, c.penPos().x, ry, -1, CharW, kBlack);
    }
  }
  return x;
}

}  // namespace ravlo
