// SikiDraw: the expression walk, one construct per step.
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "render/colors.h"
#include "render/draw_context.h"
#include "render/text_cells.h"
#include "render/token_glyph.h"

namespace ravlo {

namespace {

// Deeper nesting only comes from malformed text ("[[[[…"); it is drawn as characters.
constexpr int kMaxDepth = 6;

int scaledSize(int size, double factor) {
  long v = std::lround(size * factor);
  return v < 1 ? 1 : static_cast<int>(v);
}

constexpr std::size_t npos = std::string_view::npos;

}  // namespace

bool ExprRenderer::readsAsInt64(std::string_view text) {
  return !text.empty() && int64StrMaxCheck(text, false, quiet_);
}

void ExprRenderer::placeCursor(int x, int y) {
  CursorX = x;
  CursorY = y;
  cursorFollowsPen = false;
}

void ExprRenderer::startLine() {
  equalMarks.clear();
  CursorColor = kBlue;
  powerFlag = false;
  cursorFollowsPen = true;
}

void ExprRenderer::finishLine(Canvas& c) {
  if (!cursorFollowsPen) return;
  Point p = c.penPos();
  CursorX = p.x;
  CursorY = p.y;
}

int ExprRenderer::SikiDraw(Canvas& c, std::string_view text, int x, int y, int CharW,
                           int CharH) {
  if (depth_ > 0) return drawExpr(c, text, x, y, CharW, CharH);
  startLine();
  int end = drawExpr(c, text, x, y, CharW, CharH);
  finishLine(c);
  return end;
}

int ExprRenderer::nestedDraw(Canvas& c, std::string_view text, int x, int y, int cw, int ch) {
  if (depth_ >= kMaxDepth) return runDraw(c, text, x, y, -1, cw, ink_);
  return drawExpr(c, text, x, y, cw, ch);
}

int ExprRenderer::drawExpr(Canvas& c, std::string_view text, int x, int y, int cw, int ch) {
  ++depth_;
  DrawCtx d;
  d.text = text;
  d.x = d.startX = x;
  d.y = d.startY = y;
  d.cw = cw;
  d.ch = ch;
  d.hasX = text.find('x') != npos;
  c.moveTo(x, y);
  const bool spanned = spanned_ && depth_ == 1;
  while (d.i < text.size() && !d.stop) {
    cursorFollowsPen = true;
    if (spanned) {
      ink_ = kBlack;
      for (const InkSpan& span : inkSpans) {
        if (d.i >= span.from && d.i < span.to) ink_ = span.ink;
      }
    }
    std::size_t before = d.i;
    TokenInfo t = TokenGlyph(d.rest());
    if (t.kind == 0 || t.kind == -1)
      ordinaryStep(c, d);
    else
      specialStep(c, d);
    if (d.i == before && !d.stop) {
      // Every step must eat something; a character no rule took is drawn as it is.
      std::size_t n = utf8CharLength(text, d.i);
      d.x = runDraw(c, text.substr(d.i, n), d.x, d.y, -1, cw, ink_);
      d.i += n;
    }
  }
  if (spanned) ink_ = kBlack;
  --depth_;
  return d.x;
}

void ExprRenderer::ordinaryStep(Canvas& c, DrawCtx& d) {
  std::string_view r = d.rest();
  SpecialFound s = NextSpecial(r);
  if (s.position < 0) {
    d.x = runDraw(c, r, d.x, d.y, -1, d.cw, ink_);
    d.i = d.text.size();
    d.stop = true;
    return;
  }
  std::size_t at = static_cast<std::size_t>(s.position - 1);
  switch (s.character) {
    case '+': case '-': case '*': case '/': case '^': case '=': case ':':
    case '!': case 'P': case 'C': case '(': case ')': case 'x': case 'y': case 'z':
    case '<': case '>':
      d.x = runDraw(c, r.substr(0, at), d.x, d.y, -1, d.cw, ink_);
      d.i += at;
      return;
    case 'k':
      mixedStep(c, d, at);
      return;
    case 'b':
      fractionStep(c, d, at);
      return;
    case '.':
      decimalStep(c, d, at);
      return;
    default:
      // 'p', 'm', 'u', '@', '[', ']', 'K', 'B', 'R', '$' after a number: the rest as a run.
      d.x = runDraw(c, r, d.x, d.y, -1, d.cw, ink_);
      d.i = d.text.size();
      d.stop = true;
      return;
  }
}

// "I k …": the whole number, then the fraction (or the denominator being typed).
void ExprRenderer::mixedStep(Canvas& c, DrawCtx& d, std::size_t at) {
  std::string_view r = d.rest();
  d.x = runDraw(c, r.substr(0, at), d.x, d.y, -1, d.cw, ink_);
  d.x += 1;
  BarDraw(c, d.x, d.barLine(), d.cw);
  std::string_view after = r.substr(at + 1);
  d.i += at + 1;
  SpecialFound s = NextSpecial(after);
  if (s.character == 'b') return;  // the fraction follows
  // The denominator is being typed: blue digits under the bar, the cursor after them.
  std::string_view digits = s.position < 0 ? after : after.substr(0, s.position - 1);
  int start = d.x;
  {
    FontSaver keep(c);
    c.setTextColor(kBlue);
    c.textOut(start, d.lowerLine(), printableText(digits));
  }
  int digitsEnd = c.penPos().x;
  placeCursor(digitsEnd, d.lowerLine());
  BarDraw(c, start, d.barLine(), d.cw * static_cast<int>(digits.size()));
  d.i += digits.size();
  if (d.i >= d.text.size()) {
    d.x = start + 2;
    d.stop = true;
    return;
  }
  // Only malformed text goes on after an unfinished denominator; keep it clear of it.
  d.x = std::max(digitsEnd, start + d.cw * static_cast<int>(digits.size()));
}

// "D b N": a number fraction, denominator first.
void ExprRenderer::fractionStep(Canvas& c, DrawCtx& d, std::size_t at) {
  std::string_view r = d.rest();
  std::string_view den = r.substr(0, at);
  std::string_view after = r.substr(at + 1);
  if (after.empty()) {
    // Only the denominator so far: it stands under its bar, the numerator comes next.
    int start = d.x;
    int runEnd = runDraw(c, den, start, d.lowerLine(), -1, d.cw, ink_);
    int width = d.cw * static_cast<int>(den.size());
    BarDraw(c, start, d.barLine(), width);
    placeCursor(start, d.upperLine());
    d.x = std::max(runEnd, start + width);
    d.i = d.text.size();
    d.stop = true;
    return;
  }
  SpecialFound s = NextSpecial(after);
  std::string_view num = s.position < 0 ? after : after.substr(0, s.position - 1);
  std::size_t taken = at + 1 + num.size();
  if (readsAsInt64(den) && readsAsInt64(num)) {
    Bunsuu64 v;
    v.sign = 1;
    v.integer = 0;
    v.denominator = parseInt64(den).value_or(0);
    v.numerator = parseInt64(num).value_or(0);
    d.x = BunsuuDraw(c, v, d.x, d.y, d.cw, d.ch, false);
  } else {
    d.x = runDraw(c, r.substr(0, taken), d.x, d.y, -1, d.cw, ink_);
  }
  d.i += taken;
}

// "I . F", possibly with a repeating period "@ P".
void ExprRenderer::decimalStep(Canvas& c, DrawCtx& d, std::size_t at) {
  std::string_view r = d.rest();
  d.x = runDraw(c, r.substr(0, at + 1), d.x, d.y, -1, d.cw, ink_);
  d.i += at + 1;
  std::string_view after = d.rest();
  SpecialFound s = NextSpecial(after);
  if (s.position < 0) {
    d.x = runDraw(c, after, d.x, d.y, -1, d.cw, ink_);
    d.i = d.text.size();
    d.stop = true;
    return;
  }
  std::size_t sp = static_cast<std::size_t>(s.position - 1);
  d.x = runDraw(c, after.substr(0, sp), d.x, d.y, -1, d.cw, ink_);
  d.i += sp;
  if (s.character != '@') return;  // the special character is the next head

  d.i += 1;  // the '@'
  CursorColor = kMagenta;
  std::string_view period = d.rest();
  if (period.empty()) {
    d.stop = true;
    return;
  }
  SpecialFound e = NextSpecial(period);
  std::string_view digits = e.position < 0 ? period : period.substr(0, e.position - 1);
  if (digits.empty()) {
    CursorColor = kBlue;
    return;
  }
  int dotY = static_cast<int>(std::lround(d.y - 0.4 * d.ch));
  JunkanDot(c, static_cast<int>(std::lround(d.x + 0.3 * d.cw)), dotY, 0.3);
  std::size_t first = utf8CharLength(digits, 0);
  d.x = runDraw(c, digits.substr(0, first), d.x, d.y, -1, d.cw, ink_);
  std::string_view others = digits.substr(first);
  int count = static_cast<int>(others.size());
  if (e.position >= 0) {
    // The period is closed by the next token: dot over its last digit.
    d.x = runDraw(c, others, d.x, d.y, -1, d.cw, ink_);
    if (count > 0) JunkanDot(c, static_cast<int>(std::lround(d.x - 0.8 * d.cw)), dotY, 0.3);
    CursorColor = kBlue;
    d.i += digits.size();
    return;
  }
  // Still being typed: the dot moves to the last digit typed so far.
  if (count > 0)
    JunkanDot(c, static_cast<int>(std::lround(d.x + d.cw * count - 0.8 * d.cw)), dotY, 0.3);
  d.x = runDraw(c, others, d.x, d.y, -1, d.cw, ink_);
  d.i = d.text.size();
  d.stop = true;
}

void ExprRenderer::powerStep(Canvas& c, DrawCtx& d) {
  powerFlag = true;
  powerLineY = d.y - d.quarter();
  d.i += 1;
  FontSaver keep(c);
  c.setFontSize(scaledSize(keep.savedSize(), 0.7));
  c.setBold(true);
  std::string_view r = d.rest();
  if (!r.empty() && (r[0] == 'p' || r[0] == 'm')) {
    c.setTextColor(kRed);
    c.textOut(d.x, powerLineY, r[0] == 'p' ? "＋" : "－");
    d.x = c.penPos().x;
    d.i += 1;
    r = d.rest();
  }
  std::size_t len = 0;
  if (!r.empty() && (r[0] == 'x' || r[0] == 'y' || r[0] == 'z')) {
    len = r.find_first_not_of("xyz");
    if (len == npos) len = r.size();
  } else {
    SpecialFound s = NextSpecial(r);
    len = s.position < 0 ? r.size() : static_cast<std::size_t>(s.position - 1);
  }
  if (len > 0) {
    c.setTextColor(kDarkRed);
    c.textOut(d.x, powerLineY, printableText(r.substr(0, len)));
    d.x = c.penPos().x;
    d.i += len;
  }
}

void ExprRenderer::specialStep(Canvas& c, DrawCtx& d) {
  std::string_view r = d.rest();
  TokenInfo t = TokenGlyph(r);
  switch (t.kind) {
    case 5:
      powerStep(c, d);
      return;
    case 12:
      exprFractionStep(c, d);
      return;
    case 20: {
      if (EQUAL_KAIGYO && !d.hasX) {
        ++lineCount;
        d.x = d.startX - d.ch;
        d.y = d.startY + lineCount * d.ch * GyoKeisuu / 2;
      } else {
        d.y = d.startY;
      }
      answerX = d.x;
      answerY = d.y;
      equalMarks.push_back({d.x, d.y});
      break;
    }
    case 27: {
      FontSaver keep(c);
      c.setTextColor(t.color);
      c.setBold(true);
      c.textOut(d.x + d.quarter(), d.y, t.glyph);
      d.x = c.penPos().x + d.quarter();
      powerFlag = false;
      powerLineY = d.y;
      d.i += 1;
      return;
    }
    case 32: {
      FontSaver keep(c);
      c.setTextColor(t.color);
      c.setFontSize(scaledSize(keep.savedSize(), 0.7));
      c.setBold(true);
      c.textOut(d.x + d.quarter(), static_cast<int>(std::lround(d.y + 0.3 * d.ch)), t.glyph);
      d.x = c.penPos().x + d.quarter();
      d.i += 1;
      return;
    }
    default:
      break;
  }
  // An operator, sign, relation or "＝" ends an exponent.
  if ((t.kind >= 1 && t.kind <= 4) || t.kind == 9 || t.kind == 10 || t.kind == 20 ||
      t.kind == 25 || t.kind == 26) {
    powerFlag = false;
    powerLineY = d.y;
  }
  FontSaver keep(c);
  c.setTextColor(t.color);
  if (t.bold) c.setBold(true);
  c.textOut(d.x, d.y, t.glyph);
  d.x = c.penPos().x;
  d.i += static_cast<std::size_t>(t.length);
}

int ExprRenderer::TokenDraw(Canvas& c, std::string_view text, int x, int y, int CharW,
                            int CharH) {
  if (text.empty()) return x;
  TokenInfo t = TokenGlyph(text);
  if (t.kind == 0 || t.kind == -1)
    return runDraw(c, text.substr(0, utf8CharLength(text, 0)), x, y, -1, CharW, ink_);
  ++depth_;
  DrawCtx d;
  d.text = text;
  d.x = d.startX = x;
  d.y = d.startY = y;
  d.cw = CharW;
  d.ch = CharH;
  d.hasX = text.find('x') != npos;
  c.moveTo(x, y);
  if (t.kind == 12) {
    // An expression fraction is one token to the callers.
    exprFractionStep(c, d);
  } else {
    specialStep(c, d);
  }
  --depth_;
  return d.x;
}

}  // namespace ravlo
