// The walk over the steps of a worked solution, the header, the advice lines and the
// reduction lines.
#include "render/process_draw.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "process/advice_table.h"
#include "process/proc_type_table.h"
#include "process/process_engine.h"
#include "render/colors.h"

namespace ravlo {

namespace {

int scaledSize(int size, double factor) {
  long v = std::lround(size * factor);
  return v < 1 ? 1 : static_cast<int>(v);
}

// Beyond this nothing is visible on any page; a text with absurdly many steps stops here
// rather than running the coordinates out of range.
constexpr long long kFarAway = 1LL << 28;

int roundedCoord(double v) {
  return static_cast<int>(std::clamp<double>(std::round(v), -kFarAway, kFarAway));
}

int lineAdvance(int CharH, int GyoKeisuu) {
  const long long d = static_cast<long long>(CharH) * GyoKeisuu / 2;
  return static_cast<int>(std::clamp<long long>(d, -kFarAway, kFarAway));
}

}  // namespace

ProcessDrawer::ProcessDrawer(ExprRenderer& renderer, const ProcessContext& process)
    : ADVICEDSP(process.options.ADVICEDSP),
      PROCTEIDO(process.options.PROCTEIDO),
      r_(renderer),
      process_(process) {}

void ProcessDrawer::ProcTypeDraw(Canvas& c, int type, int x, int y) {
  const std::string_view caption = procTypeHeader(type);
  if (caption.empty()) return;
  FontSaver keep(c);
  c.setFontSize(scaledSize(keep.savedSize(), 0.8));
  c.setTextColor(kDarkRed);
  c.setBold(true);
  c.setUnderline(true);
  c.textOut(x, y, caption);
}

void ProcessDrawer::AdviceDraw(Canvas& c, int code, int x, int y, int CharH) {
  std::string_view text = adviceText(code);
  if (text.rfind("||", 0) == 0) text.remove_prefix(2);
  int line = 0;
  while (!text.empty()) {
    const std::size_t cut = text.find("||");
    const std::string_view piece = text.substr(0, cut);
    c.textOut(x, roundedCoord(y + static_cast<double>(line) * CharH), piece);
    ++line;
    if (cut == std::string_view::npos) break;
    text.remove_prefix(cut + 2);
  }
}

int ProcessDrawer::YakubunLineDsp(Canvas& c, std::string_view expression, int x, int y,
                                  int CharW, int CharH, int variant) {
  YakuKazu = 0;
  int yy = roundedCoord(y + 0.7 * CharH);
  if (!expression.empty() && expression.front() == '=') {
    yy = roundedCoord(static_cast<double>(yy) + lineAdvance(CharH, r_.GyoKeisuu));
    FontSaver keep(c);
    c.setTextColor(kBlue);
    c.textOut(x - CharH, yy, "＝");
    expression.remove_prefix(1);
  }
  NullSink quiet;
  const YakuAnnotation annotation = variant == 1 ? YakuAnnotation::Bracketed : YakuAnnotation::None;
  // Terms end at the binary operators; the signs "m"/"p" belong to their term, and an
  // operator inside brackets belongs to the bracket.
  std::size_t start = 0;
  int depth = 0;
  for (std::size_t i = 0; i <= expression.size(); ++i) {
    const char ch = i < expression.size() ? expression[i] : '\0';
    if (ch == '(' || ch == '[') ++depth;
    if ((ch == ')' || ch == ']') && depth > 0) --depth;
    const bool isOperator = ch == '+' || ch == '-' || ch == '*' || ch == '/';
    if (i < expression.size() && !(isOperator && depth == 0)) continue;
    const std::string_view term = expression.substr(start, i - start);
    if (!term.empty()) {
      const bool fraction = term.find('b') != std::string_view::npos &&
                            term.find_first_of(".[(") == std::string_view::npos;
      const Bunsuu64 v = fraction ? StrToBun(term, quiet) : Bunsuu64{};
      const BunCheckFlags f = fraction ? BunCheck(v) : BunCheckFlags{};
      if (fraction && v.valid() && f.reducible) {
        x = r_.YakubunDraw(c, v, x, yy, CharW, CharH, annotation);
        ++YakuKazu;
      } else {
        x = r_.SikiDraw(c, term, x, yy, CharW, CharH);
      }
    }
    if (i < expression.size()) x = r_.TokenDraw(c, expression.substr(i, 1), x, yy, CharW, CharH);
    start = i + 1;
  }
  return x;
}

int ProcessDrawer::ProcTextDraw(Canvas& c, std::string_view text, int x0, int y0, int CharW,
                                int CharH) {
  const int unit = lineAdvance(CharH, r_.GyoKeisuu);
  const int gap = roundedCoord(unit + 0.7 * CharH);
  const int adviceSize = scaledSize(c.fontSize(), 0.7);
  ProcessOptions shown;
  shown.ADVICEDSP = ADVICEDSP;
  shown.PROCTEIDO = PROCTEIDO;

  int x = x0;
  int y = y0;
  int index = 0;
  for (const ProcEntry& e : procEntries(text)) {
    ++index;
    if (!processEntryShown(index, e.advice, shown)) continue;
    if (y > kFarAway || y < -kFarAway) break;
    r_.lineCount = 0;
    const std::string_view body = e.expr;
    const bool chained = !body.empty() && body.front() == '=';
    Point anchor;
    bool plain = e.tag == 'X';
    if (e.tag == 'Y' || e.tag == 'A') {
      if (chained) x = x0;
      YakubunLineDsp(c, body, x, y, CharW, CharH, e.tag == 'A' ? 1 : 0);
      anchor = {c.penPos().x - (e.tag == 'A' ? CharH : 0), roundedCoord(static_cast<double>(y) + gap)};
      y = roundedCoord(static_cast<double>(y) + CharH + gap);
    } else if (e.tag == 'Z') {
      KiyakuKakezan(c, x0, y, CharW, CharH, process_.products.ZSign);
      if (zDrawn_) {
        anchor = {c.penPos().x,
                  roundedCoord(y + gap + 0.7 * CharH * KiyakuBunsiMax - CharH)};
        y = roundedCoord(y + gap + CharH + 0.7 * CharH * (KiyakuBunboMax + KiyakuBunsiMax) -
                         5.0 * CharH / 4);
      } else {
        // No product of this process to cancel: the step is shown as it is written.
        plain = true;
      }
    }
    if (plain) {
      if (chained) x = x0;
      x = r_.SikiDraw(c, body, x, y, CharW, CharH);
      anchor = c.penPos();
      // As the renderer placed the breaks: line count × CharH × GyoKeisuu / 2.
      const long long moved = static_cast<long long>(r_.lineCount) * CharH * r_.GyoKeisuu / 2;
      y = roundedCoord(static_cast<double>(y) + static_cast<double>(moved));
    }
    if (adviceLineShown(e.advice, shown)) {
      FontSaver keep(c);
      c.setFontSize(adviceSize);
      c.setTextColor(kNavy);
      AdviceDraw(c, e.advice, anchor.x + 2 * CharH, anchor.y, CharH);
    }
  }
  return y;
}

int ProcessDrawer::drawWithHeader(Canvas& c, int type, std::string_view text, int LeftX,
                                  int TopY, int CharW, int CharH) {
  const bool savedKaigyo = r_.EQUAL_KAIGYO;
  r_.EQUAL_KAIGYO = true;
  ProcTypeDraw(c, type, 4 * CharW, TopY - 2 * CharH);
  const int y = ProcTextDraw(c, text, LeftX, TopY, CharW, CharH);
  r_.EQUAL_KAIGYO = savedKaigyo;
  return y;
}

}  // namespace ravlo
