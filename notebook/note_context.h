#pragma once
// The notebook for the program's run: the document and the objects that work on it, the
// values kept between openings of the window (the "=" line break, the title's face, the
// editor's font size), and the window itself while it is open. The main window reaches it
// through its notebook hooks; tests create a fresh one beside a fresh main window.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "app/model/calc_view.h"
#include "app/qt_message_sink.h"
#include "notebook/model/hyoudai_input.h"
#include "notebook/model/note_commands.h"
#include "notebook/model/note_compute.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_edit_session.h"
#include "notebook/model/note_read.h"
#include "notebook/qt_file_chooser.h"

namespace ravlo {

class BunMainForm;
class NoteForm;

class NotebookContext final : public QObject {
  Q_OBJECT

 public:
  struct Options {
    RecordingSink* recording = nullptr;  // tests: boxes and small messages go here
    FileChooser* chooser = nullptr;      // tests: in place of the file dialogs
  };

  explicit NotebookContext(BunMainForm& main);
  NotebookContext(BunMainForm& main, Options options);
  ~NotebookContext() override;

  BunMainForm& main() { return main_; }
  QtMessageSink& sink() { return sink_; }
  NoteDoc doc;

 private:
  // The objects below talk through these, so they come first.
  class View;
  class StateVoice;
  BunMainForm& main_;
  Options options_;
  QtMessageSink sink_;
  std::unique_ptr<View> view_;
  std::unique_ptr<StateVoice> voice_;
  QtFileChooser chooser_;

 public:
  NoteCommands commands;
  NoteCompute compute;
  NoteRead read;
  NoteEditSession editSession;
  HyoudaiInput hyoudai;
  // Kept for the program's run.
  bool EqKaigyoFlag = true;
  bool digitsFlag = false;  // ケタを付けて読む
  int NoteEditFontSize = kNoteEditFontSizeDefault;
  // The expression editor on the selected problem.
  std::function<void()> openSikiEditor;

  // The notebook window, or null while it is closed.
  NoteForm* window() const;
  bool isOpen() const { return window() != nullptr; }
  // The notebook command: brings an open window to the front, or opens it with the mode.
  void open(int NoteOpenMode);
  // A notebook file given to the program: the window opens as by the notebook command and
  // reads the file; one that cannot be read leaves the page empty with its message.
  void openFile(const std::string& path);
  // The program ends: the window closes without asking (the main window has asked).
  void closeForProgramEnd();
  bool programEnding() const { return programEnding_; }

  // The window's part of closing, after its question: the list goes, the main window and
  // its input panel come back, the calculation screen takes input again.
  void windowClosed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void mainActivated();
  void cursorTick();

  QPointer<NoteForm> window_;
  bool programEnding_ = false;
};

}  // namespace ravlo
