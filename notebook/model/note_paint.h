#pragma once
// Painting the notebook page on any canvas (window, printer, PDF, image, recording canvas):
// the title, the numbered problems in built-up form with the selection mark, the empty
// answer column "【答】" after unanswered problems, and the rulers. No window here: the
// window fills a NotePaintInput with what it keeps and measures, and applies the result
// (caption, scroll range).
#include <functional>
#include <string>
#include <string_view>

#include "app/model/calc_settings.h"
#include "notebook/model/note_doc.h"
#include "render/canvas.h"
#include "render/colors.h"

namespace ravlo {

// Colours (0x00BBGGRR).
inline constexpr Color kNoteBackColor = 0xD9FCFF;         // the page (RGB FF FC D9)
inline constexpr Color kNoteClearedBackColor = 0xF0FBFF;  // right after "ノートをクリア"
inline constexpr Color kNoteMarkColor = 0x0000FF;         // "◆", "【答】", late ruler labels
inline constexpr Color kNoteNumberColor = 0x008000;       // "[n] ", the third sheet's labels
inline constexpr Color kNotePenColor = 0x808000;          // answer line, fraction bars (teal)
inline constexpr int kNotePrintPenWidth = 3;

inline constexpr std::string_view kNoteCaptionHead = "ノート画面 [ ";
inline constexpr std::string_view kNoteSelectionMark = "◆";
inline constexpr std::string_view kNoteEmptyAnswer = "【答】";

// Everything the page is drawn from besides the document.
struct NotePaintInput {
  // Metrics of the notebook font on the canvas being drawn (NoteMeasure).
  int NoteCharW = 0;
  int NoteCharH = 0;
  // The notebook font: FONTNAME / FONTSIZE of "▼ノート画面▼", fixed pitch.
  FontSpec noteFont{"ＭＳ ゴシック", 14, false, false, true};
  int KANKAKU = 5;              // line spacing; also the renderer's line-feed coefficient
  bool KAITOURAN_FLAG = true;   // the answer column (the menu check starts checked)
  int KAITOURAN_ITI = 36;       // its start column in half-width characters, 10..80
  bool EqKaigyoFlag = true;     // break the line at "=" (copied into EQUAL_KAIGYO)
  int PageHeightPx = 0;         // NotePageHeightPx(A4Height, PAGEA4BAIN)
  int A4Width = 0;              // A4 page in pixels, as the main window computes it
  int A4Height = 0;
  int hpos = 0;                 // scroll positions
  int vpos = 0;
  bool PrintFlag = false;       // drawn on a printer: no background, no rulers
  bool cleared = false;         // the lighter background of a freshly cleared page
  int clientWidth = 0;          // the area the background fills (window only)
  int clientHeight = 0;
  // The title font (HyoudaiFont) and its colour; whether "　[ file name ]" follows the title.
  FontSpec HyoudaiFont{"ＭＳ ゴシック", 14, false, false, false};
  Color HyoudaiColor = kBlack;
  bool FileNameDspFlag = false;
  Color hotLight = kHotLight;   // the rulers' colour (the desktop's hot-track colour)
};

struct NotePaintResult {
  std::string caption;    // "ノート画面 [ " + NoteFileName + "]"
  int verticalRange = 0;  // the vertical scroll range: PageHeightPx
  // Page coordinates (scroll not subtracted) of the line step after the last problem: where
  // a further problem would stand.
  int contentBottom = 0;
};

struct NoteMetrics {
  int NoteCharW = 0;  // TextWidth("1234567890") / 10
  int NoteCharH = 0;  // TextHeight("1234567890")
};

// Sets the canvas font to the notebook font and measures it.
NoteMetrics NoteMeasure(Canvas& c, const FontSpec& noteFont);

// A4Height × PAGEA4BAIN / 100, without overflow.
int NotePageHeightPx(int A4Height, int PAGEA4BAIN);

// The input with the settings' values: notebook font, KANKAKU, KAITOURAN_ITI; the A4 page
// at the screen's pixels per inch (8.3 × 11.7 inches, as the main window computes it) and
// the page height from PAGEA4BAIN; answer column and "=" break on, as the window starts.
// The metrics are left for the caller (NoteMeasure).
NotePaintInput NotePaintDefaults(const CalcSettings& settings, int pixelsPerInch);

// Draws the page: background (window only), title, problems, rulers (window only). The
// canvas's font, colours and pen are left set for the notebook (notebook font, black text,
// teal pen of width 1, or kNotePrintPenWidth when printing).
NotePaintResult NotePaint(Canvas& c, const NoteDoc& doc, const NotePaintInput& in);

// The rulers: "1 * * * * 5 …" down the left side for every line step of the page, red from
// the first sheet's end and green from the second's; "- - … +" across the top every
// character, red near the A4 width.
void NoteRulerDraw(Canvas& c, const NotePaintInput& in);

// A printed page on as many sheets as it needs: sheetHeight is the printable height in the
// canvas's pixels; a problem that would reach below a sheet's bottom starts the next sheet,
// at the height where the first problem stands on the first sheet. newSheet() starts that
// sheet on the target (false: stop, the job could not go on).
struct NoteSheets {
  int sheetHeight = 0;
  std::function<bool()> newSheet;
  int sheetWidth = 0;  // the printable width; 0: the A4 width of the input
};
// Draws like NotePaint with PrintFlag set, from the top of the page (scroll positions are
// ignored). Returns the number of sheets used, or -1 when newSheet failed.
int NotePaintSheets(Canvas& c, const NoteDoc& doc, const NotePaintInput& in,
                    const NoteSheets& sheets);

}  // namespace ravlo
