#pragma once
// Draws encoded expression texts in built-up school notation on any canvas, and keeps what
// the calculation screen needs to know afterwards: where the cursor goes and in what colour,
// whether an exponent is being typed, how many lines an "=" break made, where the last "＝"
// stands.
//
// Every drawing rule works on the raw text: half-typed expressions draw step by step, and
// text that is no expression at all (stray brackets, random bytes, numbers too long for
// 64 bits) is drawn as plain characters rather than refused.
#include <string>
#include <string_view>
#include <vector>

#include "core/bunsuu64.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "render/canvas.h"

namespace ravlo {

// What YakubunDraw writes after the struck-through fraction.
enum class YakuAnnotation {
  None,      // the reduction marks only
  Bracketed, // 〔＝reduced〕 in magenta
  Result,    // ＝reduced (＝integer) on the same line, or the next when EQUAL_KAIGYO is on
};

// A stretch of a line (positions from, to − 1 of its text) whose numbers are drawn in
// another ink than black.
struct InkSpan {
  std::size_t from = 0;
  std::size_t to = 0;
  Color ink = 0;
  friend bool operator==(const InkSpan&, const InkSpan&) = default;
};

class ExprRenderer {
 public:
  // ---- settings read while drawing (the caller copies them in) ----
  // Break the line before "＝" so the answer stands under the expression.
  bool EQUAL_KAIGYO = false;
  // Line-feed coefficient of the window being drawn: a line advance is CharH × GyoKeisuu / 2.
  int GyoKeisuu = 5;
  // Character height of the calculation screen, used by "あまり" and "|" inside runs;
  // 0 means "measure the canvas font".
  int ScreenCharH = 0;

  // ---- state shared with the calculation screen ----
  // Cursor block position. While cursorFollowsPen is set the cursor stands at the pen
  // position, which SikiDraw and LineDraw copy here when they finish.
  int CursorX = 0;
  int CursorY = 0;
  bool cursorFollowsPen = true;
  // Set while an exponent is being typed: the cursor is then 0.7 × CharH high at powerLineY.
  bool powerFlag = false;
  int powerLineY = 0;
  // Blue normally, magenta inside an open repeating period, red right after an opened "[".
  Color CursorColor = 0xFF0000;
  // Line breaks made at "=" since the caller last reset it.
  int lineCount = 0;
  // Top-left of the last "＝" drawn.
  int answerX = 0;
  int answerY = 0;
  // Top-left of every "＝" of the line in order; emptied when a line starts.
  std::vector<Point> equalMarks;
  // Set by LineDraw when the answer column had to move to the next line.
  bool columnWrapped = false;
  // Left by YakubunDraw: the reduced value, and its integer form when it is a whole number.
  std::string reducedText;
  std::string reducedIntText;
  // Stretches of the next LineDraw's text (not its answer column) in their own ink.
  std::vector<InkSpan> inkSpans;
  // Parses expression fractions; BunsuuHErr is 50 after an integer part that does not fit.
  BunsuuHContext bunsuuH;

  // ---- drawing ----
  // One expression text; returns the x after it.
  int SikiDraw(Canvas& c, std::string_view text, int x, int y, int CharW, int CharH);
  // A line with its optional answer column after "&". columnMode 0: the column follows the
  // expression; negative m: at x − CharW × m, or on the next line when that is too close;
  // positive: under the line. number > 0 labels the column "【n の答】".
  int LineDraw(Canvas& c, std::string_view text, int x, int y, int CharW, int CharH,
               int columnMode, int number);
  int AnsColumnDraw(Canvas& c, std::string_view answer, int x, int y, int CharW, int CharH,
                    int number);
  // count characters of a plain run (-1: all), each in its own colour.
  int RunDraw(Canvas& c, std::string_view text, int x, int y, int count, int CharW);
  int BunsuuDraw(Canvas& c, const Bunsuu64& value, int x, int y, int CharW, int CharH,
                 bool parenthesise);
  int SikiBunsuuDraw(Canvas& c, const BunsuuH& parts, int x, int y, int CharW, int CharH,
                     bool parenthesise, bool showPlus);
  // A bar from x to x + width at y; the pen returns to x.
  int BarDraw(Canvas& c, int x, int y, int width);
  // The red dot over a repeating digit, at scale × the font size.
  void JunkanDot(Canvas& c, int x, int y, double scale);
  // A fraction with its numerator and denominator struck through and the reduced numbers
  // beside them; sets reducedText and reducedIntText.
  int YakubunDraw(Canvas& c, const Bunsuu64& value, int x, int y, int CharW, int CharH,
                  YakuAnnotation annotation = YakuAnnotation::None);
  // One number of a reduction: the number, the reduced number beside it, the stroke.
  int YakuNumDraw(Canvas& c, std::string_view number, int64_t reduced, int x, int y, int CharW,
                  int CharH, bool isNumerator);
  // The special token at the head of the text ("＝", "×", "≦", "あまり", …); returns the x after it.
  int TokenDraw(Canvas& c, std::string_view text, int x, int y, int CharW, int CharH);

  struct DrawCtx;  // one expression being drawn (draw_context.h)

 private:
  int drawExpr(Canvas& c, std::string_view text, int x, int y, int cw, int ch);
  void ordinaryStep(Canvas& c, DrawCtx& d);
  void specialStep(Canvas& c, DrawCtx& d);
  void mixedStep(Canvas& c, DrawCtx& d, std::size_t specialAt);
  void fractionStep(Canvas& c, DrawCtx& d, std::size_t specialAt);
  void decimalStep(Canvas& c, DrawCtx& d, std::size_t specialAt);
  void powerStep(Canvas& c, DrawCtx& d);
  void exprFractionStep(Canvas& c, DrawCtx& d);
  int runDraw(Canvas& c, std::string_view text, int x, int y, int count, int cw, Color ink);
  int fractionDraw(Canvas& c, const Bunsuu64& value, int x, int y, int cw, int ch,
                   bool parenthesise, Color ink);
  int nestedDraw(Canvas& c, std::string_view text, int x, int y, int cw, int ch);
  int screenCharH(Canvas& c);
  void placeCursor(int x, int y);
  void startLine();
  void finishLine(Canvas& c);
  bool readsAsInt64(std::string_view text);

  NullSink quiet_;   // the renderer never reports: unreadable numbers are drawn as text
  int depth_ = 0;    // nesting of expression drawings (fractions of expressions)
  Color ink_ = 0;    // what numbers are drawn in: black, or the ink of an InkSpan
  bool spanned_ = false;  // the text being drawn is the one inkSpans count in
};

}  // namespace ravlo
