// Printing the calculation screen: the page drawn on a printer canvas, a real PDF written
// through Qt's printer, and the Print1 command around it.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/calc_print.h"
#include "app/main_display.h"
#include "process/proc_type_table.h"
#include "render/recording_canvas.h"
#include "window_fixture.h"

namespace ravlo::test {
namespace {

// Remembers whether the state said "printing" at every text drawn.
class FlagWatchCanvas final : public Canvas {
 public:
  explicit FlagWatchCanvas(const CalcState& st) : st_(st) {}
  std::vector<bool> flags;

 protected:
  void drawText(int, int, std::string_view) override { flags.push_back(st_.PrintFlag); }
  int measureWidth(std::string_view text) override { return static_cast<int>(text.size()) * 10; }
  int measureHeight(std::string_view) override { return 20; }
  void drawLine(Point, Point) override {}
  void drawFilledRect(int, int, int, int) override {}

 private:
  const CalcState& st_;
};

class PrintPage : public ::testing::Test {
 protected:
  PrintPage() {
    settings.FONTSIZE = 14;
    st.MainFormCreate(FontMetrics{100, 19}, 96);
    st.InputFormCreate();
  }
  CalcSettings settings;
  RecordingSink sink;
  CalcState st{settings, sink};
};

TEST_F(PrintPage, DrawsInThePrintersMetricsAndGivesTheScreenBack) {
  st.JiInputText("3b2+1=");
  ASSERT_EQ(st.InpSiki, "3b2+1=1k3b2");
  st.renderer.CursorX = 123;
  const int charW = st.CharW, charH = st.CharH, leftX = st.LeftX, topY = st.TopY;

  // A printer face twice the test metrics' base size: cells 14 × 28.
  RecordingCanvas c(RecordingMetrics{10, 20, 10, true});
  PrintPaint(c, st);

  EXPECT_EQ(c.penWidth(), 3);
  EXPECT_EQ(c.penColor(), 0x808000u);
  EXPECT_EQ(c.font().family, settings.FONTNAME);
  EXPECT_EQ(c.font().size, 14);
  EXPECT_TRUE(c.font().fixedPitch);
  // The marker stands at (CharH / 2, 2 × CharH) of the printer's CharH (28 at 14 points).
  const auto mark = c.findText("■ ");
  ASSERT_TRUE(mark) << c.dump();
  EXPECT_EQ(mark->x, 14);
  EXPECT_EQ(mark->y, 56);
  EXPECT_EQ(mark->color, 0x0000FFu);
  // The line starts at LeftX = 2 × CharH, in black.
  const auto three = c.findText("3");
  ASSERT_TRUE(three) << c.dump();
  EXPECT_GE(three->x, 56);
  EXPECT_EQ(three->color, 0x000000u);
  EXPECT_TRUE(c.findText("＋")) << c.dump();
  EXPECT_TRUE(c.findText("＝")) << c.dump();
  // Fraction bars in the printer's pen.
  const auto bars = c.horizontalLines();
  ASSERT_FALSE(bars.empty());
  EXPECT_EQ(bars[0].color, 0x808000u);
  EXPECT_EQ(bars[0].width, 3);

  EXPECT_EQ(st.CharW, charW);
  EXPECT_EQ(st.CharH, charH);
  EXPECT_EQ(st.LeftX, leftX);
  EXPECT_EQ(st.TopY, topY);
  EXPECT_EQ(st.renderer.CursorX, 123);
  EXPECT_FALSE(st.PrintFlag);
}

TEST_F(PrintPage, PrintFlagIsOnWhileThePageIsDrawn) {
  st.JiInputText("1+2=");
  FlagWatchCanvas c(st);
  PrintPaint(c, st);
  ASSERT_FALSE(c.flags.empty());
  for (bool on : c.flags) EXPECT_TRUE(on);
  EXPECT_FALSE(st.PrintFlag);
}

TEST_F(PrintPage, AWorkedSolutionIsPrintedWithItsHeader) {
  settings.PROCDSP = true;
  st.JiInputText("3b1+3b1=");
  ASSERT_NE(st.process.ProcType, 0);
  RecordingCanvas c;
  PrintPaint(c, st);
  const auto header = c.findText(procTypeHeader(st.process.ProcType));
  ASSERT_TRUE(header) << c.dump();
  // 4 × CharW across, 2 × CharH above the line, which starts 2 × CharH down: the page top.
  EXPECT_EQ(header->y, 0);
  EXPECT_TRUE(c.findText("◆ ")) << c.dump();
}

// ---- a real printer: PDF files ----

std::string run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return "(" + program.toStdString() + " failed)";
  return p.readAllStandardOutput().toStdString();
}

struct PdfPage {
  std::string text;
  QImage image;
};

PdfPage readPdf(const QString& pdf, const QTemporaryDir& dir) {
  PdfPage page;
  page.text = run("pdftotext", {"-layout", pdf, "-"});
  const QString stem = dir.filePath("page");
  run("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, stem});
  page.image.load(stem + ".png");
  return page;
}

// Pixels that are neither white nor near white, and those in the pen's teal.
struct Ink {
  int dark = 0;
  int teal = 0;
};

Ink inkOf(const QImage& image) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() < 200 || c.green() < 200 || c.blue() < 200) ++ink.dark;
      if (c.red() < 90 && c.green() > 90 && c.blue() > 90 && std::abs(c.green() - c.blue()) < 40) {
        ++ink.teal;
      }
    }
  }
  return ink;
}

void toPdf(QPrinter& printer, const QString& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
}

TEST(PrintPdf, AComputedLine) {
  Window w({}, false);
  w.type("3b2+1=");
  ASSERT_EQ(w.state().InpSiki, "3b2+1=1k3b2");
  QTemporaryDir dir;
  const QString pdf = dir.filePath("line.pdf");
  QPrinter printer(QPrinter::HighResolution);
  toPdf(printer, pdf);
  ASSERT_TRUE(printCalcScreen(printer, w.state()));

  const PdfPage page = readPdf(pdf, dir);
  for (const char* piece : {"■", "＋", "＝", "1", "2", "3"}) {
    EXPECT_NE(page.text.find(piece), std::string::npos) << piece << " in\n" << page.text;
  }
  ASSERT_FALSE(page.image.isNull());
  // A4 at 60 dpi, portrait.
  EXPECT_NEAR(page.image.width(), 496, 3);
  EXPECT_NEAR(page.image.height(), 702, 3);
  const Ink ink = inkOf(page.image);
  EXPECT_GT(ink.dark, 100);
  EXPECT_GT(ink.teal, 0);
}

TEST(PrintPdf, AWorkedSolution) {
  Window w("[▼過程表示▼]\nPROCDSP=1\n", false);
  w.type("3b1+3b1=");
  ASSERT_NE(w.state().process.ProcType, 0);
  QTemporaryDir dir;
  const QString pdf = dir.filePath("process.pdf");
  QPrinter printer(QPrinter::HighResolution);
  toPdf(printer, pdf);
  ASSERT_TRUE(printCalcScreen(printer, w.state()));
  const PdfPage page = readPdf(pdf, dir);
  const std::string header(procTypeHeader(w.state().process.ProcType));
  EXPECT_NE(page.text.find(header), std::string::npos) << page.text;
  EXPECT_NE(page.text.find("◆"), std::string::npos) << page.text;
  EXPECT_GT(inkOf(page.image).dark, 200);
}

// ---- the Print1 command ----

TEST(PrintCommand, AnEmptyLineIsRefused) {
  Window w;
  int asked = 0;
  w.form().choosePrinter = [&](QPrinter&) {
    ++asked;
    return false;
  };
  w.form().action("Print1")->trigger();
  const auto boxes = w.rec().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "報告！");
  EXPECT_EQ(boxes[0].text, "印刷する行がありません。");
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(w.rec().entries().size(), 1u);
}

TEST(PrintCommand, NoticeThenPrinterChoiceThenPage) {
  Window w;
  w.type("1+2=");
  QTemporaryDir dir;
  const QString pdf = dir.filePath("menu.pdf");
  const int charH = w.state().CharH;
  w.form().choosePrinter = [&](QPrinter& printer) {
    // The notice came first.
    const auto& e = w.rec().entries();
    EXPECT_FALSE(e.empty());
    if (!e.empty()) {
      EXPECT_EQ(e.back().kind, RecordingSink::Kind::Small);
      EXPECT_EQ(e.back().text, ".......");
      EXPECT_EQ(e.back().caption, "準備中!!");
      EXPECT_EQ(e.back().displayMs, 20);
    }
    toPdf(printer, pdf);
    return true;
  };
  w.form().action("Print1")->trigger();
  EXPECT_TRUE(w.rec().boxes().empty());
  EXPECT_TRUE(QFileInfo::exists(pdf));
  EXPECT_NE(run("pdftotext", {pdf, "-"}).find("3"), std::string::npos);
  EXPECT_EQ(w.state().CharH, charH);
}

TEST(PrintCommand, CancelPrintsNothing) {
  Window w;
  w.type("1+2=");
  QTemporaryDir dir;
  const QString pdf = dir.filePath("never.pdf");
  w.form().choosePrinter = [&](QPrinter& printer) {
    toPdf(printer, pdf);
    return false;
  };
  w.form().action("Print1")->trigger();
  EXPECT_FALSE(QFileInfo::exists(pdf));
  EXPECT_TRUE(w.rec().boxes().empty());
}

TEST(PrintCommand, APrinterThatWillNotStartIsReported) {
  Window w;
  w.type("1+2=");
  w.form().choosePrinter = [&](QPrinter& printer) {
    // A folder that does not exist: the PDF writer cannot open its file.
    toPdf(printer, "/nonexistent-folder/x/out.pdf");
    return true;
  };
  w.form().action("Print1")->trigger();
  const auto boxes = w.rec().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "印刷を始められませんでした。");
}

}  // namespace
}  // namespace ravlo::test
