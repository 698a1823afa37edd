#pragma once
// The drawing surface every renderer writes on: screen, printer, PDF, image and the
// recording canvas of the tests. It keeps the state of a classic GDI-style canvas (font,
// text colour, pen, brush, pen position); the concrete canvases only draw and measure.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace ravlo {

// Colours are 0x00BBGGRR numbers, the program's own notation.
using Color = std::uint32_t;

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

constexpr Rgb toRgb(Color c) {
  return Rgb{static_cast<std::uint8_t>(c & 0xFFu), static_cast<std::uint8_t>((c >> 8) & 0xFFu),
             static_cast<std::uint8_t>((c >> 16) & 0xFFu)};
}

constexpr Color fromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct FontSpec {
  std::string family = "ＭＳ ゴシック";
  int size = 14;  // points
  bool bold = false;
  bool underline = false;
  bool fixedPitch = false;
  bool italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  const FontSpec& font() const { return font_; }
  void setFont(const FontSpec& f);
  const std::string& fontName() const { return font_.family; }
  void setFontName(std::string_view family);
  int fontSize() const { return font_.size; }
  void setFontSize(int points);
  bool bold() const { return font_.bold; }
  void setBold(bool on);
  bool underline() const { return font_.underline; }
  void setUnderline(bool on);
  bool fixedPitch() const { return font_.fixedPitch; }
  void setFixedPitch(bool on);

  Color textColor() const { return textColor_; }
  void setTextColor(Color c);
  Color penColor() const { return penColor_; }
  void setPenColor(Color c);
  int penWidth() const { return penWidth_; }
  void setPenWidth(int w);
  Color brushColor() const { return brushColor_; }
  void setBrushColor(Color c);

  // Draws UTF-8 text with its top-left corner at (x, y) in the text colour, without a
  // background; the pen then stands at (x + width, y).
  void textOut(int x, int y, std::string_view text);
  int textWidth(std::string_view text);
  int textHeight(std::string_view text);

  void moveTo(int x, int y) { pen_ = {x, y}; }
  // A line from the pen position in the pen colour and width; the pen moves to its end.
  void lineTo(int x, int y);
  // Fills left..right-1 × top..bottom-1 with the brush colour.
  void fillRect(int left, int top, int right, int bottom);
  Point penPos() const { return pen_; }

  // The rows that can be seen (a window's height); drawing code may leave out what falls
  // outside them. Every row counts as seen until this is set.
  void setVisibleRows(int top, int bottom) {
    visibleTop_ = top;
    visibleBottom_ = bottom;
  }
  bool rowsVisible(int top, int bottom) const {
    return bottom >= visibleTop_ && top < visibleBottom_;
  }

 protected:
  virtual void drawText(int x, int y, std::string_view text) = 0;
  virtual int measureWidth(std::string_view text) = 0;
  virtual int measureHeight(std::string_view text) = 0;
  virtual void drawLine(Point from, Point to) = 0;
  virtual void drawFilledRect(int left, int top, int right, int bottom) = 0;
  // Hooks for canvases that keep a native font or log state changes.
  virtual void fontChanged() {}
  enum class ColorRole { Text, Pen, PenWidth, Brush };
  virtual void colorChanged(ColorRole, std::uint32_t) {}

 private:
  void changeFont(const FontSpec& f);

  FontSpec font_;
  Color textColor_ = 0x000000;
  Color penColor_ = 0x000000;
  int penWidth_ = 1;
  Color brushColor_ = 0xFFFFFF;
  Point pen_;
  int visibleTop_ = std::numeric_limits<int>::min();
  int visibleBottom_ = std::numeric_limits<int>::max();
};

// Saves the font and text colour and puts them back when it goes out of scope.
class FontSaver {
 public:
  explicit FontSaver(Canvas& c) : c_(c), font_(c.font()), color_(c.textColor()) {}
  ~FontSaver() {
    c_.setFont(font_);
    c_.setTextColor(color_);
  }
  const FontSpec& savedFont() const { return font_; }
  int savedSize() const { return font_.size; }
  FontSaver(const FontSaver&) = delete;
  FontSaver& operator=(const FontSaver&) = delete;

 private:
  Canvas& c_;
  FontSpec font_;
  Color color_;
};

}  // namespace ravlo
