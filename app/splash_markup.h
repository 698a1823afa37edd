#pragma once
// The small message window's body: what a message text asks to show, how large the window
// must be for it, and the drawing. The window itself (timer, clicks) belongs to the program.
//
// Message texts: "$" + lines separated by "|" (plain text); "@" + one expression, optionally
// followed by "#" + a comment shown above it; anything else shows no body.
#include <string>
#include <string_view>
#include <vector>

#include "core/message_sink.h"
#include "render/canvas.h"
#include "render/expr_renderer.h"

namespace ravlo {

struct SplashSegment {
  enum class Kind {
    Text,        // drawn at the current position, which moves to its end
    Break,       // the next line
    Expression,  // drawn built-up, its answer column right after it
  };
  Kind kind = Kind::Text;
  std::string text;
  friend bool operator==(const SplashSegment&, const SplashSegment&) = default;
};

struct SplashLayout {
  int rows = 0;     // window height in character cells, less the frame of 4
  int columns = 0;  // window width in character cells, less the frame of 8
  std::vector<SplashSegment> markup;
  // The expression failed the input checker (which has said why): close at once.
  bool closeAtOnce = false;
};

inline constexpr int kSplashMinWidth = 100;
inline constexpr int kSplashMinHeight = 80;
inline constexpr int kSplashStartX = 20;
inline constexpr int kSplashStartY = 30;
inline constexpr int kSplashFontSize = 13;
// Past a screen's worth of text the window stops growing; the text is still drawn.
inline constexpr int kSplashMaxSide = 16000;
inline constexpr Color kSplashPenColor = 0x808000;  // teal

// Reads a message text. A text that is neither "$" nor "@" keeps the rows and columns of
// `previous` and has no markup.
SplashLayout SplMsgParse(std::string_view text, const SplashLayout& previous, MessageSink& sink);

struct SplashSize {
  int width = 0;
  int height = 0;
};

// W and H are the width of a digit and the height of a line in the window's font.
SplashSize splashWindowSize(const SplashLayout& layout, int W, int H);

// Draws the markup from (20, 30); each line break starts the next line 2.5 H lower.
void SplMsgDraw(Canvas& c, ExprRenderer& renderer, const SplashLayout& layout, int W, int H);

}  // namespace ravlo
