#pragma once
// A main window with its notebook on a scratch settings file: boxes and small messages
// recorded, file dialogs scripted, printing into a PDF file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QPrinter>
#include <QTest>
#include <string>
#include <vector>

#include "notebook/control_box.h"
#include "notebook/note_context.h"
#include "notebook/note_form.h"
#include "notebook/note_page.h"
#include "tests/app_gui/window_fixture.h"
#include "tests/notebook/note_test_support.h"

namespace ravlo::test {

class Notebook {
 public:
  explicit Notebook(std::string_view iniUtf8 = {}, Voice* voice = nullptr)
      : w_(iniUtf8, true, voice), ctx_(w_.form(), {&w_.rec(), &chooser}) {}

  Window& w() { return w_; }
  NotebookContext& ctx() { return ctx_; }
  NoteDoc& doc() { return ctx_.doc; }
  RecordingSink& rec() { return w_.rec(); }
  NoteForm& form() { return *ctx_.window(); }
  NoteControlBox& box() { return *form().controlBox(); }

  // The main window's notebook command, as the N key gives it.
  NoteForm& open() {
    w_.key(Qt::Key_N);
    EXPECT_NE(ctx_.window(), nullptr);
    NoteForm& f = form();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.takeFocus();
    f.choosePrint = [this](QPrinter& printer, NotePrintKind& kind) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf));
      kind = printKind;
      ++printDialogs;
      return true;
    };
    return f;
  }
  // A notebook of these problems, no changes unsaved.
  NoteForm& openWith(const std::vector<std::string>& problems) {
    NoteForm& f = open();
    doc().replaceProblems(problems);
    doc().markSaved();
    doc().HenkouFlag = 0;
    f.redraw();
    return f;
  }
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(form().page(), k, mods);
  }
  // Closes the notebook window the way the user does; true when it went.
  bool closeNotebook() {
    form().close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ctx_.window() == nullptr;
  }

  note_testing::ScriptedChooser chooser;
  note_testing::TempDir dir;
  std::string pdf = dir.file("note.pdf");
  NotePrintKind printKind = NotePrintKind::Page;
  int printDialogs = 0;

 private:
  Window w_;
  NotebookContext ctx_;
};

}  // namespace ravlo::test
