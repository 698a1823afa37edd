#include "notebook/model/note_paint.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "notebook/model/note_reach_canvas.h"
#include "notebook/model/siki_ext_fix.h"
#include "render/expr_renderer.h"

namespace ravlo {
namespace {

// No page is this many rows or columns long; a damaged setting cannot make a paint hang.
constexpr long long kMaxRulerMarks = 20000;

int clampToInt(long long v) {
  return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2));
}

std::string_view trimBlanks(std::string_view s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The problems of the page, one after the other: where each stands and how it is drawn.
class ProblemPainter {
 public:
  explicit ProblemPainter(const NotePaintInput& in) : in_(in) {
    r_.GyoKeisuu = in.KANKAKU;
    r_.EQUAL_KAIGYO = in.EqKaigyoFlag;
    r_.ScreenCharH = in.NoteCharH;
  }

  // Where problem i (from 0) stands on the page before scrolling: the lines the previous
  // problem broke at "=" count first.
  int startProblem(int i) {
    E_ += r_.lineCount;
    r_.lineCount = 0;
    return rowY(i);
  }

  // The row of problem i if nothing more moved it: the line step after the last problem.
  int rowY(int i) const {
    const long long H = in_.NoteCharH;
    return clampToInt(4 * H + (static_cast<long long>(i) + E_) * in_.KANKAKU * H / 2);
  }

  // Draws problem i at y (scroll already applied).
  void drawProblem(Canvas& c, const NoteDoc& doc, int i, int y) {
    const int H = in_.NoteCharH;
    const int W = in_.NoteCharW;
    const int left = 4 * H - in_.hpos;
    const std::string_view t = trimBlanks(doc.Siki(i + 1));
    if (i + 1 == doc.SelNo) {
      c.setTextColor(kNoteMarkColor);
      c.textOut(2 * H - in_.hpos, y, kNoteSelectionMark);
    }
    c.setTextColor(kNoteNumberColor);
    c.textOut(left, y, "[" + std::to_string(i + 1) + "] ");
    int x = c.penPos().x + H;
    // "[10] " is one character wider than "[9] ": the expressions stay in line.
    if (i + 1 >= 10) x -= W;
    c.setTextColor(kBlack);
    const int end = r_.LineDraw(c, t, x, y, W, H, 6 - in_.KAITOURAN_ITI, 0);
    if (r_.columnWrapped) ++E_;

    if (in_.KAITOURAN_FLAG && t.find('&') == std::string_view::npos) {
      const int ax = clampToInt(static_cast<long long>(left) +
                                static_cast<long long>(in_.KAITOURAN_ITI) * W);
      int ay = y;
      if (2 * W + end > ax) {
        ay = static_cast<int>(y + 2.5 * H);
        ++E_;
      }
      c.setTextColor(kNoteMarkColor);
      c.textOut(ax, ay, kNoteEmptyAnswer);
      const int px = c.penPos().x;
      const int ly = static_cast<int>(ay + 1.25 * H);
      c.moveTo(ax + H / 4, ly);
      c.lineTo(static_cast<int>(px + 9.5 * W), ly);
      c.setTextColor(kBlack);
    }
  }

 private:
  const NotePaintInput& in_;
  ExprRenderer r_;
  int E_ = 0;  // extra lines so far
};

void prepareCanvas(Canvas& c, const NotePaintInput& in) {
  c.setFont(in.noteFont);
  c.setTextColor(kBlack);
  c.setPenColor(kNotePenColor);
  c.setPenWidth(in.PrintFlag ? kNotePrintPenWidth : 1);
}

void drawBackground(Canvas& c, const NotePaintInput& in) {
  if (in.PrintFlag) {
    c.setBrushColor(0xFFFFFF);
    return;
  }
  c.setBrushColor(in.cleared ? kNoteClearedBackColor : kNoteBackColor);
  c.fillRect(0, 0, in.clientWidth, in.clientHeight);
}

void drawTitle(Canvas& c, const NoteDoc& doc, const NotePaintInput& in) {
  std::string title = doc.HyoudaiStr;
  if (in.FileNameDspFlag) title += "　[ " + std::string(fileNamePart(doc.NoteFileName)) + " ]";
  if (title.empty()) return;
  FontSaver saved(c);
  c.setFont(in.HyoudaiFont);
  c.setTextColor(in.HyoudaiColor);
  const int H = in.NoteCharH;
  c.textOut(3 * H - in.hpos, static_cast<int>(1.5 * H - in.vpos), title);
}

}  // namespace

NoteMetrics NoteMeasure(Canvas& c, const FontSpec& noteFont) {
  c.setFont(noteFont);
  return {c.textWidth("1234567890") / 10, c.textHeight("1234567890")};
}

int NotePageHeightPx(int A4Height, int PAGEA4BAIN) {
  return clampToInt(static_cast<long long>(A4Height) * PAGEA4BAIN / 100);
}

NotePaintInput NotePaintDefaults(const CalcSettings& settings, int pixelsPerInch) {
  NotePaintInput in;
  in.noteFont = FontSpec{settings.NOTE_FONTNAME, settings.NOTE_FONTSIZE, false, false, true};
  in.KANKAKU = settings.KANKAKU;
  in.KAITOURAN_ITI = std::clamp(settings.KAITOURAN_ITI, 10, 80);
  const int ppi = std::clamp(pixelsPerInch, 1, 10000);
  in.A4Width = static_cast<int>(std::lround(ppi * 8.3));
  in.A4Height = static_cast<int>(std::lround(ppi * 11.7));
  in.PageHeightPx = NotePageHeightPx(in.A4Height, settings.PAGEA4BAIN);
  return in;
}

NotePaintResult NotePaint(Canvas& c, const NoteDoc& doc, const NotePaintInput& in) {
  NotePaintResult result;
  result.verticalRange = in.PageHeightPx;
  result.caption = std::string(kNoteCaptionHead) + doc.NoteFileName + "]";
  prepareCanvas(c, in);
  drawBackground(c, in);
  drawTitle(c, doc, in);

  ProblemPainter painter(in);
  const int count = doc.count();
  if (count == 0 && !in.PrintFlag) {
    NoteRulerDraw(c, in);
    result.contentBottom = painter.rowY(0);
    return result;
  }
  for (int i = 0; i < count; ++i) {
    const int y = painter.startProblem(i) - in.vpos;
    painter.drawProblem(c, doc, i, y);
  }
  result.contentBottom = painter.startProblem(count);
  if (!in.PrintFlag) NoteRulerDraw(c, in);
  return result;
}

void NoteRulerDraw(Canvas& c, const NotePaintInput& in) {
  const int H = in.NoteCharH;
  const int W = in.NoteCharW;
  const int size = c.fontSize();
  c.setTextColor(in.hotLight);
  c.setFontSize(static_cast<int>(size * 0.75));

  const long long step = static_cast<long long>(in.KANKAKU) * H / 2;
  if (step > 0) {
    const long long marks = std::min<long long>(in.PageHeightPx / step, kMaxRulerMarks);
    bool red = false;
    bool green = false;
    for (long long i = 0; i < marks; ++i) {
      const int yy = clampToInt(4LL * H + i * in.KANKAKU * H / 2);
      if (!red && yy > in.A4Height - 60) {
        red = true;
        c.setTextColor(kNoteMarkColor);
      }
      if (!green && yy > 2LL * in.A4Height - 60) {
        green = true;
        c.setTextColor(kNoteNumberColor);
      }
      const std::string label = i == 0 ? "1" : (i + 1) % 5 == 0 ? std::to_string(i + 1) : "*";
      c.textOut(4 - in.hpos, yy - in.vpos, label);
    }
  }

  c.setFontSize(size);
  c.setTextColor(in.hotLight);
  if (W > 0) {
    const long long marks = std::min<long long>(in.A4Width / W, kMaxRulerMarks);
    bool red = false;
    for (long long i = 0; i < marks; ++i) {
      const long long x = i * W;
      if (!red && x > in.A4Width - 32) {
        red = true;
        c.setTextColor(kNoteMarkColor);
      }
      c.textOut(clampToInt(x - in.hpos + 4), 2 - in.vpos, (i + 1) % 10 == 0 ? "+" : "-");
    }
  }
  c.setTextColor(kBlack);
}

int NotePaintSheets(Canvas& c, const NoteDoc& doc, const NotePaintInput& window,
                    const NoteSheets& sheets) {
  NotePaintInput in = window;
  in.PrintFlag = true;
  in.hpos = 0;
  in.vpos = 0;
  prepareCanvas(c, in);
  drawBackground(c, in);
  drawTitle(c, doc, in);

  ProblemPainter painter(in);
  const int top = painter.rowY(0);  // where the first problem stands on every sheet
  int used = 1;
  int shift = 0;                    // page height above the current sheet
  bool sheetEmpty = true;
  for (int i = 0; i < doc.count(); ++i) {
    const int pageY = painter.startProblem(i);
    if (!sheetEmpty && sheets.sheetHeight > 0) {
      ProblemPainter trial = painter;
      ReachCanvas reach(c);
      reach.setFont(c.font());
      reach.setPenWidth(c.penWidth());
      trial.drawProblem(reach, doc, i, pageY - shift);
      if (reach.bottom() > sheets.sheetHeight) {
        if (!sheets.newSheet || !sheets.newSheet()) return -1;
        ++used;
        shift = pageY - top;
        prepareCanvas(c, in);
      }
    }
    painter.drawProblem(c, doc, i, pageY - shift);
    sheetEmpty = false;
  }
  return used;
}

}  // namespace ravlo
