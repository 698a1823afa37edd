// The notebook's batch work: compute-all of a full notebook, painting it, reading its file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/model/calc_settings.h"
#include "core/message_sink.h"
#include "notebook/model/note_compute.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_files.h"
#include "notebook/model/note_paint.h"
#include "notebook/model/siki_file.h"
#include "render/qt/font_setup.h"
#include "render/qt/qt_canvas.h"

namespace {

// Fifty problems of a school worksheet: fraction sums and products, mixed numbers,
// brackets, decimals, ratios and equations.
std::vector<std::string> fiftyProblems() {
  const std::vector<std::string> kinds = {
      "3b2+1=",        "1k3b2+2k4b1=", "5b3*2b1/7b4=", "(3b1+6b1)*4=", "0.25+3b2=",
      "2x+3=7",        "4:6=",         "3x-5<x+1",     "2^3+4b3=",     "[(1+2)B(3+4)]+2b1=",
  };
  std::vector<std::string> p;
  for (int i = 0; i < 50; ++i) p.push_back(kinds[static_cast<std::size_t>(i) % kinds.size()]);
  return p;
}

void BM_NoteComputeAll50(benchmark::State& state) {
  ravlo::CalcSettings settings;
  settings.ANSSYU = 2;
  settings.SYOUDSP = 1;
  ravlo::NullSink sink;
  ravlo::NoteDoc fresh;
  fresh.replaceProblems(fiftyProblems());
  for (auto _ : state) {
    ravlo::NoteDoc doc = fresh;
    ravlo::NoteCompute compute(doc, sink, settings);
    benchmark::DoNotOptimize(compute.computeAll(false));
  }
}
BENCHMARK(BM_NoteComputeAll50)->Unit(benchmark::kMillisecond);

void ensureGui() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "ravlo-bench";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);  // lives until the process ends
  ravlo::setupFontSubstitutions();
}

void BM_NotePaint50Image(benchmark::State& state) {
  ensureGui();
  ravlo::CalcSettings settings;
  ravlo::NullSink sink;
  ravlo::NoteDoc doc;
  doc.replaceProblems(fiftyProblems());
  doc.HyoudaiStr = "分数の練習";
  ravlo::NoteCompute(doc, sink, settings).computeAll(false);
  doc.SelNo = 7;
  ravlo::NotePaintInput in = ravlo::NotePaintDefaults(settings, 96);
  in.PageHeightPx = 3 * in.A4Height;
  QImage img(in.A4Width, in.PageHeightPx, QImage::Format_RGB32);
  in.clientWidth = img.width();
  in.clientHeight = img.height();
  {
    QPainter p(&img);
    ravlo::QtCanvas c(p);
    const ravlo::NoteMetrics m = ravlo::NoteMeasure(c, in.noteFont);
    in.NoteCharW = m.NoteCharW;
    in.NoteCharH = m.NoteCharH;
  }
  for (auto _ : state) {
    QPainter p(&img);
    ravlo::QtCanvas c(p);
    benchmark::DoNotOptimize(ravlo::NotePaint(c, doc, in));
  }
}
BENCHMARK(BM_NotePaint50Image)->Unit(benchmark::kMillisecond);

void BM_NoteReadFile50(benchmark::State& state) {
  ravlo::CalcSettings settings;
  ravlo::NullSink sink;
  ravlo::NoteDoc doc;
  doc.replaceProblems(fiftyProblems());
  doc.HyoudaiStr = "分数の練習";
  ravlo::NoteCompute(doc, sink, settings).computeAll(false);
  const std::string path =
      (std::filesystem::temp_directory_path() / "ravlo-bench-50.siki").string();
  {
    std::ofstream out(path, std::ios::binary);
    out << ravlo::encodeSikiFile(doc.HyoudaiStr, doc.problems()).text;
  }
  for (auto _ : state) {
    ravlo::NoteDoc read;
    ravlo::NoteFiles files(read, sink);
    benchmark::DoNotOptimize(files.NoteReadFile(path));
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_NoteReadFile50)->Unit(benchmark::kMicrosecond);

}  // namespace
