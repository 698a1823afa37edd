#pragma once
// Reading the notebook aloud: "選択式を読む" (the selected problem) and "ノート全部を読む"
// (every problem in turn, with a pause after each). The voice is the calculation screen's
// (SikiSpeaker), which turns a line into its Japanese reading and speaks it to the end.
#include <functional>
#include <string_view>

#include "app/model/calc_view.h"
#include "core/message_sink.h"
#include "notebook/model/note_doc.h"

namespace ravlo {

inline constexpr std::string_view kNoteReadSelectText =
    "左の▼▲をクリックして，読み上げる式を選択してください。";
// The pause after each problem of read-all.
inline constexpr int kNoteReadPauseMs = 300;

class NoteRead {
 public:
  // Waits the given milliseconds. The window passes one that keeps its events flowing, so
  // that Escape or a click can raise the sink's interrupt request during the pause.
  using Sleeper = std::function<void(int ms)>;

  // Without a sleeper the pause is a plain sleep of the thread.
  NoteRead(const NoteDoc& doc, MessageSink& sink, CalcVoice& voice, Sleeper sleeper = {});

  // 選択式を読む: "かっこ" + number + "_" + the problem, read as a whole line. With no
  // selection says so (false).
  bool readSelected();

  // ノート全部を読む: "Q" + number + "_" + each problem, then the pause. Before each problem
  // the sink's interrupt request is polled; when it is raised the reading stops there.
  // Returns how many problems were read.
  int readAll();

 private:
  const NoteDoc& doc_;
  MessageSink& sink_;
  CalcVoice& voice_;
  Sleeper sleeper_;
};

}  // namespace ravlo
