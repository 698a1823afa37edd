#include "app/calc_print.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "app/bun_main_form.h"
#include "app/main_display.h"
#include "render/qt/qt_canvas.h"

namespace ravlo {
namespace {

// What printing borrows from the screen and gives back.
class ScreenGeometrySaver {
 public:
  explicit ScreenGeometrySaver(CalcState& st)
      : st_(st), charW_(st.CharW), charH_(st.CharH), leftX_(st.LeftX), topY_(st.TopY),
        renderer_(st.renderer) {}
  ~ScreenGeometrySaver() {
    st_.PrintFlag = false;
    st_.CharW = charW_;
    st_.CharH = charH_;
    st_.LeftX = leftX_;
    st_.TopY = topY_;
    // The cursor and answer positions the screen keeps are the screen's, not the page's.
    st_.renderer = renderer_;
  }
  ScreenGeometrySaver(const ScreenGeometrySaver&) = delete;
  ScreenGeometrySaver& operator=(const ScreenGeometrySaver&) = delete;

 private:
  CalcState& st_;
  int charW_, charH_, leftX_, topY_;
  ExprRenderer renderer_;
};

}  // namespace

void PrintPaint(Canvas& c, CalcState& st) {
  const CalcSettings& settings = st.settings();
  ScreenGeometrySaver saved(st);

  c.setPenWidth(kPrintPenWidth);
  c.setPenColor(kPrintPenColor);
  c.setFont(calcScreenFont(settings));
  c.setTextColor(0x000000);

  st.CharW = c.textWidth("1234567890") / 10;
  st.CharH = c.textHeight("1234567890");
  st.LeftX = 2 * st.CharH;
  st.TopY = 2 * st.CharH;

  st.PrintFlag = true;
  ExprRenderer& r = st.renderer;
  r.lineCount = 0;
  st.GyoKeisuu = settings.GYOKEISUU;
  r.GyoKeisuu = st.GyoKeisuu;
  r.EQUAL_KAIGYO = settings.EQUAL_KAIGYO;
  r.ScreenCharH = st.CharH;
  LineMark(c, st);
  c.setTextColor(0x000000);
  MainDsp(c, st, st.InpSiki, st.process.ProcType != 0);
}

bool printCalcScreen(QPrinter& printer, CalcState& st) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  {
    QtCanvas c(painter);
    PrintPaint(c, st);
  }
  return painter.end();
}

PrinterChooser printerSetupDialog(QWidget* parent) {
  return [parent](QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrinterSetupDialog1");
    dialog.setAccessibleName(QStringLiteral("印刷"));
    return dialog.exec() == QDialog::Accepted;
  };
}

bool PrintCommand(CalcState& st, const PrinterChooser& choose) {
  MessageSink& sink = st.sink();
  if (st.InpSiki.empty()) {
    sink.box(kPrintEmptyCaption, kPrintEmptyText);
    return false;
  }
  sink.smallMessage(kPreparingText, kPreparingCaption, kPrinterDialogNoticeMs);
  QPrinter printer(QPrinter::HighResolution);
  if (!choose || !choose(printer)) return false;
  if (!printCalcScreen(printer, st)) {
    sink.box(kPrintEmptyCaption, kPrintFailedText);
    return false;
  }
  return true;
}

}  // namespace ravlo
