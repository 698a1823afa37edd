#pragma once
// The notebook of the web page: the document read from a file's bytes, computed with the
// notebook's own engines, and written back to bytes in the encoding it was read in.
#include <string>
#include <string_view>
#include <vector>

#include "app/model/calc_settings.h"
#include "notebook/model/note_compute.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_files.h"
#include "web/engine/message_queue.h"

namespace ravlo {

class NotebookSession {
 public:
  NotebookSession();
  NotebookSession(const NotebookSession&) = delete;
  NotebookSession& operator=(const NotebookSession&) = delete;

  // A .siki file's bytes under its name; false (with its message) when it is no notebook.
  bool open(std::string bytes, const std::string& name);
  std::vector<std::string> problems() const { return doc_.problems(); }
  const std::string& title() const { return doc_.HyoudaiStr; }
  bool changed() const { return doc_.HenkouFlag != 0; }
  // Every problem answered, without the confirmation (the page asks before it calls this).
  void computeAll() { compute_.computeAll(false); }
  // The file's bytes, as a save writes them; the notebook then counts as saved.
  std::string save();
  // The answer forms the compute uses.
  CalcSettings& settings() { return settings_; }
  std::vector<WebMessage> takeMessages() { return queue_.take(); }

 private:
  CalcSettings settings_;
  MessageQueue queue_;
  NoteDoc doc_;
  NoteFiles files_;
  NoteCompute compute_;
};

}  // namespace ravlo
