#include "notebook/model/note_worksheet.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/text_helpers.h"
#include "notebook/model/note_print.h"
#include "notebook/model/note_reach_canvas.h"
#include "process/process_engine.h"
#include "render/expr_renderer.h"
#include "render/process_draw.h"

namespace ravlo {
namespace {

constexpr std::string_view kCodeLabel = "No. ";

std::string_view beforeAmpersand(std::string_view t) { return t.substr(0, t.find('&')); }

// One problem's place on the sheet and how it is drawn.
class CellPainter {
 public:
  CellPainter(const NotePaintInput& in, bool key, bool solutions)
      : in_(in), key_(key), solutions_(solutions) {}

  // Draws problem n (text t) in the column from x, width w, its first line at y; returns
  // the lowest row it drew on.
  int draw(Canvas& c, int n, std::string_view t, int x, int y, int w) {
    const int H = in_.NoteCharH, W = in_.NoteCharW;
    ExprRenderer r;
    r.GyoKeisuu = in_.KANKAKU;
    r.ScreenCharH = H;
    c.setTextColor(kNoteNumberColor);
    c.textOut(x, y, "(" + std::to_string(n) + ")");
    const int ex = x + 5 * W;
    c.setTextColor(kBlack);
    const bool equation = t.find('x') != std::string_view::npos;
    const int answerX = x + std::max(w * 3 / 5, 12 * W);
    int bottom = y + H;
    if (!key_) {
      const int end = r.LineDraw(c, beforeAmpersand(t), ex, y, W, H, 0, 0);
      int ay = y;
      if (end + 2 * W > answerX) ay = static_cast<int>(y + 2.5 * H);
      c.setTextColor(kNoteMarkColor);
      c.textOut(answerX, ay, kNoteEmptyAnswer);
      const int ly = static_cast<int>(ay + 1.25 * H);
      c.moveTo(c.penPos().x, ly);
      c.lineTo(x + w - 2 * W, ly);
      c.setTextColor(kBlack);
      return std::max(bottom, ly);
    }
    // The key: the computed line; an equation's answer after it.
    const int columnChars = (answerX - ex) / std::max(W, 1);
    r.LineDraw(c, equation ? t : beforeAmpersand(t), ex, y, W, H, equation ? -columnChars : 0, 0);
    bottom = std::max(bottom, y + H + r.lineCount * in_.KANKAKU * H / 2);
    if (solutions_ && !equation && t.find(':') == std::string_view::npos)
      bottom = drawSolution(c, SikiCutAns(t, false), ex, bottom + 2 * H);
    return bottom;
  }

 private:
  int drawSolution(Canvas& c, const std::string& question, int x, int y) {
    ProcessContext ctx;
    ctx.options.PROCDSP = 1;
    NullSink quiet;
    ProcessEngine engine(ctx, quiet);
    if (engine.CalcProcMake(question, true) != 1 || ctx.ProcText.empty()) return y - 2 * in_.NoteCharH;
    ExprRenderer r;
    r.GyoKeisuu = in_.KANKAKU;
    r.ScreenCharH = in_.NoteCharH;
    r.EQUAL_KAIGYO = true;
    ProcessDrawer drawer(r, ctx);
    const FontSaver saved(c);
    c.setTextColor(kWorksheetSolutionColor);
    return drawer.ProcTextDraw(c, ctx.ProcText, x, y, in_.NoteCharW, in_.NoteCharH) +
           in_.NoteCharH;
  }

  static constexpr Color kWorksheetSolutionColor = 0x404040;
  const NotePaintInput& in_;
  bool key_;
  bool solutions_;
};

void drawBox(Canvas& c, int left, int top, int right, int bottom) {
  c.moveTo(left, top);
  c.lineTo(right, top);
  c.lineTo(right, bottom);
  c.lineTo(left, bottom);
  c.lineTo(left, top);
}

// Title and code; on the problem sheet the boxes under them. Returns where problems start.
int drawHeader(Canvas& c, const NoteDoc& doc, const std::string& title, const std::string& code,
               const NotePaintInput& in, int width, bool key) {
  const int H = in.NoteCharH, W = in.NoteCharW;
  const int left = 2 * H;
  {
    FontSaver saved(c);
    c.setFont(in.HyoudaiFont);
    c.setTextColor(in.HyoudaiColor);
    c.textOut(left, H, title);
    if (!code.empty()) {
      const std::string label = std::string(kCodeLabel) + code;
      c.textOut(width - left - c.textWidth(label), H, label);
    }
  }
  if (key) return 5 * H;
  const int top = 3 * H, bottom = top + 2 * H;
  int x = left;
  const std::string score = "／" + std::to_string(doc.count());
  for (const auto& [label, boxChars] :
       {std::pair{kWorksheetName, 24}, std::pair{kWorksheetDate, 12},
        std::pair{kWorksheetScore, 10}}) {
    c.textOut(x, top + H / 2, label);
    const int boxLeft = c.penPos().x + W / 2;
    const int boxRight = boxLeft + boxChars * W;
    drawBox(c, boxLeft, top, boxRight, bottom);
    if (label == kWorksheetScore)
      c.textOut(boxRight - W / 2 - c.textWidth(score), top + H / 2, score);
    x = boxRight + 2 * W;
  }
  return bottom + 3 * H;
}

// One sheet kind: header, then the problems row by row (two to a row in two columns).
int drawDoc(Canvas& c, const NoteSheets& sheets, const NoteDoc& doc, const std::string& title,
            const std::string& code, const NoteWorksheetStyle& st, const NotePaintInput& in,
            bool key) {
  const int H = in.NoteCharH;
  const int width = sheets.sheetWidth > 0 ? sheets.sheetWidth : in.A4Width;
  const int columns = std::clamp(st.columns, 1, 2);
  const int columnWidth = (width - 4 * H) / columns;
  const int rowStep = in.KANKAKU * H / 2 + H;
  CellPainter cell(in, key, st.solutions);
  const int top = drawHeader(c, doc, title, code, in, width, key);
  int y = top, used = 1;
  for (int first = 1; first <= doc.count(); first += columns) {
    auto drawRow = [&](Canvas& on, int rowY) {
      int bottom = rowY;
      for (int k = 0; k < columns && first + k <= doc.count(); ++k)
        bottom = std::max(bottom, cell.draw(on, first + k, doc.Siki(first + k),
                                            2 * H + k * columnWidth, rowY, columnWidth));
      return bottom;
    };
    if (y > top && sheets.sheetHeight > 0) {
      ReachCanvas reach(c);
      reach.setFont(c.font());
      reach.setPenWidth(c.penWidth());
      if (drawRow(reach, y) > sheets.sheetHeight) {
        if (!sheets.newSheet || !sheets.newSheet()) return -1;
        ++used;
        y = 2 * H;
        c.setFont(in.noteFont);
      }
    }
    y = std::max(y + rowStep, drawRow(c, y) + 2 * H);
  }
  return used;
}

}  // namespace

std::string NoteSheetCode(std::string_view title) {
  const std::size_t space = title.rfind("　");
  const std::string_view code =
      space == std::string_view::npos ? title : title.substr(space + std::string_view("　").size());
  const std::size_t dash = code.find('-');
  if (dash == std::string_view::npos || dash == 0 || code.size() - dash < 3) return {};
  for (std::size_t i = 0; i < code.size(); ++i)
    if (i != dash && (code[i] < '0' || code[i] > '9')) return {};
  return std::string(code);
}

int NotePrintWorksheet(Canvas& c, const NoteSheets& sheets, const NoteDoc& doc,
                       const NoteWorksheetStyle& style, const NotePaintInput& window,
                       const CalcSettings& settings, MessageSink& sink) {
  NotePaintInput in = window;
  in.PrintFlag = true;
  const std::vector<NoteDoc> docs = NotePrintDocs(doc, NotePrintKind::Worksheet, settings, sink);
  const std::string code = NoteSheetCode(doc.HyoudaiStr);
  std::string base = doc.HyoudaiStr.substr(0, doc.HyoudaiStr.size() - code.size());
  if (!code.empty() && base.size() >= 3 && base.ends_with("　")) base.resize(base.size() - 3);
  int used = 0;
  for (std::size_t i = 0; i < docs.size(); ++i) {
    if (i > 0 && (!sheets.newSheet || !sheets.newSheet())) return -1;
    c.setFont(in.noteFont);
    c.setTextColor(kBlack);
    c.setPenColor(kNotePenColor);
    c.setPenWidth(kNotePrintPenWidth);
    const bool key = i > 0;
    std::string title = base;
    if (key) title += title.empty() ? std::string(kNoteAnswerKeyTitle) : "　" + std::string(kNoteAnswerKeyTitle);
    const int n = drawDoc(c, sheets, docs[i], title, code, style, in, key);
    if (n < 0) return -1;
    used += n;
  }
  return used;
}

}  // namespace ravlo
