#pragma once
// Printing the calculation screen: the line (or its worked solution) drawn on a printer page
// in the screen's face at its point size, measured afresh on the printer.
#include <functional>
#include <string_view>

#include "app/model/calc_state.h"
#include "render/canvas.h"

class QPrinter;
class QWidget;

namespace ravlo {

inline constexpr std::string_view kPrintEmptyCaption = "報告！";
inline constexpr std::string_view kPrintEmptyText = "印刷する行がありません。";
inline constexpr std::string_view kPrintFailedText = "印刷を始められませんでした。";
inline constexpr int kPrinterDialogNoticeMs = 20;
inline constexpr Color kPrintPenColor = 0x808000;
inline constexpr int kPrintPenWidth = 3;

// Draws the page on a printer canvas. The screen's geometry and the renderer's state are
// put back afterwards, so the next paint of the screen is as before.
void PrintPaint(Canvas& c, CalcState& st);

// Starts a job on the printer, draws the page, ends the job. False when the printer would
// not start (nothing is drawn then).
bool printCalcScreen(QPrinter& printer, CalcState& st);

// Chooses the printer and its settings; false when the user cancels.
using PrinterChooser = std::function<bool(QPrinter&)>;
// The printer-setup dialog over the parent window.
PrinterChooser printerSetupDialog(QWidget* parent);

// The print command: refuses an empty line, gives the "準備中!!" notice, lets the chooser
// pick the printer, prints. True when a page was printed.
bool PrintCommand(CalcState& st, const PrinterChooser& choose);

}  // namespace ravlo
