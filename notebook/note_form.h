#pragma once
// The notebook window (ノート画面): the page of numbered problems painted by NotePaint, its
// scroll bars, menus and keys, the font dialog, the answer column, printing and the close
// question. The control box floats beside it; the editors open over it.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "notebook/model/note_keys.h"
#include "notebook/model/note_paint.h"
#include "notebook/model/note_print.h"
#include "notebook/model/note_worksheet.h"

class QAction;
class QPrinter;
class QScrollBar;

namespace ravlo {

class NotebookContext;
class NoteControlBox;
class NotePage;
struct CalcSettings;

inline constexpr std::string_view kNoteCloseCaption = "ご確認";
inline constexpr std::string_view kNoteCloseText =
    "ノート画面の式は編集されています。\n\n画面を閉じる前に変更を保存しますか？";
inline constexpr int kNoteScrollBarStep = 5;

// Chooses the printer and what to print; false when the learner cancels.
using NotePrintChooser = std::function<bool(QPrinter&, NotePrintKind&)>;
// The print dialog with a choice of "答えつき", "問題だけ" and "問題と解答ページ", and for the
// last the worksheet's columns and worked solutions, kept in *style.
NotePrintChooser notePrintDialog(QWidget* parent, NoteWorksheetStyle* style);

class NoteForm final : public QMainWindow {
  Q_OBJECT

 public:
  explicit NoteForm(NotebookContext& ctx);
  ~NoteForm() override;

  NotePage* page() const { return page_; }
  QScrollBar* horizontalBar() const { return hBar_; }
  QScrollBar* verticalBar() const { return vBar_; }
  NoteControlBox* controlBox() const;
  // The menu item of a command, or null.
  QAction* action(NoteCommand command) const;

  // A key of the window or of the control box: its own key table first, then the menus'
  // shortcuts. True when it started something.
  bool noteKey(int key, KeyMods mods, const QKeySequence& sequence);
  void run(NoteCommand command);

  // Draws the page again from the document (and drops the lighter cleared background).
  void redraw();
  void showCleared();
  void openNoteEditor();
  void openControlBox();
  void setControlBoxCheck(bool on);
  // The page gets the keyboard.
  void takeFocus();
  // What the page is drawn from now: document view values, fonts, metrics to be measured.
  NotePaintInput paintInput() const;
  // The line spacing or page height changed (box field or key).
  void setKankaku(int value);
  void setPageHeight(int value);
  // The notebook font: the one being tried in the font dialog, else the settings'.
  FontSpec noteFont() const;

  // The answer-column query: the text typed, or nothing for Cancel. Tests put a script here.
  std::function<std::optional<std::string>(std::string_view caption, std::string_view prompt,
                                           std::string_view value)>
      inputQuery;
  NotePrintChooser choosePrint;
  // How "問題と解答ページ" prints: one or two columns, worked solutions in the key.
  NoteWorksheetStyle worksheetStyle;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void createMenus();
  void createWidgets();
  void placeFromSettings();
  void syncScrollRanges();
  void scrollBy(QScrollBar* bar, int delta);
  void fontDialog();
  void titleInput();
  void answerColumnPosition();
  void printNotebook();
  void readAll();
  void equalKaigyoMenu();
  void generateProblems();
  void controlBoxToggle(bool fromMenu);
  void windowA4Width();
  void storeBounds();

  NotebookContext& ctx_;
  CalcSettings& settings_;
  NotePage* page_ = nullptr;
  QScrollBar* hBar_ = nullptr;
  QScrollBar* vBar_ = nullptr;
  QPointer<NoteControlBox> box_;
  std::map<NoteCommand, QAction*> actions_;
  std::optional<FontSpec> tryFont_;  // the font dialog's current choice while it is open
  QRect created_;                    // place and client size when the window was made
};

}  // namespace ravlo
