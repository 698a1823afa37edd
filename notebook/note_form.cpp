#include "notebook/note_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/bun_main_form.h"
#include "app/calc_print.h"
#include "app/input_form.h"
#include "app/key_translate.h"
#include "notebook/control_box.h"
#include "notebook/hyoudai_edit_form.h"
#include "notebook/model/note_layout.h"
#include "notebook/generate_dialog.h"
#include "notebook/model/note_menu_spec.h"
#include "notebook/note_context.h"
#include "notebook/note_edit_form.h"
#include "notebook/note_font_dialog.h"
#include "notebook/note_page.h"
#include "notebook/print/note_printer.h"
#include "render/qt/qt_canvas.h"

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct PrintKindChoice {
  NotePrintKind kind;
  const char* caption;
};

// The A4 sizes come from the main window, measured on its screen; the defaults' own are
// replaced.
constexpr int kNominalPpi = 96;

constexpr PrintKindChoice kPrintKinds[] = {
    {NotePrintKind::Page, "答えつき"},
    {NotePrintKind::ProblemsOnly, "問題だけ"},
    {NotePrintKind::Worksheet, "問題と解答ページ"},
};

std::optional<std::string> askWithInputDialog(QWidget* parent, std::string_view caption,
                                              std::string_view prompt, std::string_view value) {
  QInputDialog dialog(parent);
  dialog.setObjectName("ItiQuery");
  dialog.setAccessibleName(toQString(caption));
  dialog.setWindowTitle(toQString(caption));
  dialog.setLabelText(toQString(prompt));
  dialog.setTextValue(toQString(value));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

}  // namespace

NotePrintChooser notePrintDialog(QWidget* parent, NoteWorksheetStyle* style) {
  return [parent, style](QPrinter& printer, NotePrintKind& kind) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("NotePrintDialog");
    dialog.setAccessibleName(QStringLiteral("印刷"));
    auto* tab = new QGroupBox(QStringLiteral("印刷する内容"));
    tab->setObjectName("NotePrintKind");
    tab->setWindowTitle(QStringLiteral("印刷する内容"));
    tab->setAccessibleName(QStringLiteral("印刷する内容"));
    auto* col = new QVBoxLayout(tab);
    std::vector<QRadioButton*> radios;
    for (const PrintKindChoice& choice : kPrintKinds) {
      auto* r = new QRadioButton(QString::fromUtf8(choice.caption), tab);
      r->setAccessibleName(r->text());
      r->setChecked(choice.kind == kind);
      col->addWidget(r);
      radios.push_back(r);
    }
    auto* twoColumns = new QCheckBox(QStringLiteral("問題を2段に並べる"), tab);
    twoColumns->setObjectName("NotePrintTwoColumns");
    twoColumns->setChecked(style->columns == 2);
    auto* solutions = new QCheckBox(QStringLiteral("解答に解き方をつける"), tab);
    solutions->setObjectName("NotePrintSolutions");
    solutions->setChecked(style->solutions);
    for (QCheckBox* box : {twoColumns, solutions}) {
      box->setAccessibleName(box->text());
      col->addWidget(box);
    }
    col->addStretch(1);
    dialog.setOptionTabs({tab});
    if (dialog.exec() != QDialog::Accepted) return false;
    style->columns = twoColumns->isChecked() ? 2 : 1;
    style->solutions = solutions->isChecked();
    for (std::size_t i = 0; i < radios.size(); ++i) {
      if (radios[i]->isChecked()) kind = kPrintKinds[i].kind;
    }
    return true;
  };
}

NoteForm::NoteForm(NotebookContext& ctx)
    : ctx_(ctx), settings_(ctx.main().settings()) {
  setObjectName("NoteForm");
  setAccessibleName(QStringLiteral("ノート画面"));
  setAttribute(Qt::WA_DeleteOnClose);
  // A face that is not installed would be replaced by a proportional one, and the page is
  // laid out in fixed widths.
  if (!fontFamilyExists(settings_.NOTE_FONTNAME)) {
    ctx_.sink().status("◆フォント「" + settings_.NOTE_FONTNAME + "」が見つからないので、「" +
                       std::string(kDefaultFontName) + "」で表示します。");
    settings_.NOTE_FONTNAME = std::string(kDefaultFontName);
  }
  createWidgets();
  createMenus();
  placeFromSettings();
  inputQuery = [this](std::string_view caption, std::string_view prompt, std::string_view value) {
    return askWithInputDialog(this, caption, prompt, value);
  };
  choosePrint = notePrintDialog(this, &worksheetStyle);
  syncScrollRanges();
  redraw();
}

NoteForm::~NoteForm() {
  if (box_) delete box_.data();
}

void NoteForm::createWidgets() {
  auto* central = new QWidget(this);
  central->setObjectName("NoteClientArea");
  central->setAccessibleName(QStringLiteral("ノート画面の枠"));
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  page_ = new NotePage(*this, ctx_.doc, central);
  vBar_ = new QScrollBar(Qt::Vertical, central);
  vBar_->setObjectName("NoteVertScrollBar");
  vBar_->setAccessibleName(QStringLiteral("縦スクロール"));
  hBar_ = new QScrollBar(Qt::Horizontal, central);
  hBar_->setObjectName("NoteHorzScrollBar");
  hBar_->setAccessibleName(QStringLiteral("横スクロール"));
  for (QScrollBar* bar : {vBar_, hBar_}) {
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setSingleStep(kNoteScrollBarStep);
    bar->setValue(0);
    connect(bar, &QScrollBar::valueChanged, page_, qOverload<>(&QWidget::update));
  }
  grid->addWidget(page_, 0, 0);
  grid->addWidget(vBar_, 0, 1);
  grid->addWidget(hBar_, 1, 0);
  setCentralWidget(central);
  page_->setFocus();
}

void NoteForm::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("NoteMainMenu");
  bar->setAccessibleName(QStringLiteral("ノートのメニュー"));
  std::vector<QMenu*> menus;
  for (const NoteMenuSpec& m : noteMenus()) {
    QMenu* menu = bar->addMenu(toQString(m.caption));
    menu->setObjectName(toQString(m.name));
    menu->setAccessibleName(toQString(m.caption));
    menus.push_back(menu);
  }
  for (const NoteMenuItemSpec& item : noteMenuItems()) {
    QAction* a = menus[static_cast<std::size_t>(item.menu)]->addAction(toQString(item.caption));
    a->setObjectName(toQString(noteCommandName(item.command)));
    if (!item.shortcut.empty())
      a->setShortcut(QKeySequence::fromString(toQString(item.shortcut), QKeySequence::PortableText));
    a->setCheckable(item.checkable);
    if (item.checkable) a->setChecked(item.checked);
    const NoteCommand command = item.command;
    connect(a, &QAction::triggered, this, [this, command] { run(command); });
    actions_.emplace(command, a);
  }
}

void NoteForm::placeFromSettings() {
  QRect want(settings_.NOTEBKLEFT, settings_.NOTEBKTOP, std::max(settings_.NOTEBKWIDTH, 120),
             std::max(settings_.NOTEBKHEIGHT, 100));
  // A place saved on a screen that is gone would hide the window.
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect avail = s->availableGeometry();
    bool onScreen = false;
    for (QScreen* any : QGuiApplication::screens()) {
      if (any->availableGeometry().intersects(QRect(want.topLeft(), QSize(want.width(), 40))))
        onScreen = true;
    }
    want.setSize(want.size().boundedTo(avail.size()));
    if (!onScreen) want.moveTopLeft(avail.topLeft());
  }
  move(want.topLeft());
  resize(want.size());
  created_ = QRect(want.topLeft(), want.size());
}

NoteControlBox* NoteForm::controlBox() const { return box_; }

QAction* NoteForm::action(NoteCommand command) const {
  const auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

FontSpec NoteForm::noteFont() const {
  if (tryFont_) return *tryFont_;
  return NotePaintDefaults(settings_, kNominalPpi).noteFont;
}

NotePaintInput NoteForm::paintInput() const {
  NotePaintInput in = NotePaintDefaults(settings_, kNominalPpi);
  in.noteFont = noteFont();
  if (QAction* a = action(NoteCommand::AnswerColumn)) in.KAITOURAN_FLAG = a->isChecked();
  in.EqKaigyoFlag = ctx_.EqKaigyoFlag;
  in.A4Width = ctx_.main().state().A4Width;
  in.A4Height = ctx_.main().state().A4Height;
  in.PageHeightPx = NotePageHeightPx(in.A4Height, settings_.PAGEA4BAIN);
  in.hpos = hBar_->value();
  in.vpos = vBar_->value();
  in.clientWidth = page_->width();
  in.clientHeight = page_->height();
  in.cleared = page_->cleared;
  in.HyoudaiFont = ctx_.hyoudai.look.HyoudaiFont;
  in.HyoudaiColor = ctx_.hyoudai.look.HyoudaiColor;
  in.FileNameDspFlag = ctx_.hyoudai.look.FileNameDspFlag;
  return in;
}

void NoteForm::syncScrollRanges() {
  const int a4w = std::max(ctx_.main().state().A4Width, 0);
  hBar_->setRange(0, a4w);
  vBar_->setRange(0, std::max(NotePageHeightPx(ctx_.main().state().A4Height,
                                               settings_.PAGEA4BAIN), 0));
}

void NoteForm::redraw() {
  page_->cleared = false;
  syncScrollRanges();
  setWindowTitle(QString::fromUtf8(kNoteCaptionHead.data(),
                                   static_cast<qsizetype>(kNoteCaptionHead.size())) +
                 QString::fromStdString(ctx_.doc.NoteFileName) + QLatin1Char(']'));
  page_->setAccessibleDescription(QString::fromStdString(ctx_.doc.Siki(ctx_.doc.SelNo)));
  page_->update();
}

void NoteForm::showCleared() {
  redraw();
  page_->cleared = true;
}

void NoteForm::takeFocus() {
  activateWindow();
  raise();
  page_->setFocus();
}

// ---- keys ----

bool NoteForm::noteKey(int key, KeyMods mods, const QKeySequence& sequence) {
  const NoteCommand command = NoteKeyCommand(key, mods);
  if (command != NoteCommand::None) {
    // A key that is also a menu item goes the menu's way, check mark and all.
    if (QAction* a = action(command)) {
      a->trigger();
    } else {
      run(command);
    }
    return true;
  }
  if (sequence.isEmpty()) return false;
  for (const auto& [c, a] : actions_) {
    if (a->isEnabled() && a->shortcut() == sequence) {
      a->trigger();
      return true;
    }
  }
  return false;
}

void NoteForm::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key = translateKey(*event);
  if (key.key != 0 && noteKey(key.key, key.mods, QKeySequence(event->keyCombination()))) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void NoteForm::scrollBy(QScrollBar* bar, int delta) { bar->setValue(bar->value() + delta); }

void NoteForm::run(NoteCommand command) {
  using C = NoteCommand;
  NoteCommands& cmd = ctx_.commands;
  switch (command) {
    case C::None: return;
    case C::ClearNotebook: cmd.clearNotebook(); return;
    case C::Open: cmd.files().NoteOpen(); return;
    case C::Save: cmd.files().NoteSave(); redraw(); return;
    case C::SaveAs: cmd.files().NoteSaveAs(); redraw(); return;
    case C::Print: printNotebook(); return;
    case C::CloseWindow: close(); return;
    case C::CutSelectedAnswer: cmd.cutSelectedAnswer(); return;
    case C::DeleteSelected: cmd.deleteSelected(); return;
    case C::EditSelected: cmd.editSelected(); return;
    case C::ComputeSelected: ctx_.compute.computeSelected(); return;
    case C::CopySelected: cmd.copySelected(); return;
    case C::ReadSelected: ctx_.read.readSelected(); return;
    case C::AddNew: cmd.addNewSiki(); return;
    case C::CutAllAnswers: cmd.cutAllAnswers(); return;
    case C::EditAll: openNoteEditor(); return;
    case C::Generate: generateProblems(); return;
    case C::ComputeAll: ctx_.compute.computeAll(); return;
    case C::ReadAll: readAll(); return;
    case C::Undo: cmd.NoteUndo(); return;
    case C::FontDialog: fontDialog(); return;
    case C::TitleInput: titleInput(); return;
    case C::EqualKaigyo: equalKaigyoMenu(); return;
    case C::ControlBoxMenu: controlBoxToggle(true); return;
    case C::ControlBoxKey: controlBoxToggle(false); return;
    case C::SettingsDialog:
      ctx_.main().settingsDialog();
      redraw();
      return;
    case C::AnswerColumn:
      settings_.NOTE_KAITOURAN_FLAG = action(C::AnswerColumn)->isChecked();
      redraw();
      return;
    case C::AnswerColumnPosition: answerColumnPosition(); return;
    case C::WindowA4Width: windowA4Width(); return;
    case C::SelectPrevious: cmd.selectPrevious(); return;
    case C::SelectNext: cmd.selectNext(); return;
    case C::LineSpacingUp:
    case C::LineSpacingDown:
      setKankaku(NoteKankakuKeyStep(settings_.KANKAKU, command == C::LineSpacingUp ? 1 : -1));
      return;
    case C::PageHeightUp:
    case C::PageHeightDown:
      setPageHeight(NotePageKeyStep(settings_.PAGEA4BAIN, command == C::PageHeightUp ? 1 : -1));
      return;
    case C::ScrollUp: scrollBy(vBar_, -kNoteScrollStep); return;
    case C::ScrollDown: scrollBy(vBar_, kNoteScrollStep); return;
    case C::ScrollLeft: scrollBy(hBar_, -kNoteScrollStep); return;
    case C::ScrollRight: scrollBy(hBar_, kNoteScrollStep); return;
  }
}

// ---- layout values ----

void NoteForm::setKankaku(int value) {
  settings_.KANKAKU = std::clamp(value, kNoteKankakuMin, kNoteKankakuMax);
  if (box_) box_->showKankaku(settings_.KANKAKU);
  redraw();
}

void NoteForm::setPageHeight(int value) {
  settings_.PAGEA4BAIN = std::clamp(value, kNotePageMin, kNotePageMax);
  if (box_) box_->showPageHeight(settings_.PAGEA4BAIN);
  redraw();
}

void NoteForm::generateProblems() {
  GenerateDialog dialog(ctx_.sink(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  ctx_.commands.fillGenerated(dialog.sheet().title, dialog.sheet().problems);
}

void NoteForm::equalKaigyoMenu() {
  QAction* a = action(NoteCommand::EqualKaigyo);
  // Qt has flipped the mark already; the rule starts from the mark before the click.
  bool mark = !a->isChecked();
  const bool changed = NoteEqKaigyoMenuToggle(mark, ctx_.EqKaigyoFlag);
  a->setChecked(mark);
  if (!changed) return;
  settings_.EQUAL_KAIGYO = ctx_.EqKaigyoFlag;
  if (box_) box_->showEqKaigyo(ctx_.EqKaigyoFlag);
  redraw();
}

void NoteForm::answerColumnPosition() {
  while (true) {
    const std::optional<std::string> typed =
        inputQuery(kNoteItiCaption, NoteItiPrompt(settings_.KAITOURAN_ITI),
                   std::to_string(settings_.KAITOURAN_ITI));
    if (!typed) return;
    if (const std::optional<int> value = NoteItiParse(*typed)) {
      settings_.KAITOURAN_ITI = *value;
      redraw();
      return;
    }
  }
}

void NoteForm::windowA4Width() {
  showNormal();
  resize(std::max(ctx_.main().state().A4Width, 100), kNoteA4PresetHeight);
  move(kNoteA4PresetLeft, kNoteA4PresetTop);
  redraw();
}

// ---- the control box ----

void NoteForm::openControlBox() {
  if (box_) return;
  box_ = new NoteControlBox(*this, ctx_);
  box_->move(created_.left() + created_.width() - kNoteBoxLeftOffset,
             created_.top() + created_.height() - kNoteBoxTopOffset);
  box_->show();
}

void NoteForm::setControlBoxCheck(bool on) {
  if (QAction* a = action(NoteCommand::ControlBoxMenu)) a->setChecked(on);
}

void NoteForm::controlBoxToggle(bool fromMenu) {
  const NoteBoxState state = !box_                 ? NoteBoxState::Closed
                             : box_->isMinimized() ? NoteBoxState::Minimized
                                                   : NoteBoxState::Shown;
  bool check = true;
  switch (NoteBoxToggle(state)) {
    case NoteBoxAction::Create: openControlBox(); break;
    case NoteBoxAction::Restore: box_->showNormal(); break;
    case NoteBoxAction::Minimize:
      box_->showMinimized();
      check = false;
      break;
  }
  if (fromMenu) setControlBoxCheck(check);
}

// ---- dialogs ----

void NoteForm::fontDialog() {
  ctx_.sink().smallMessage(kPreparingText, kPreparingCaption, kFontDialogNoticeMs);
  const FontSpec start = noteFont();
  NoteFontDialog dialog(this, false);
  dialog.setObjectName("NoteFontDialog");
  dialog.onTry = [this](const FontSpec& f, Color) {
    tryFont_ = f;
    page_->update();
  };
  const FontSpec kept = dialog.run(start, kBlack).font;
  tryFont_.reset();
  // What was applied stays even when the dialog was cancelled afterwards.
  settings_.NOTE_FONTNAME = kept.family;
  settings_.NOTE_FONTSIZE = kept.size;
  redraw();
}

void NoteForm::titleInput() {
  if (!ctx_.hyoudai.open()) return;
  {
    HyoudaiEditForm dialog(ctx_, *this);
    dialog.exec();
  }
  ctx_.hyoudai.close();
  redraw();
  if (box_) box_->focusKankaku();
}

void NoteForm::openNoteEditor() {
  if (!ctx_.editSession.begin()) return;
  {
    NoteEditForm dialog(ctx_, this);
    dialog.exec();
  }
  ctx_.editSession.end();
}

void NoteForm::readAll() {
  ctx_.read.readAll();
  ctx_.sink().finishWork();
}

void NoteForm::printNotebook() {
  ctx_.sink().smallMessage(kPreparingText, kPreparingCaption, kPrinterDialogNoticeMs);
  QPrinter printer(QPrinter::HighResolution);
  NotePrintKind kind = NotePrintKind::Page;
  if (!choosePrint || !choosePrint(printer, kind)) return;
  const bool printed =
      kind == NotePrintKind::Worksheet
          ? NotePrintWorksheetTo(printer, ctx_.doc, worksheetStyle, paintInput(), settings_,
                                 ctx_.sink())
          : NotePrintTo(printer, ctx_.doc, kind, paintInput(), settings_, ctx_.sink());
  if (!printed)
    ctx_.sink().box(kPrintEmptyCaption, kPrintFailedText, BoxButtons::Ok, BoxIcon::Warning);
  redraw();
}

// ---- window events ----

void NoteForm::storeBounds() {
  const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized |
                                         Qt::WindowFullScreen));
  const QRect place = normal ? QRect(pos(), size()) : normalGeometry();
  if (!place.isValid()) return;
  settings_.NOTEBKLEFT = place.left();
  settings_.NOTEBKTOP = place.top();
  settings_.NOTEBKHEIGHT = place.height();
  settings_.NOTEBKWIDTH = place.width();
}

void NoteForm::closeEvent(QCloseEvent* event) {
  if (!ctx_.programEnding() && ctx_.doc.HenkouFlag == 1) {
    const BoxAnswer answer = ctx_.sink().box(kNoteCloseCaption, kNoteCloseText,
                                             BoxButtons::YesNoCancel, BoxIcon::Question);
    if (answer == BoxAnswer::Cancel) {
      event->ignore();
      return;
    }
    // A save that did not go through would lose the changes with the window.
    if (answer == BoxAnswer::Yes && !noteSaveKeptChanges(ctx_.commands.files().NoteSave())) {
      event->ignore();
      return;
    }
  }
  storeBounds();
  if (box_) box_->close();
  ctx_.windowClosed();
  event->accept();
}

void NoteForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    InputForm* panel = ctx_.main().inputForm();
    if (panel && panel->isVisible() && !panel->isMinimized()) panel->showMinimized();
    return;
  }
  if (!box_) return;
  setControlBoxCheck(false);
  if (isMinimized()) {
    box_->showMinimized();
    ctx_.main().showNormal();
  }
}

}  // namespace ravlo
