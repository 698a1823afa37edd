#include "app/splash_markup.h"

#include <algorithm>
#include <cstdint>

#include "expr/inp_check.h"
#include "render/text_cells.h"
#include "render/token_glyph.h"

namespace ravlo {
namespace {

constexpr int kMaxCells = 100000;  // keeps window sizes far from int overflow

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

int cells(std::string_view s) { return std::min(displayCells(s), kMaxCells); }

SplashLayout parseExpression(std::string_view body, MessageSink& sink) {
  SplashLayout layout;
  layout.rows = 5;
  int commentWidth = 0;
  std::string_view expression = body;
  const std::size_t hash = body.find('#');
  if (hash != std::string_view::npos) {
    std::string_view comment = trimmed(body.substr(hash));
    while (!comment.empty() && comment.front() == '#') comment.remove_prefix(1);
    layout.markup.push_back({SplashSegment::Kind::Text, "【" + std::string(comment) + "】"});
    layout.markup.push_back({SplashSegment::Kind::Break, ""});
    commentWidth = cells(comment) + 4;
    expression = body.substr(0, hash);
  }
  expression = trimmed(expression);
  InpCheckState check;
  if (SikiCheck(check, expression, false, false, true, true, sink) != 0) {
    layout.closeAtOnce = true;
    return layout;
  }
  layout.markup.push_back({SplashSegment::Kind::Expression, std::string(expression)});
  int width = std::min(WidthUnits(expression), kMaxCells);
  if (expression.find('&') != std::string_view::npos) width += 10;
  layout.columns = std::max(commentWidth, width);
  return layout;
}

SplashLayout parseLines(std::string_view body) {
  SplashLayout layout;
  layout.rows = 2;
  int longest = 0;
  std::string_view rest = body;
  for (std::size_t bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
    const std::string_view line = trimmed(rest.substr(0, bar));
    layout.rows = std::min(layout.rows + 2, kMaxCells);
    layout.markup.push_back({SplashSegment::Kind::Text, std::string(line)});
    layout.markup.push_back({SplashSegment::Kind::Break, ""});
    longest = std::max(longest, cells(line));
    rest = trimmed(rest.substr(bar + 1));
  }
  const std::string_view last = trimmed(rest);
  layout.markup.push_back({SplashSegment::Kind::Text, std::string(last)});
  longest = std::max(longest, cells(last));
  layout.columns = longest - 8;
  return layout;
}

}  // namespace

SplashLayout SplMsgParse(std::string_view text, const SplashLayout& previous, MessageSink& sink) {
  if (!text.empty() && text.front() == '@') return parseExpression(text.substr(1), sink);
  if (!text.empty() && text.front() == '$') return parseLines(text.substr(1));
  SplashLayout layout;
  layout.rows = previous.rows;
  layout.columns = previous.columns;
  return layout;
}

SplashSize splashWindowSize(const SplashLayout& layout, int W, int H) {
  const std::int64_t width = static_cast<std::int64_t>(W) * (layout.columns + 8);
  const std::int64_t height = static_cast<std::int64_t>(H) * (layout.rows + 4);
  return {static_cast<int>(std::clamp<std::int64_t>(width, kSplashMinWidth, kSplashMaxSide)),
          static_cast<int>(std::clamp<std::int64_t>(height, kSplashMinHeight, kSplashMaxSide))};
}

void SplMsgDraw(Canvas& c, ExprRenderer& renderer, const SplashLayout& layout, int W, int H) {
  int x = kSplashStartX;
  int y = kSplashStartY;
  int k = 0;
  for (const SplashSegment& seg : layout.markup) {
    switch (seg.kind) {
      case SplashSegment::Kind::Text:
        c.textOut(x, y, printableText(seg.text));
        x = c.penPos().x;
        break;
      case SplashSegment::Kind::Break:
        // Lines stand evenly 2.5 H apart, however many there are.
        ++k;
        y = static_cast<int>(std::min<std::int64_t>(
            kSplashStartY + static_cast<std::int64_t>(k) * H * 5 / 2, 1'000'000));
        x = kSplashStartX;
        break;
      case SplashSegment::Kind::Expression:
        renderer.lineCount = 0;
        x = renderer.LineDraw(c, seg.text, x, y, W, H, 0, 0);
        break;
    }
  }
}

}  // namespace ravlo
