#include "app/main_display.h"

#include "render/process_draw.h"

namespace ravlo {

FontSpec calcScreenFont(const CalcSettings& settings) {
  return FontSpec{settings.FONTNAME, settings.FONTSIZE, false, false, true};
}

void setUpCalcCanvas(Canvas& c, const CalcSettings& settings) {
  c.setFont(calcScreenFont(settings));
  c.setPenColor(kCanvasPenColor);
  c.setPenWidth(kCanvasPenWidth);
  c.setBrushColor(kBackColor);
  c.setTextColor(0x000000);
}

int LineMark(Canvas& c, const CalcState& st) {
  const LineMarkSpec mark = st.LineMark();
  const Color before = c.textColor();
  c.setTextColor(mark.color);
  c.textOut(mark.x, mark.y, mark.text);
  c.setTextColor(before);
  return c.penPos().x;
}

void drawCursor(Canvas& c, const CalcState& st) {
  const ScreenRect block = st.cursorBlock();
  if (block.right <= block.left || block.bottom <= block.top) return;
  c.setBrushColor(st.renderer.CursorColor);
  c.fillRect(block.left, block.top, block.right, block.bottom);
  c.setBrushColor(kBackColor);
}

namespace {

void drawDecimalNote(Canvas& c, const CalcState& st) {
  if (!st.DecimalNote) return;
  const AnswerNote& note = *st.DecimalNote;
  const ExprRenderer& r = st.renderer;
  Point eq{r.answerX, r.answerY};
  if (note.equalIndex >= 0 && static_cast<std::size_t>(note.equalIndex) < r.equalMarks.size()) {
    eq = r.equalMarks[static_cast<std::size_t>(note.equalIndex)];
  }
  FontSaver saved(c);
  c.setFontSize(note.fontSize);
  c.setTextColor(note.color);
  c.textOut(eq.x + 2 * st.CharW, eq.y + st.CharH, note.text);
}

// The closing lines of a prime factorization, under the row that holds it.
void drawSoinsuuLines(Canvas& c, CalcState& st, int rowY) {
  FontSaver saved(c);
  int runEnd = st.LeftX;
  int runY = rowY;
  for (const SoinsuuLine& line : st.SoinsuuLines) {
    const int y = rowY + line.row * st.CharH;
    c.setTextColor(line.color);
    switch (line.kind) {
      case SoinsuuLine::Kind::Text:
        c.textOut(st.LeftX, y, line.text);
        break;
      case SoinsuuLine::Kind::Run:
        runEnd = st.renderer.RunDraw(c, line.text, st.LeftX, y, -1, st.CharW);
        runY = c.penPos().y;
        break;
      case SoinsuuLine::Kind::AfterRun:
        c.textOut(runEnd, runY, line.text);
        break;
    }
  }
}

}  // namespace

int MainDsp(Canvas& c, CalcState& st, std::string_view siki, bool hasProcess) {
  ExprRenderer& r = st.renderer;
  if (hasProcess) {
    ProcessDrawer drawer(r, st.process);
    drawer.drawWithHeader(c, st.process.ProcType, st.process.ProcText, st.LeftX, st.TopY,
                          st.CharW, st.CharH);
  } else {
    r.inkSpans = st.AppendedValues;
    r.LineDraw(c, siki, st.LeftX, st.TopY, st.CharW, st.CharH, 1, 0);
    r.inkSpans.clear();
    drawDecimalNote(c, st);
  }
  // The row of the factorization's last "＝": exponents at the end of the line do not lift
  // the closing lines.
  if (st.SoinsuuShown) drawSoinsuuLines(c, st, hasProcess ? c.penPos().y : r.answerY);
  return 1;
}

void MainPaint(Canvas& c, CalcState& st, int width, int height, bool cursorShown) {
  c.setBrushColor(kBackColor);
  c.fillRect(0, 0, width, height);
  c.setVisibleRows(0, height);
  st.layoutScreen();
  LineMark(c, st);
  c.setTextColor(0x000000);
  if (st.InpAccept) {
    st.renderer.LineDraw(c, st.InpSiki, st.LeftX, st.TopY, st.CharW, st.CharH, 1, 0);
  } else if (!st.InpSiki.empty()) {
    MainDsp(c, st, st.InpSiki, st.process.ProcType != 0);
  }
  // A closed line has no cursor: nothing more can be typed into it.
  if (cursorShown && st.InpAccept) drawCursor(c, st);
}

}  // namespace ravlo
