#include "render/recording_canvas.h"

#include <algorithm>
#include <cstdio>

#include "render/text_cells.h"

namespace ravlo {

RecordingCanvas::RecordingCanvas(RecordingMetrics m) : m_(m) {
  if (m_.baseSize < 1) m_.baseSize = 1;
  FontSpec f = font();
  f.size = m_.baseSize;
  setFont(f);
  log_.clear();
}

int RecordingCanvas::scaled(int v) const {
  if (!m_.scaleWithSize) return v;
  long long num = static_cast<long long>(v) * fontSize();
  return static_cast<int>((num * 2 + m_.baseSize) / (2LL * m_.baseSize));
}

int RecordingCanvas::cellWidth() const { return scaled(m_.cellWidth); }
int RecordingCanvas::lineHeight() const { return scaled(m_.lineHeight); }

RecordingCanvas::Entry RecordingCanvas::base(Op op) const {
  Entry e;
  e.op = op;
  e.font = font();
  e.penWidth = penWidth();
  return e;
}

void RecordingCanvas::drawText(int x, int y, std::string_view text) {
  Entry e = base(Op::Text);
  e.x = x;
  e.y = y;
  e.x2 = x + measureWidth(text);
  e.y2 = y + lineHeight();
  e.text = std::string(text);
  e.color = textColor();
  log_.push_back(std::move(e));
}

int RecordingCanvas::measureWidth(std::string_view text) { return displayCells(text) * cellWidth(); }

int RecordingCanvas::measureHeight(std::string_view) { return lineHeight(); }

void RecordingCanvas::drawLine(Point from, Point to) {
  Entry e = base(Op::Line);
  e.x = from.x;
  e.y = from.y;
  e.x2 = to.x;
  e.y2 = to.y;
  e.color = penColor();
  log_.push_back(std::move(e));
}

void RecordingCanvas::drawFilledRect(int left, int top, int right, int bottom) {
  Entry e = base(Op::Rect);
  e.x = left;
  e.y = top;
  e.x2 = right;
  e.y2 = bottom;
  e.color = brushColor();
  log_.push_back(std::move(e));
}

void RecordingCanvas::fontChanged() { log_.push_back(base(Op::Font)); }

void RecordingCanvas::colorChanged(ColorRole role, std::uint32_t value) {
  Op op = role == ColorRole::Text ? Op::TextColor
          : role == ColorRole::Pen ? Op::PenColor
          : role == ColorRole::PenWidth ? Op::PenWidth
                                        : Op::BrushColor;
  Entry e = base(op);
  e.color = value;
  log_.push_back(std::move(e));
}

std::vector<RecordingCanvas::TextItem> RecordingCanvas::texts() const {
  std::vector<TextItem> out;
  for (const auto& e : log_)
    if (e.op == Op::Text) out.push_back({e.x, e.y, e.x2 - e.x, e.y2 - e.y, e.text, e.color, e.font});
  return out;
}

std::string RecordingCanvas::allText() const {
  std::string s;
  for (const auto& e : log_)
    if (e.op == Op::Text) s += e.text;
  return s;
}

std::optional<RecordingCanvas::TextItem> RecordingCanvas::findText(std::string_view text,
                                                                   int n) const {
  for (const auto& t : texts())
    if (t.text == text && n-- == 0) return t;
  return std::nullopt;
}

int RecordingCanvas::countText(std::string_view text) const {
  int n = 0;
  for (const auto& e : log_)
    if (e.op == Op::Text && e.text == text) ++n;
  return n;
}

std::vector<RecordingCanvas::LineItem> RecordingCanvas::lines() const {
  std::vector<LineItem> out;
  for (const auto& e : log_)
    if (e.op == Op::Line) out.push_back({{e.x, e.y}, {e.x2, e.y2}, e.color, e.penWidth});
  return out;
}

std::vector<RecordingCanvas::LineItem> RecordingCanvas::horizontalLines() const {
  std::vector<LineItem> out;
  for (const auto& l : lines()) {
    if (!l.horizontal()) continue;
    bool seen = std::any_of(out.begin(), out.end(), [&](const LineItem& o) {
      return o.from.y == l.from.y && o.left() == l.left() && o.right() == l.right();
    });
    if (!seen) out.push_back(l);
  }
  return out;
}

std::vector<RecordingCanvas::Entry> RecordingCanvas::rects() const {
  std::vector<Entry> out;
  for (const auto& e : log_)
    if (e.op == Op::Rect) out.push_back(e);
  return out;
}

std::string RecordingCanvas::dump() const {
  std::string s;
  char buf[160];
  for (const auto& e : log_) {
    switch (e.op) {
      case Op::Text:
        std::snprintf(buf, sizeof buf, "text (%d,%d) size %d%s colour %06X: ", e.x, e.y,
                      e.font.size, e.font.bold ? " bold" : "", e.color);
        s += buf;
        s += e.text;
        break;
      case Op::Line:
        std::snprintf(buf, sizeof buf, "line (%d,%d)-(%d,%d) colour %06X width %d", e.x, e.y,
                      e.x2, e.y2, e.color, e.penWidth);
        s += buf;
        break;
      case Op::Rect:
        std::snprintf(buf, sizeof buf, "rect (%d,%d)-(%d,%d) colour %06X", e.x, e.y, e.x2, e.y2,
                      e.color);
        s += buf;
        break;
      case Op::Font:
        std::snprintf(buf, sizeof buf, "font size %d%s%s", e.font.size, e.font.bold ? " bold" : "",
                      e.font.underline ? " underline" : "");
        s += buf;
        break;
      case Op::TextColor:
      case Op::PenColor:
      case Op::BrushColor:
        std::snprintf(buf, sizeof buf, "%s colour %06X",
                      e.op == Op::TextColor ? "text" : e.op == Op::PenColor ? "pen" : "brush",
                      e.color);
        s += buf;
        break;
      case Op::PenWidth:
        std::snprintf(buf, sizeof buf, "pen width %u", e.color);
        s += buf;
        break;
    }
    s += '\n';
  }
  return s;
}

}  // namespace ravlo
