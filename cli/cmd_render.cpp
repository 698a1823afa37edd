// ravlo-cli render: draws lines in built-up form into a PNG image or a PDF page, with the
// same renderer and canvas as the calculation screen.
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
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "render/expr_renderer.h"
#include "render/qt/font_setup.h"
#include "render/qt/qt_canvas.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kRenderUsage = "render [--font-size N] EXPR|- -o OUT.png|OUT.pdf";
constexpr Color kScreenBack = 0xC0DCC0;  // the calculation screen's background
constexpr Color kBarPen = 0x808000;      // the calculation screen's pen
constexpr double kDpi = 96.0;

enum class Format { Png, Pdf };

// Qt's own notices (a missing runtime directory and the like) are not the program's messages:
// standard error carries only those.
void dropQtNotices(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::abort();
  }
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), s.end() - static_cast<long>(suffix.size()),
                    [](char want, char got) { return std::tolower(static_cast<unsigned char>(got)) == want; });
}

struct Layout {
  int cw = 0;
  int ch = 0;
  std::vector<int> lineY;  // y of each line's text row
  QRect bounds;            // everything drawn, in the same coordinates
};

void setUpCanvas(QtCanvas& c, int fontSize) {
  c.setFont(FontSpec{"ＭＳ ゴシック", fontSize, false, false, true});
  c.setTextColor(0x000000);
  c.setPenColor(kBarPen);
  c.setPenWidth(2);
}

// Draws every line one under the other; a line takes the rows its drawing needs.
void drawLines(QtCanvas& c, const std::vector<std::string>& lines, Layout& layout, bool measure) {
  ExprRenderer r;
  r.ScreenCharH = layout.ch;
  int y = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (measure) {
      c.resetBounds();
      r.lineCount = 0;
      r.LineDraw(c, lines[i], 0, 0, layout.cw, layout.ch, 1, 0);
      QRect b = c.bounds().isNull() ? QRect(0, 0, 1, layout.ch) : c.bounds();
      y += std::max(0, -b.top());
      layout.lineY.push_back(y);
      layout.bounds |= b.translated(0, y);
      y += b.bottom() + layout.ch;
    } else {
      r.lineCount = 0;
      r.LineDraw(c, lines[i], 0, layout.lineY[i], layout.cw, layout.ch, 1, 0);
    }
  }
}

int render(const std::vector<std::string>& lines, const std::string& out, Format format,
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
    drawLines(c, lines, layout, true);
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
      drawLines(c, lines, layout, false);
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
  drawLines(c, lines, layout, false);
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
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--process") {
      return usageError(io, kRenderUsage, "render --process is not available yet");
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

  // Drawing needs fonts, and fonts need a GUI application; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(dropQtNotices);
  int argc = 1;
  char name[] = "ravlo-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  setupFontSubstitutions();
  return render(lines, out, format, fontSize, io);
}

}  // namespace ravlo::cli
