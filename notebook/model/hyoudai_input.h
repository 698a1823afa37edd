#pragma once
// The title input (表題記入): the notebook title, the face it is drawn in on the page and
// whether the file name follows it. The face and the file-name switch are kept for the
// program's run and written to no file.
#include <string_view>

#include "core/message_sink.h"
#include "notebook/model/note_doc.h"
#include "render/canvas.h"
#include "render/colors.h"

namespace ravlo {

inline constexpr std::string_view kHyoudaiCaption = "◆ノートの表題を記入する";
inline constexpr std::string_view kHyoudaiAlreadyOpenText = "表題記入欄はすでに開いています。";

struct HyoudaiLook {
  FontSpec HyoudaiFont{"ＭＳ ゴシック", 14, false, false, false};
  Color HyoudaiColor = kBlack;
  bool FileNameDspFlag = false;  // "　[ file name ]" after the title
};

class HyoudaiInput {
 public:
  HyoudaiInput(NoteDoc& doc, MessageSink& sink) : doc_(doc), sink_(sink) {}

  HyoudaiLook look;
  bool HyoudaiOpenFlag = false;
  bool HyoudaiChgFlag = false;

  // False (with its message) when the title input is open already.
  bool open();
  // "適用" and "終了": the field becomes the title; an edited field marks the title changed.
  void take(std::string_view field, bool edited);
  // After the dialog closed: a changed title is an unsaved change of the notebook.
  void close();

 private:
  NoteDoc& doc_;
  MessageSink& sink_;
};

}  // namespace ravlo
