#pragma once
// Printing notebook pages through Qt: on a QPrinter chosen in the print dialog, or into an
// A4 PDF file. The header needs no Qt; link ravlo_notebook_print.
#include <string>

#include "app/model/calc_settings.h"
#include "core/message_sink.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_paint.h"
#include "notebook/model/note_print.h"
#include "notebook/model/note_worksheet.h"

class QPrinter;

namespace ravlo {

// Prints on the printer as the notebook's print command does: pen teal, width 3; the
// notebook font in black; NoteCharW / NoteCharH measured on the printer; the window's other
// values from `window` (its metrics and scroll positions are not used). Starts and ends the
// job. False when the printer would not start or the job failed (nothing more is said; the
// caller reports it).
bool NotePrintTo(QPrinter& printer, const NoteDoc& doc, NotePrintKind kind,
                 const NotePaintInput& window, const CalcSettings& settings, MessageSink& sink);

// The same into an A4 PDF file (QPrinter, PDF output, high resolution). False when the file
// could not be written; `error` then says why.
bool NotePrintPdf(const std::string& path, const NoteDoc& doc, NotePrintKind kind,
                  const NotePaintInput& window, const CalcSettings& settings, MessageSink& sink,
                  std::string& error);

// The worksheet with its header, columns and answer key (notebook/model/note_worksheet.h), on
// a printer or into an A4 PDF file, set up as above.
bool NotePrintWorksheetTo(QPrinter& printer, const NoteDoc& doc, const NoteWorksheetStyle& style,
                          const NotePaintInput& window, const CalcSettings& settings,
                          MessageSink& sink);
bool NotePrintWorksheetPdf(const std::string& path, const NoteDoc& doc,
                           const NoteWorksheetStyle& style, const NotePaintInput& window,
                           const CalcSettings& settings, MessageSink& sink, std::string& error);

}  // namespace ravlo
