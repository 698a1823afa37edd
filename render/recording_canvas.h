#pragma once
// A canvas that draws nothing and remembers everything, with fixed metrics, so tests can
// say exactly what was drawn where.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/canvas.h"

namespace ravlo {

struct RecordingMetrics {
  int cellWidth = 10;    // one half-width character at the base size; full-width is two
  int lineHeight = 20;   // text height at the base size
  int baseSize = 10;     // font size at which the two numbers above hold
  bool scaleWithSize = true;  // other sizes scale both numbers (rounded)
};

class RecordingCanvas final : public Canvas {
 public:
  enum class Op { Text, Line, Rect, Font, TextColor, PenColor, PenWidth, BrushColor };

  struct Entry {
    Op op = Op::Text;
    int x = 0, y = 0, x2 = 0, y2 = 0;  // text: top-left; line: from/to; rect: corners
    std::string text;                  // text drawn
    FontSpec font;                     // font in force
    Color color = 0;                   // text, pen or brush colour in force / new value
    int penWidth = 1;
  };

  struct TextItem {
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
    Color color = 0;
    FontSpec font;
  };

  struct LineItem {
    Point from, to;
    Color color = 0;
    int width = 1;
    bool horizontal() const { return from.y == to.y; }
    int left() const { return from.x < to.x ? from.x : to.x; }
    int right() const { return from.x < to.x ? to.x : from.x; }
    int length() const { return right() - left(); }
  };

  explicit RecordingCanvas(RecordingMetrics m = {});

  const RecordingMetrics& metrics() const { return m_; }
  // Width and height of one half-width character in the current font.
  int cellWidth() const;
  int lineHeight() const;

  const std::vector<Entry>& log() const { return log_; }
  void clearLog() { log_.clear(); }

  std::vector<TextItem> texts() const;
  // Every drawn text joined in drawing order: "0.16" for 0.1@6.
  std::string allText() const;
  // The n-th (0-based) drawing of exactly this text.
  std::optional<TextItem> findText(std::string_view text, int n = 0) const;
  int countText(std::string_view text) const;
  std::vector<LineItem> lines() const;
  // Horizontal segments, each once even when drawn there and back.
  std::vector<LineItem> horizontalLines() const;
  std::vector<Entry> rects() const;
  // One line per entry, for failure messages.
  std::string dump() const;

 protected:
  void drawText(int x, int y, std::string_view text) override;
  int measureWidth(std::string_view text) override;
  int measureHeight(std::string_view text) override;
  void drawLine(Point from, Point to) override;
  void drawFilledRect(int left, int top, int right, int bottom) override;
  void fontChanged() override;
  void colorChanged(ColorRole role, std::uint32_t value) override;

 private:
  int scaled(int v) const;
  Entry base(Op op) const;

  RecordingMetrics m_;
  std::vector<Entry> log_;
};

}  // namespace ravlo
