#pragma once
// The worksheet a teacher hands out: a header with boxes for 名前・日付・点数 and the sheet's
// code, the problems without their answers in one or two columns, each with an empty answer
// place; then, from a new sheet, the answer key, where each answer may be followed by its
// worked solution as the calculation screen draws it (通分 → 計算 → 約分 → 帯分数).
#include <string>
#include <string_view>

#include "app/model/calc_settings.h"
#include "core/message_sink.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_paint.h"
#include "render/canvas.h"

namespace ravlo {

inline constexpr std::string_view kWorksheetName = "名前";
inline constexpr std::string_view kWorksheetDate = "日付";
inline constexpr std::string_view kWorksheetScore = "点数";

struct NoteWorksheetStyle {
  int columns = 1;         // 1 or 2
  bool solutions = false;  // the worked solution after each answer of the key
};

// The code a generated sheet's title ends with ("小6のまとめ　42-01" gives "42-01"); "" when
// the title ends otherwise.
std::string NoteSheetCode(std::string_view title);

// Draws problems and key on the sheet target; the key is computed as compute-all does on a
// copy, its reports going to the sink. Returns the number of sheets, or -1 when newSheet
// failed.
int NotePrintWorksheet(Canvas& c, const NoteSheets& sheets, const NoteDoc& doc,
                       const NoteWorksheetStyle& style, const NotePaintInput& in,
                       const CalcSettings& settings, MessageSink& sink);

}  // namespace ravlo
