#include "notebook/print/note_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include "render/qt/qt_canvas.h"

namespace ravlo {
namespace {

// Draws on the printer with the notebook's printer set-up: the metrics measured on it, the
// sheet in its pixels. draw gets the canvas, the sheets and the input.
template <typename Draw>
int printPages(QPrinter& printer, QPainter& painter, const NotePaintInput& window, Draw draw) {
  QtCanvas c(painter);
  NotePaintInput in = window;
  in.PrintFlag = true;
  const NoteMetrics m = NoteMeasure(c, in.noteFont);
  in.NoteCharW = m.NoteCharW;
  in.NoteCharH = m.NoteCharH;
  // The sheet in the printer's pixels; the rulers that mark it are not printed.
  const int ppi = printer.resolution();
  in.A4Width = static_cast<int>(ppi * 8.3 + 0.5);
  in.A4Height = static_cast<int>(ppi * 11.7 + 0.5);
  NoteSheets sheets;
  sheets.sheetHeight = painter.device()->height();
  sheets.sheetWidth = painter.device()->width();
  sheets.newSheet = [&printer] { return printer.newPage(); };
  return draw(c, sheets, in);
}

void setUpPdf(QPrinter& printer, const std::string& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

}  // namespace

bool NotePrintTo(QPrinter& printer, const NoteDoc& doc, NotePrintKind kind,
                 const NotePaintInput& window, const CalcSettings& settings, MessageSink& sink) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const int sheets = printPages(printer, painter, window,
                                [&](Canvas& c, const NoteSheets& s, const NotePaintInput& in) {
                                  return NotePrintPages(c, s, doc, kind, in, settings, sink);
                                });
  const bool ended = painter.end();
  return sheets > 0 && ended;
}

bool NotePrintPdf(const std::string& path, const NoteDoc& doc, NotePrintKind kind,
                  const NotePaintInput& window, const CalcSettings& settings, MessageSink& sink,
                  std::string& error) {
  QPrinter printer(QPrinter::HighResolution);
  setUpPdf(printer, path);
  if (!NotePrintTo(printer, doc, kind, window, settings, sink)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

bool NotePrintWorksheetTo(QPrinter& printer, const NoteDoc& doc, const NoteWorksheetStyle& style,
                          const NotePaintInput& window, const CalcSettings& settings,
                          MessageSink& sink) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const int sheets = printPages(printer, painter, window,
                                [&](Canvas& c, const NoteSheets& s, const NotePaintInput& in) {
                                  return NotePrintWorksheet(c, s, doc, style, in, settings, sink);
                                });
  const bool ended = painter.end();
  return sheets > 0 && ended;
}

bool NotePrintWorksheetPdf(const std::string& path, const NoteDoc& doc,
                           const NoteWorksheetStyle& style, const NotePaintInput& window,
                           const CalcSettings& settings, MessageSink& sink, std::string& error) {
  QPrinter printer(QPrinter::HighResolution);
  setUpPdf(printer, path);
  if (!NotePrintWorksheetTo(printer, doc, style, window, settings, sink)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace ravlo
