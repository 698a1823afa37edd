#pragma once
// Opening and saving the notebook: the .siki file read into the document and written from
// it, with the questions and messages around it. Dialogs come through a FileChooser, boxes
// through the MessageSink; without a chooser every dialog counts as cancelled.
#include <string>

#include "core/message_sink.h"
#include "notebook/model/file_chooser.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_view.h"
#include "notebook/model/siki_file.h"

namespace ravlo {

enum class NoteSaveResult {
  NotNeeded,  // no unsaved changes: nothing written
  Saved,
  Cancelled,  // the learner cancelled a dialog or declined to overwrite
  Failed,     // the file could not be written; the learner was told, the old file is intact
};

// Whether a save question may go on to the next step: the changes are safe in a file.
inline bool noteSaveKeptChanges(NoteSaveResult r) {
  return r == NoteSaveResult::Saved || r == NoteSaveResult::NotNeeded;
}

class NoteFiles {
 public:
  NoteFiles(NoteDoc& doc, MessageSink& sink);
  NoteFiles(const NoteFiles&) = delete;
  NoteFiles& operator=(const NoteFiles&) = delete;

  void setView(NoteView* view) { view_ = view ? view : &noView_; }
  void setChooser(FileChooser* chooser) { chooser_ = chooser ? chooser : &noChooser_; }

  // Reads the file into the document: title, problems, file name; no selection, no unsaved
  // changes. A file that cannot be opened or is no notebook gets its message and leaves the
  // document as it was (false). Problems the checker refuses are loaded all the same; the
  // learner is told once and the whole-notebook editor opens.
  bool NoteReadFile(const std::string& path);
  // The same for bytes already read (a page's upload); name stands for the file's path.
  bool NoteReadBytes(std::string bytes, const std::string& name);
  // Writes the document to path, replacing the old file only once the new one is complete.
  // 1 on success (no unsaved changes then), -1 on failure with nothing changed and nothing
  // shown; lastWriteError() says why.
  int NoteWriteFile(const std::string& path);
  const std::string& lastWriteError() const { return lastWriteError_; }
  // What NoteWriteFile would write now: the bytes read while nothing has changed.
  SikiFileBytes bytesToWrite() const;

  // Writes to the current file when there are unsaved changes; asks for a name (Save As,
  // starting at the old one) when there is no file yet or the page was cleared or the
  // window closed since. The file keeps the encoding it was read in.
  NoteSaveResult NoteSave();
  // Asks for a file name and writes, changes or not.
  NoteSaveResult NoteSaveAs();
  // Offers to save unsaved changes, asks for a file and reads it. True when the document
  // now holds the file. When the offered save does not go through, nothing is opened.
  bool NoteOpen();

 private:
  class NoChooser final : public FileChooser {
   public:
    std::optional<std::string> chooseOpenFile(std::string_view, std::string_view) override {
      return std::nullopt;
    }
    std::optional<std::string> chooseSaveFile(std::string_view) override {
      return std::nullopt;
    }
  };

  bool confirmOverwrite(const std::string& path);
  NoteSaveResult writeAs(const std::string& path);

  NoteDoc& doc_;
  MessageSink& sink_;
  NoteView noView_;
  NoteView* view_ = &noView_;
  NoChooser noChooser_;
  FileChooser* chooser_ = &noChooser_;
  std::string lastWriteError_;
};

}  // namespace ravlo
