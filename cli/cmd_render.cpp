// ravlo-cli render: draws lines in built-up form into a PNG image or a PDF page, with the
// same renderer and canvas as the calculation screen; with --process, the worked solution
// of each question as the calculation screen shows it with the process display and advice on.
#include <QGuiApplication>
#include <QtGlobal>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "cli/calc_solve.h"
#include "cli/commands.h"
#include "cli/headless_gui.h"
#include "core/bunsuu_h.h"
#include "core/number_text.h"
#include "core/stream_sink.h"
#include "core/text_helpers.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check.h"
#include "expr/inp_check_state.h"
#include "process/process_engine.h"
#include "render/expr_renderer.h"
#include "render/process_draw.h"
#include "render/qt/qt_canvas.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kRenderUsage =
    "render [--process] [--font-size N] EXPR|- -o OUT.png|OUT.pdf";
constexpr Color kScreenBack = 0xC0DCC0;  // the calculation screen's background
constexpr Color kBarPen = 0x808000;      // the calculation screen's pen
constexpr double kDpi = 96.0;

enum class Format { Png, Pdf };

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), s.end() - static_cast<long>(suffix.size()),
                    [](char want, char got) { return std::tolower(static_cast<unsigned char>(got)) == want; });
}

// One picture of the output: a line as given, or a question with its worked solution (or,
// when it has none, its computed line).
struct Piece {
  std::string line;
  std::unique_ptr<ProcessContext> process;  // set when a worked solution is drawn
};

struct Layout {
  int cw = 0;
  int ch = 0;
  std::vector<int> pieceY;  // y of each piece's first text row
  QRect bounds;             // everything drawn, in the same coordinates
};

void setUpCanvas(QtCanvas& c, int fontSize) {
  c.setFont(FontSpec{"ＭＳ ゴシック", fontSize, false, false, true});
  c.setTextColor(0x000000);
  c.setPenColor(kBarPen);
  c.setPenWidth(2);
}

void drawPiece(QtCanvas& c, const Piece& piece, int y, const Layout& layout) {
  ExprRenderer r;
  r.ScreenCharH = layout.ch;
  r.lineCount = 0;
  if (piece.process) {
    // The calculation screen's line start: two character heights in, so the "＝" of the
    // chained lines hangs one character height left of it.
    ProcessDrawer drawer(r, *piece.process);
    drawer.drawWithHeader(c, piece.process->ProcType, piece.process->ProcText, 2 * layout.ch, y,
                          layout.cw, layout.ch);
  } else {
    r.LineDraw(c, piece.line, 0, y, layout.cw, layout.ch, 1, 0);
  }
}

// Draws every piece one under the other; a piece takes the rows its drawing needs.
void drawPieces(QtCanvas& c, const std::vector<Piece>& pieces, Layout& layout, bool measure) {
  int y = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (measure) {
      c.resetBounds();
      drawPiece(c, pieces[i], 0, layout);
      QRect b = c.bounds().isNull() ? QRect(0, 0, 1, layout.ch) : c.bounds();
      y += std::max(0, -b.top());
      layout.pieceY.push_back(y);
      layout.bounds |= b.translated(0, y);
      y += b.bottom() + layout.ch;
    } else {
      drawPiece(c, pieces[i], layout.pieceY[i], layout);
    }
  }
}

// The engine's modules for one run of questions.
struct QuestionEngine {
  explicit QuestionEngine(MessageSink& s) : sink(s) {}
  MessageSink& sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator ev{sink, numberText, bunsuuH, checker, kakko};
};

// The picture of one question as the calculation screen shows it after "=" with the process
// display on: the worked solution when there is one, else the computed line. A question that
// cannot be computed is shown as it was typed; the result is then false (the reason has been
// written to standard error).
bool processPiece(const std::string& text, QuestionEngine& engine, Piece& piece) {
  piece.line = text;
  if (text.find('x') != std::string::npos) {
    // An equation has no worked solution: it is solved, the answer in its column.
    const auto solved = solveLine(text, 0, engine.sink, engine.ev, engine.numberText,
                                  engine.bunsuuH);
    if (!solved) return false;
    piece.line = *solved;
    return true;
  }
  engine.checker.resetForNewLine();
  if (SikiCheck(engine.checker, text, true, true, true, true, engine.sink) != 0) return false;
  const std::string q = SikiCutAns(engine.checker.checkedText, false);
  piece.line = q;

  auto ctx = std::make_unique<ProcessContext>();
  ctx->options.PROCDSP = 1;
  ctx->options.ADVICEDSP = 1;
  ProcessEngine processEngine(*ctx, engine.sink);
  if (processEngine.CalcProcMake(q, true) == 1) {
    // A division by zero leaves only the header: its message has been shown, and there is
    // no answer.
    const bool answered = !ctx->ProcText.empty();
    piece.process = std::move(ctx);
    return answered;
  }
  if (!ctx->ProcOK) return false;

  std::string line;
  if (q.find(':') != std::string::npos) {
    // A ratio shows its simplest form after "=" and again in the answer column.
    line = engine.ev.HiKantan(q, 1);
    if (line == kFailText) return false;
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) line += "&" + line.substr(eq + 1);
  } else {
    line = engine.ev.SikiCalc(q, 0, 1);
    if (engine.ev.CalcStatus < 0) return false;
  }
  piece.line = line;
  return true;
}

int render(const std::vector<Piece>& pieces, const std::string& out, Format format,
           int fontSize, CliIo& io) {
  Layout layout;
  {
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254 + 0.5));
    probe.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254 + 0.5));
    QPainter p(&probe);
    QtCanvas c(p);
    setUpCanvas(c, fontSize);
    layout.cw = c.textWidth("1234567890") / 10;
    layout.ch = c.textHeight("1234567890");
    drawPieces(c, pieces, layout, true);
  }
  const int margin = layout.ch;
  QRect area = layout.bounds.isNull() ? QRect(0, 0, 1, 1) : layout.bounds;
  area.adjust(-margin, -margin, margin, margin);
  const QString path = QString::fromStdString(out);

  if (format == Format::Png) {
    QImage img(area.size(), QImage::Format_RGB32);
    img.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254 + 0.5));
    img.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254 + 0.5));
    img.fill(toQColor(kScreenBack));
    {
      QPainter p(&img);
      p.translate(-area.topLeft());
      QtCanvas c(p);
      setUpCanvas(c, fontSize);
      drawPieces(c, pieces, layout, false);
    }
    if (!img.save(path, "PNG")) {
      io.err << "ravlo-cli: cannot write " << out << '\n';
      return kFailed;
    }
    return kOk;
  }

  QPdfWriter pdf(path);
  pdf.setResolution(static_cast<int>(kDpi));
  pdf.setPageLayout(QPageLayout(
      QPageSize(QSizeF(area.width() * 72.0 / kDpi, area.height() * 72.0 / kDpi),
                QPageSize::Point, QString(), QPageSize::ExactMatch),
      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter p;
  if (!p.begin(&pdf)) {
    io.err << "ravlo-cli: cannot write " << out << '\n';
    return kFailed;
  }
  p.translate(-area.topLeft());
  QtCanvas c(p);
  setUpCanvas(c, fontSize);
  drawPieces(c, pieces, layout, false);
  if (!p.end()) {
    io.err << "ravlo-cli: cannot write " << out << '\n';
    return kFailed;
  }
  return kOk;
}

}  // namespace

int runRender(const Args& args, CliIo& io) {
  int fontSize = 14;  // the calculation screen's default FONTSIZE
  std::string expr, out;
  bool haveExpr = false;
  bool withProcess = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--process") {
      withProcess = true;
    } else if (a == "--font-size" || a == "-o") {
      if (i + 1 == args.size()) return usageError(io, kRenderUsage, a + " needs a value");
      if (a == "-o") {
        out = args[++i];
      } else if (!parseIntOption(args[++i], 4, 200, fontSize)) {
        return usageError(io, kRenderUsage, "bad value for --font-size (4 to 200)");
      }
    } else if (a.size() > 1 && a[0] == '-') {  // expressions write signs as "m"/"p"
      return usageError(io, kRenderUsage, "unknown option " + a);
    } else if (haveExpr) {
      return usageError(io, kRenderUsage, "one expression only");
    } else {
      expr = a;
      haveExpr = true;
    }
  }
  if (!haveExpr) return usageError(io, kRenderUsage, "missing expression");
  if (out.empty()) return usageError(io, kRenderUsage, "missing -o OUT.png or -o OUT.pdf");
  Format format = Format::Png;
  if (endsWithNoCase(out, ".png"))
    format = Format::Png;
  else if (endsWithNoCase(out, ".pdf"))
    format = Format::Pdf;
  else
    return usageError(io, kRenderUsage, "the output must end in .png or .pdf");

  std::vector<std::string> lines;
  if (expr == "-")
    forEachInputLine(io.in, [&](const std::string& line) { lines.push_back(line); });
  else
    lines.push_back(expr);
  if (io.in.bad()) {
    io.err << "ravlo-cli: cannot read standard input\n";
    return kFailed;
  }

  StreamSink sink(io.err);
  QuestionEngine engine(sink);
  bool computed = true;
  std::vector<Piece> pieces(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (withProcess)
      computed = processPiece(lines[i], engine, pieces[i]) && computed;
    else
      pieces[i].line = lines[i];
  }

  const auto app = startHeadlessGui();
  const int status = render(pieces, out, format, fontSize, io);
  // Standard input: a line that failed is drawn as typed and the run still succeeds.
  if (status == kOk && !computed && expr != "-") return kFailed;
  return status;
}

}  // namespace ravlo::cli
