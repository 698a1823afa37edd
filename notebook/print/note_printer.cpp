#include "notebook/print/note_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include "render/qt/qt_canvas.h"

namespace ravlo {
namespace {

int printPages(QPrinter& printer, QPainter& painter, const NoteDoc& doc, NotePrintKind kind,
               const NotePaintInput& window, const CalcSettings& settings, MessageSink& sink) {
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
  sheets.newSheet = [&printer] { return printer.newPage(); };
  return NotePrintPages(c, sheets, doc, kind, in, settings, sink);
}

}  // namespace

bool NotePrintTo(QPrinter& printer, const NoteDoc& doc, NotePrintKind kind,
                 const NotePaintInput& window, const CalcSettings& settings, MessageSink& sink) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const int sheets = printPages(printer, painter, doc, kind, window, settings, sink);
  const bool ended = painter.end();
  return sheets > 0 && ended;
}

bool NotePrintPdf(const std::string& path, const NoteDoc& doc, NotePrintKind kind,
                  const NotePaintInput& window, const CalcSettings& settings, MessageSink& sink,
                  std::string& error) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  if (!NotePrintTo(printer, doc, kind, window, settings, sink)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace ravlo
