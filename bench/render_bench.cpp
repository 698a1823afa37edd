// The calculation screen redraws the whole line from its text after every key: a line of the
// longest allowed input must draw far inside one frame.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <string>

#include "core/message_sink.h"
#include "core/number_theory.h"
#include "render/expr_renderer.h"
#include "render/qt/font_setup.h"
#include "render/qt/qt_canvas.h"
#include "render/recording_canvas.h"

namespace {

// 256 tokens: expression fractions holding brackets, mixed numbers, repeating decimals,
// powers, and the answer chain.
std::string longLine() {
  const std::string piece = "[(1+2)*(3+4)B(5-(6-7))]+1k3b2*(2b1-0.1@6)/2^3-";
  std::string s;
  while (s.size() + piece.size() < 240) s += piece;
  s += "[12B5]=7k12b5";
  while (s.size() < 256) s += "1";
  return s;
}

void BM_RenderLongLineRecording(benchmark::State& state) {
  const std::string line = longLine();
  for (auto _ : state) {
    ravlo::RecordingCanvas canvas;
    ravlo::ExprRenderer r;
    benchmark::DoNotOptimize(r.LineDraw(canvas, line, 28, 21, 10, 20, 1, 0));
  }
  state.SetLabel(std::to_string(line.size()) + " tokens");
}
BENCHMARK(BM_RenderLongLineRecording)->Unit(benchmark::kMicrosecond);

// Fonts need a GUI application; it is made once and lives until the process ends.
void ensureGuiApplication() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  struct Args {
    int argc = 1;
    char name[16] = "ravlo-bench";
    char* argv[2] = {name, nullptr};
  };
  auto* args = new Args;                              // deliberately never freed
  new QGuiApplication(args->argc, args->argv);        // idem
  ravlo::setupFontSubstitutions();
}

void BM_RenderLongLineImage(benchmark::State& state) {
  ensureGuiApplication();
  const std::string line = longLine();
  QImage img(4000, 200, QImage::Format_RGB32);
  for (auto _ : state) {
    img.fill(0xC0DCC0);
    QPainter p(&img);
    ravlo::QtCanvas canvas(p);
    canvas.setFont(ravlo::FontSpec{"ＭＳ ゴシック", 14, false, false, true});
    canvas.setPenColor(0x808000);
    canvas.setPenWidth(2);
    const int cw = canvas.textWidth("1234567890") / 10;
    const int ch = canvas.textHeight("1234567890");
    ravlo::ExprRenderer r;
    benchmark::DoNotOptimize(r.LineDraw(canvas, line, 2 * ch, 3 * ch / 2, cw, ch, 1, 0));
  }
}
BENCHMARK(BM_RenderLongLineImage)->Unit(benchmark::kMicrosecond);

// The closing run of the number with the most divisors below 2^63 (103680 of them, a
// million characters in 10368 rows), painted on a window-sized image as the screen paints it.
void BM_RenderLongestDivisorRun(benchmark::State& state) {
  ensureGuiApplication();
  ravlo::NullSink quiet;
  ravlo::NumberTheory nt(quiet);
  const std::string run = nt.YakusuuWa(nt.SoinsuuBunkai("897612484786617600"), 0, 10);
  QImage img(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&img);
    ravlo::QtCanvas canvas(p);
    canvas.setVisibleRows(0, img.height());
    canvas.setFont(ravlo::FontSpec{"ＭＳ ゴシック", 14, false, false, true});
    ravlo::ExprRenderer r;
    benchmark::DoNotOptimize(r.RunDraw(canvas, run, 28, 100, -1, 10));
  }
  state.SetLabel(std::to_string(run.size()) + " characters");
}
BENCHMARK(BM_RenderLongestDivisorRun)->Unit(benchmark::kMillisecond);

}  // namespace
