#include "notebook/note_context.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QStatusBar>
#include <QTimer>

#include "app/bun_main_form.h"
#include "app/calc_screen.h"
#include "app/input_form.h"
#include "notebook/control_box.h"
#include "notebook/note_form.h"
#include "tools/tool_windows.h"

namespace ravlo {
namespace {

// Waits while the events keep flowing, so that Escape or a click reaches the interrupt poll.
void waitWithEvents(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

class NotebookContext::View final : public NoteView {
 public:
  explicit View(NotebookContext& ctx) : ctx_(ctx) {}
  void NoteRedraw() override {
    if (ctx_.window_) ctx_.window_->redraw();
  }
  void NoteShowCleared() override {
    if (ctx_.window_) ctx_.window_->showCleared();
  }
  void OpenSikiEditor() override {
    if (ctx_.openSikiEditor) {
      ctx_.openSikiEditor();
    } else {
      ctx_.sink_.status(notAvailableText(featureName(CalcCommand::ExpressionEditor)));
    }
  }
  void OpenNoteEditor() override {
    if (ctx_.window_) ctx_.window_->openNoteEditor();
  }

 private:
  NotebookContext& ctx_;
};

// The calculation screen's voice, which the notebook reads with.
class NotebookContext::StateVoice final : public CalcVoice {
 public:
  explicit StateVoice(CalcState& state) : state_(state) {}
  void SikiSpeak(std::string_view text, bool whole) override { state_.speak(text, whole); }

 private:
  CalcState& state_;
};

NotebookContext::NotebookContext(BunMainForm& main) : NotebookContext(main, Options{}) {}

NotebookContext::NotebookContext(BunMainForm& main, Options options)
    : main_(main),
      options_(options),
      view_(std::make_unique<View>(*this)),
      voice_(std::make_unique<StateVoice>(main.state())),
      commands(doc, sink_),
      compute(doc, sink_, main.settings()),
      read(doc, sink_, *voice_, waitWithEvents),
      editSession(doc, sink_),
      hyoudai(doc, sink_) {
  sink_.setRecording(options_.recording);
  sink_.setStatusBar(main.statusBar());
  sink_.setWindow(&main, &main.settings());
  commands.setView(view_.get());
  commands.setChooser(options_.chooser ? options_.chooser : &chooser_);
  compute.setView(view_.get());
  editSession.setView(view_.get());

  main.notebookHasUnsavedEdits = [this] { return doc.HenkouFlag != 0; };
  main.saveNotebook = [this] {
    if (!window_) return true;
    return noteSaveKeptChanges(commands.files().NoteSave());
  };
  main.openNotebook = [this] { open(kNoteOpenFromMain); };
  // The expression editor: opened on the selected problem, it writes back into it; its ﾉｰﾄ
  // button opens the notebook with its text.
  openSikiEditor = [this] {
    NoteTarget target{&doc, [this] {
                        if (window_) window_->redraw();
                      }};
    main_.toolWindows().openEditorForNotebook(std::move(target), window_);
  };
  main.toolWindows().notebookOpen = [this] { return isOpen(); };
  main.toolWindows().openNotebook = [this](int mode) { open(mode); };
  main.closeNotebook = [this] { closeForProgramEnd(); };
  main.installEventFilter(this);
  connect(&main.cursorTimer(), &QTimer::timeout, this, &NotebookContext::cursorTick);
}

NotebookContext::~NotebookContext() {
  main_.removeEventFilter(this);
  main_.notebookHasUnsavedEdits = nullptr;
  main_.saveNotebook = nullptr;
  main_.openNotebook = nullptr;
  main_.toolWindows().notebookOpen = nullptr;
  main_.toolWindows().openNotebook = nullptr;
  main_.closeNotebook = nullptr;
  delete window_.data();
}

NoteForm* NotebookContext::window() const { return window_; }

void NotebookContext::open(int NoteOpenMode) {
  if (window_) {
    if (window_->isMinimized()) window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
    return;
  }
  if (InputForm* panel = main_.inputForm()) {
    if (panel->isVisible() && !panel->isMinimized()) panel->showMinimized();
    panel->hide();
  }
  doc.NoteOpenMode = NoteOpenMode;
  window_ = new NoteForm(*this);
  sink_.setWindow(window_, &main_.settings());
  chooser_.setParent(window_);
  commands.windowOpened(main_.state().InpSiki);
  main_.state().InputLocked = true;
  window_->show();
  window_->openControlBox();
  window_->raise();
  window_->activateWindow();
}

void NotebookContext::openFile(const std::string& path) {
  open(kNoteOpenFromMain);
  commands.files().NoteReadFile(path);
}

void NotebookContext::closeForProgramEnd() {
  if (!window_) return;
  programEnding_ = true;
  window_->close();
  programEnding_ = false;
}

void NotebookContext::windowClosed() {
  // The window goes away once its close is over; from now on the notebook counts as closed.
  window_ = nullptr;
  doc.HenkouFlag = 0;
  doc.NoteClearAll();
  sink_.setWindow(&main_, &main_.settings());
  chooser_.setParent(&main_);
  main_.state().InputLocked = false;
  if (programEnding_) return;
  if (InputForm* panel = main_.inputForm(); panel && !panel->isVisible()) panel->showNormal();
  main_.showNormal();
  main_.state().repaint();
}

bool NotebookContext::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &main_ && event->type() == QEvent::ActivationChange && main_.isActiveWindow())
    mainActivated();
  return QObject::eventFilter(watched, event);
}

void NotebookContext::mainActivated() {
  if (!window_) return;
  NoteControlBox* box = window_->controlBox();
  if (!box) return;
  if (!box->isMinimized()) box->showMinimized();
  window_->setControlBoxCheck(false);
}

void NotebookContext::cursorTick() {
  if (!window_) return;
  NoteControlBox* box = window_->controlBox();
  if (box && box->isActiveWindow()) window_->takeFocus();
}

}  // namespace ravlo
