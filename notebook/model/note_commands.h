#pragma once
// The notebook's list commands as the menus and the control box run them: each asks and
// tells through the MessageSink, changes the document and asks the view to draw it again.
#include <string>
#include <string_view>
#include <vector>

#include "core/message_sink.h"
#include "notebook/model/file_chooser.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_files.h"
#include "notebook/model/note_view.h"

namespace ravlo {

class NoteCommands {
 public:
  NoteCommands(NoteDoc& doc, MessageSink& sink);
  NoteCommands(const NoteCommands&) = delete;
  NoteCommands& operator=(const NoteCommands&) = delete;

  void setView(NoteView* view);
  void setChooser(FileChooser* chooser) { files_.setChooser(chooser); }
  NoteFiles& files() { return files_; }
  NoteDoc& doc() { return doc_; }

  // Each returns true when it was carried out, false when it was refused or cancelled.
  void selectPrevious();
  void selectNext();
  void NoteUndo();
  bool addNewSiki();        // 新式を追加: an empty problem, selected, in the expression editor
  bool editSelected();      // 選択式を編集 (offers a new problem when none is selected)
  bool deleteSelected();    // 選択式を削除
  bool copySelected();      // 選択式を複写: the copy goes to the end
  bool cutSelectedAnswer(); // 答(選択式)を削除
  bool cutAllAnswers();     // 答(ノート全部)を削除
  bool clearNotebook();     // ノートをクリア: offers to save, then an empty, untitled page
  // 問題を作る: the generated sheet replaces the problems and the title; problems that are in
  // no file are never replaced unasked (save, discard or cancel). Undo brings them back.
  bool fillGenerated(const std::string& title, const std::vector<std::string>& problems);

  // What opening the notebook window does to the document, by NoteOpenMode, with the
  // calculation screen's current line.
  void windowOpened(std::string_view InpSiki);

 private:
  bool refuseWhenFull();
  void openSikiEditor();

  NoteDoc& doc_;
  MessageSink& sink_;
  NoteFiles files_;
  NoteView noView_;
  NoteView* view_ = &noView_;
};

}  // namespace ravlo
