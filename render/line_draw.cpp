// LineDraw and the answer column.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "core/cp932.h"
#include "render/colors.h"
#include "render/expr_renderer.h"
#include "render/text_cells.h"

namespace ravlo {

int ExprRenderer::LineDraw(Canvas& c, std::string_view text, int x, int y, int CharW, int CharH,
                           int columnMode, int number) {
  const bool topLevel = depth_ == 0;
  if (topLevel) startLine();
  columnWrapped = false;
  const std::size_t amp = text.find('&');
  const std::string_view left = text.substr(0, amp);
  spanned_ = topLevel && !inkSpans.empty();
  const int end = drawExpr(c, left, x, y, CharW, CharH);
  spanned_ = false;
  int result = end;
  if (amp != std::string_view::npos) {
    const std::string_view right = text.substr(amp + 1);
    const int y2 = y + lineCount * CharH * GyoKeisuu / 2;
    int cx = end + 4 * CharW;
    int cy = y2;
    if (columnMode < 0) {
      const long long wanted = static_cast<long long>(x) - static_cast<long long>(CharW) * columnMode;
      cx = static_cast<int>(std::min<long long>(wanted, std::numeric_limits<int>::max() / 2));
      if (cx < end + 2 * CharW) {
        cy = y2 + static_cast<int>(std::lround(2.5 * CharH));
        columnWrapped = true;
      }
    } else if (columnMode > 0) {
      cx = x;
      cy = y2 + 3 * CharH;
    }
    result = AnsColumnDraw(c, right, cx, cy, CharW, CharH, number);
  }
  if (topLevel) finishLine(c);
  return result;
}

int ExprRenderer::AnsColumnDraw(Canvas& c, std::string_view answer, int x, int y, int CharW,
                                int CharH, int number) {
  const bool savedKaigyo = EQUAL_KAIGYO;
  EQUAL_KAIGYO = false;
  std::string label = "【";
  if (number > 0) label += std::to_string(number) + "の";
  label += "答】";
  const Color saved = c.textColor();
  c.setTextColor(kRed);
  c.textOut(x, y, label);
  const int ax = x + CharW * static_cast<int>(displayWidth(label));
  c.setTextColor(kBlack);
  int end = ax;
  if (answer.find("不") != std::string_view::npos) {
    c.textOut(ax, y, printableText(answer));
    end = c.penPos().x;
  } else {
    end = drawExpr(c, answer, ax, y, CharW, CharH);
  }
  const int k = answer.find('b') != std::string_view::npos ? 7 : 5;
  const int underlineY = y + CharH * k / 4;
  c.moveTo(x + CharW / 2, underlineY);
  c.lineTo(end + CharW / 2, underlineY);
  c.setTextColor(saved);
  EQUAL_KAIGYO = savedKaigyo;
  return end;
}

}  // namespace ravlo
