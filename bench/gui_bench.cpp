// The desktop program's speed as a learner feels it: a keystroke on a long line until the
// calculation screen is painted again, and start-up until the first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <string>

#include "app/bun_main_form.h"
#include "app/calc_screen.h"
#include "app/key_translate.h"
#include "app/main_display.h"
#include "app/ravlo_application.h"
#include "render/qt/qt_canvas.h"

namespace {

// Widgets need a widget application; it is made once and lives until the process ends.
bool ensureWidgetApplication() {
  if (QCoreApplication::instance()) {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  struct Args {
    int argc = 1;
    char name[16] = "ravlo-bench";
    char* argv[2] = {name, nullptr};
  };
  auto* args = new Args;                                   // deliberately never freed
  new ravlo::RavloApplication(args->argc, args->argv);  // idem
  return true;
}

// 200 tokens of fractions, mixed numbers, decimals, brackets and expression fractions.
std::string line200() {
  const std::string piece = "(3b2+1k4b3)*2.5-0.1@6/[2K3B1]+";
  std::string s;
  while (s.size() + piece.size() <= 198) s += piece;
  s += "22";
  while (s.size() + 2 <= 200) s += "+2";
  return s;
}

ravlo::FontMetrics metricsOn(QPaintDevice& device, const ravlo::CalcSettings& settings) {
  const QFontMetricsF fm(ravlo::toQFont(ravlo::calcScreenFont(settings)), &device);
  return {static_cast<int>(std::lround(fm.horizontalAdvance(QStringLiteral("1234567890")))),
          static_cast<int>(std::lround(fm.height()))};
}

// One key on a 199-token line: the key is translated, checked, appended, and the whole
// screen is painted into an image, as a paint event of the window does.
void BM_KeystrokeToRepaintedImage(benchmark::State& bs) {
  if (!ensureWidgetApplication()) {
    bs.SkipWithError("another kind of application object exists");
    return;
  }
  ravlo::CalcSettings settings;
  ravlo::NullSink sink;
  ravlo::CalcState st(settings, sink);
  QImage img(1600, 900, QImage::Format_RGB32);
  st.MainFormCreate(metricsOn(img, settings), 96);
  const std::string text = line200();
  st.JiInputText(text.substr(0, text.size() - 1));
  const QKeyEvent key(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
  for (auto _ : bs) {
    const ravlo::TranslatedKey k = ravlo::translateKey(key);
    st.InpKeySyori(k.key, k.mods);
    {
      QPainter p(&img);
      ravlo::QtCanvas c(p);
      ravlo::setUpCalcCanvas(c, settings);
      ravlo::MainPaint(c, st, img.width(), img.height(), true);
    }
    bs.PauseTiming();
    if (st.InpSiki != text) {
      bs.SkipWithError("the key was not taken");
      return;
    }
    st.SikiBackSpace();
    bs.ResumeTiming();
  }
  bs.SetLabel(std::to_string(text.size()) + " tokens");
}
BENCHMARK(BM_KeystrokeToRepaintedImage)->Unit(benchmark::kMillisecond);

// The main window from its constructor (settings read, widgets, menus, input panel) until
// the calculation screen has been painted once.
void BM_StartupToFirstPaint(benchmark::State& bs) {
  if (!ensureWidgetApplication()) {
    bs.SkipWithError("another kind of application object exists");
    return;
  }
  QTemporaryDir dir;
  const std::filesystem::path folder(dir.path().toStdString());
  for (auto _ : bs) {
    ravlo::RecordingSink rec;
    ravlo::BunMainForm form(ravlo::BunMainForm::Options{folder / "RavloRS02.ini", folder, &rec});
    bool painted = false;
    auto previous = form.screen()->onPainted;
    form.screen()->onPainted = [&] {
      if (previous) previous();
      painted = true;
    };
    form.show();
    QElapsedTimer guard;
    guard.start();
    while (!painted && guard.elapsed() < 5000) QCoreApplication::processEvents();
    if (!painted) {
      bs.SkipWithError("the window was never painted");
      return;
    }
    bs.PauseTiming();
    form.hide();
    bs.ResumeTiming();
  }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
