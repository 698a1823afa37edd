// Expression fractions "[ whole K den B num ]": the finished construct and its half-typed stages.
#include <algorithm>
#include <string>

#include "core/text_helpers.h"
#include "render/colors.h"
#include "render/draw_context.h"
#include "render/token_glyph.h"

namespace ravlo {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isBinaryOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}

}  // namespace

void ExprRenderer::exprFractionStep(Canvas& c, DrawCtx& d) {
  std::string_view r = d.rest();
  const char prev = d.i > 0 ? d.text[d.i - 1] : '$';
  const bool afterOperator = isBinaryOperator(prev);
  powerFlag = false;

  // Parses and draws the construct as a finished one; false when it cannot be read.
  auto drawParts = [&](const std::string& closed, std::string_view body, bool parenthesise) {
    BunsuuH parts = bunsuuH.parse(closed);
    if (bunsuuH.BunsuuHErr != 0 || !readsAsInt64(parts.integer)) return false;
    bool showPlus = !body.empty() && (body[0] == 'p' || body[0] == '+') &&
                    body.find('K') != npos;
    d.x = SikiBunsuuDraw(c, parts, d.x, d.y, d.cw, d.ch, parenthesise, showPlus);
    return true;
  };

  std::size_t close = r.find(']');
  if (close != npos) {
    std::string_view whole = r.substr(0, close + 1);
    std::string_view body = r.substr(1, close - 1);
    const char next = close + 1 < r.size() ? r[close + 1] : '\0';
    bool parenthesise = afterOperator || next == '*' || next == '/';
    if (drawParts(std::string(whole), body, parenthesise)) {
      // Finished: what comes next goes after the construct, not into its numerator.
      c.moveTo(d.x, d.y);
      cursorFollowsPen = true;
    } else {
      d.x = runDraw(c, whole, d.x, d.y, -1, d.cw, ink_);
    }
    d.i += close + 1;
    return;
  }

  // Half-typed: nothing after it can follow, so this ends the text.
  d.i = d.text.size();
  d.stop = true;
  std::string_view body = r.substr(1);
  std::size_t posB = body.find('B');
  if (posB != npos && posB + 1 < body.size()) {
    // The numerator has begun: draw it as if it were closed; the cursor stays in the numerator.
    if (!drawParts(std::string(r) + "]", body, afterOperator))
      d.x = runDraw(c, r, d.x, d.y, -1, d.cw, ink_);
    return;
  }
  {
    FontSaver keep(c);
    c.setTextColor(kPurple);
    c.textOut(d.x, d.y, "[");
    d.x = c.penPos().x;
  }
  if (body.empty()) {
    CursorColor = kRed;
    return;
  }
  std::size_t posK = body.find('K');
  if (posK != npos && posB != npos && posB < posK) posK = npos;
  if (posK == npos && posB == npos) {
    // Not yet known whether this is the whole part or the denominator: on the line.
    d.x = nestedDraw(c, body, d.x, d.y, d.cw, d.ch);
    return;
  }
  std::string_view den;
  if (posK != npos) {
    d.x = runDraw(c, body.substr(0, posK), d.x, d.y, -1, d.cw, ink_);
    d.x += 1;
    BarDraw(c, d.x, d.barLine(), d.cw);
    den = posB == npos ? body.substr(posK + 1) : body.substr(posK + 1, posB - posK - 1);
  } else {
    den = body.substr(0, posB);
  }
  const int start = d.x;
  const int denEnd = nestedDraw(c, den, start, d.lowerLine(), d.cw, d.ch);
  int width = 0;
  if (posB == npos) {
    // The denominator is being typed after "K".
    width = d.cw * WidthUnits(den);
    BarDraw(c, start, d.barLine(), width);
    placeCursor(denEnd, d.lowerLine());
  } else {
    // "B" typed: the numerator starts over the bar.
    width = denEnd - start;
    BarDraw(c, start, d.barLine(), width);
    placeCursor(start, d.exprUpperLine());
  }
  d.x = std::max(denEnd, start + width);
}

int ExprRenderer::SikiBunsuuDraw(Canvas& c, const BunsuuH& parts, int x, int y, int CharW,
                                 int CharH, bool parenthesise, bool showPlus) {
  std::optional<int64_t> whole = parseInt64(parts.integer);
  if (!whole) {
    bunsuuH.BunsuuHErr = 50;
    return x;
  }
  powerFlag = false;
  const int barY = y + CharH / 2;
  x += 2;
  const int sign = parts.signValue();
  if (sign == 0) return runDraw(c, "0", x, y, -1, CharW, ink_) + 2;
  const bool negative = sign == -1;
  const bool bracketed = parenthesise && (negative || showPlus);
  if (negative || showPlus) {
    FontSaver keep(c);
    if (bracketed) {
      c.setTextColor(kBlue);
      c.textOut(x, y, "(");
      x += CharW;
    }
    c.setTextColor(kRed);
    c.textOut(x, y, negative ? "－" : "＋");
    x += 2 * CharW;
  }
  if (*whole > 0) x = runDraw(c, std::to_string(*whole), x, y, -1, CharW, ink_);

  const int denUnits = WidthUnits(parts.denominator);
  const int numUnits = WidthUnits(parts.numerator);
  const int denX = x + 3 + (denUnits < numUnits ? CharW * (numUnits - denUnits) / 2 : 0);
  const int numX = x + 3 + (numUnits < denUnits ? CharW * (denUnits - numUnits) / 2 : 0);
  const int denEnd = nestedDraw(c, parts.denominator, denX, y + CharH / 2 + 3, CharW, CharH);
  const int numEnd = nestedDraw(c, parts.numerator, numX, y - CharH / 2 - 2, CharW, CharH);
  const int end = std::max(denEnd, numEnd);
  BarDraw(c, x, barY, end - x);
  placeCursor(numEnd, y - CharH / 2 - 2);
  x = end;
  if (bracketed) {
    FontSaver keep(c);
    c.setTextColor(kBlue);
    c.textOut(x, y, ")");
    x = c.penPos().x;
  }
  return x + 2;
}

}  // namespace ravlo
