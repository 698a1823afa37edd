#include "tools/siki_edit_form.h"

#include <QKeyEvent>
#include <algorithm>

#include "app/model/calc_state.h"
#include "notebook/model/note_doc.h"
#include "render/qt/qt_canvas.h"
#include "tools/const_box.h"
#include "tools/dainyuu_form.h"
#include "tools/form_widgets.h"
#include "tools/model/screen_line.h"
#include "tools/model/tool_keys.h"
#include "tools/se_memo_form.h"

namespace ravlo {
namespace {

constexpr Color kEditorColor = 0xC0FFFF;  // light yellow
constexpr Color kKeyOffColor = 0xFF0000;  // blue
constexpr Color kKeyOnColor = 0x0000FF;   // red
constexpr Color kErrorColor = 0x0000C0;
constexpr int kWidth = 500;
constexpr int kHeight = 132;
constexpr int kRowA = 78;
constexpr int kRowB = 104;
constexpr int kButtonH = 22;

void setTextColor(QWidget* w, Color c) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, toQColor(c));
  w->setPalette(p);
}

// The UTF-16 index of the character `index` (counted from 0) of s.
int utf16Index(const QString& s, int index) {
  int i = 0;
  for (int n = 0; n < index && i < s.size(); ++n) {
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
  }
  return i;
}

}  // namespace

SikiEditForm::SikiEditForm(ToolWindows& tools, EditorOpener opener, SikiEditTarget target,
                           std::string_view text, QWidget* parent)
    : ToolDialog(parent, kSikiEditCaption, kWidth, kHeight, kEditorColor),
      tools_(tools),
      opener_(opener),
      model_(tools.state(), tools.session(), std::move(target)) {
  setObjectName("SikiEditForm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setAttribute(Qt::WA_DeleteOnClose);
  build();
  field_->setText(toQString(text));
  showKeyDiversion();
  previewKeys();
  moveOnScreen(tools_.editorPlace(), tools_.mainWindow());
  field_->setFocus(Qt::OtherFocusReason);
}

void SikiEditForm::build() {
  makeLabel(this, kSikiEditFieldLabel, {4, 4, 180, 16});
  makeButton(this, "KeyTenyouButton", "ｷｰ転用 &K", {386, 2, 74, 20}, [this] { switchKeyDiversion(); })
      ->setToolTip(QStringLiteral(
          "[PageUp]→'ｋ' [PageDown]→'ｂ' 　[HOME]→'（'　[END]→'）'　[↓]→'='"));
  keyLabel_ = makeLabel(this, kKeyTenyouOff, {464, 4, 32, 16});
  keyLabel_->setObjectName("KeyTenyouLabel");
  keyLabel_->setAccessibleName(QStringLiteral("キー転用の状態"));

  field_ = new QLineEdit(this);
  field_->setObjectName("SikiEdit");
  field_->setAccessibleName(toQString(kSikiEditFieldLabel));
  field_->setMaxLength(kSikiEditMaxLength);
  field_->setAttribute(Qt::WA_InputMethodEnabled, false);
  QFont fixed(QStringLiteral("ＭＳ ゴシック"));
  fixed.setPixelSize(14);
  field_->setFont(fixed);
  field_->setGeometry(4, 24, 492, 24);

  makeButton(this, "SolveImage", "解", {4, 52, 26, 20}, [this] { solve(); })
      ->setAccessibleName(QStringLiteral("方程式・不等式を解く"));
  errorLine_ = makeLabel(this, kSikiEditErrorRest, {34, 54, 462, 16});
  errorLine_->setObjectName("ErrorLine");
  errorLine_->setAccessibleName(QStringLiteral("エラー表示"));
  setTextColor(errorLine_, kErrorColor);

  struct Spec {
    const char* name;
    const char* caption;
    const char* hint;
    QRect at;
    void (SikiEditForm::*run)();
  };
  const Spec specs[] = {
      {"DisplayButton", "式表示 Ret", "編集した式のみ表示します", {4, kRowA, 88, kButtonH}, &SikiEditForm::display},
      {"CalcButton", "計算 Ctrl+Ret", "編集式を計算し、答えも表示します", {96, kRowA, 104, kButtonH}, &SikiEditForm::compute},
      {"NoteButton", "ﾉｰﾄ &N", "ノートﾍﾟｰｼﾞを表示します", {204, kRowA, 64, kButtonH}, &SikiEditForm::noteButton},
      {"CloseButton", "閉 &C", "このｴﾃﾞｲﾀを閉じます", {272, kRowA, 56, kButtonH}, &SikiEditForm::reject},
      {"TaihiButton", "退 &H", "ｴﾃﾞｨﾀの式を一時退避します。", {348, kRowA, 46, kButtonH}, &SikiEditForm::keepAside},
      {"SounyuuButton", "挿 &I", "退避した式をｴﾃﾞｨﾀに戻します", {398, kRowA, 46, kButtonH}, &SikiEditForm::insertSaved},
      {"LookButton", "&Look", "退避した式をLookします", {448, kRowA, 48, kButtonH}, &SikiEditForm::lookSaved},
      {"MemoButton", "式ﾒﾓ &M", "式を保存してあるメモをオープンする", {4, kRowB, 80, kButtonH}, &SikiEditForm::memoButton},
      {"BoxButton", "代入箱 &S", "ｴﾃﾞｨﾀ中のｘ、ｙに数値を代入する", {88, kRowB, 86, kButtonH}, &SikiEditForm::boxButton},
      {"JoukenButton", "条件 &J", "条件設定ﾎﾞｯｸｽを表示します", {178, kRowB, 72, kButtonH}, &SikiEditForm::settingsButton},
      {"TeisuuButton", "定数 &T", "定数を保存してあるBoxをｵｰﾌﾟﾝします", {254, kRowB, 72, kButtonH}, &SikiEditForm::constantsButton},
  };
  for (const Spec& s : specs) {
    QPushButton* b = makeButton(this, s.name, s.caption, s.at, [this, run = s.run] { (this->*run)(); });
    b->setToolTip(QString::fromUtf8(s.hint));
  }
  findChild<QPushButton*>("LookButton")->setAccessibleName(QStringLiteral("退避した式を見る"));
}

void SikiEditForm::showKeyDiversion() {
  const bool on = model_.keyDiversion();
  keyLabel_->setText(toQString(on ? kKeyTenyouOn : kKeyTenyouOff));
  setTextColor(keyLabel_, on ? kKeyOnColor : kKeyOffColor);
}

void SikiEditForm::putText(std::string_view text) {
  field_->setText(toQString(text));
  raise();
  activateWindow();
  field_->setFocus(Qt::OtherFocusReason);
}

void SikiEditForm::appendText(std::string_view text) {
  field_->end(false);
  insert(text);
}

void SikiEditForm::apply(const EditorOutcome& outcome) {
  errorLine_->setText(toQString(outcome.errorLine));
  if (outcome.selectChar >= 0) selectChar(outcome.selectChar);
  if (outcome.done) field_->setModified(false);
}

void SikiEditForm::selectChar(int index) {
  const QString t = field_->text();
  const int from = utf16Index(t, index);
  field_->setFocus(Qt::OtherFocusReason);
  field_->setSelection(from, utf16Index(t, index + 1) - from);
}

void SikiEditForm::display() { apply(model_.display(text())); }

void SikiEditForm::compute() {
  const int caret = field_->cursorPosition();
  const EditorOutcome outcome = model_.compute(text());
  if (outcome.field) {
    field_->setText(toQString(*outcome.field));
    field_->setCursorPosition(std::min(caret, static_cast<int>(field_->text().size())));
  }
  apply(outcome);
}

void SikiEditForm::solve() {
  EditorOutcome outcome;
  model_.solve(text(), outcome);
  apply(outcome);
}

void SikiEditForm::noteButton() {
  const bool open = tools_.notebookOpen && tools_.notebookOpen();
  switch (model_.noteButton(open)) {
    case NoteButtonAction::OpenNotebook:
      if (!tools_.openNotebook) {
        if (tools_.hooks().notAvailable) tools_.hooks().notAvailable("ノート");
        return;
      }
      // The notebook takes its new problem from the screen's line.
      putTypedLine(tools_.state(), text());
      tools_.openNotebook(kNoteOpenFromEditor);
      return;
    case NoteButtonAction::CloseEditor: reject(); return;
    case NoteButtonAction::AlreadyOpen: return;
  }
}

void SikiEditForm::switchKeyDiversion() {
  model_.switchKeyDiversion();
  showKeyDiversion();
}

void SikiEditForm::memoButton() {
  if (!tools_.memo()) tools_.openMemo();
}

void SikiEditForm::boxButton() {
  if (!tools_.box()) tools_.openBox();
}

void SikiEditForm::settingsButton() { tools_.state().runCommand(CalcCommand::SettingsDialog); }

void SikiEditForm::constantsButton() {
  if (!tools_.makeConstantsBox) {
    tools_.state().runCommand(CalcCommand::ConstantsBox);
    return;
  }
  tools_.makeConstantsBox().open(TeisuuOwner::Editor);
}

void SikiEditForm::keepAside() { model_.keepAside(text()); }

void SikiEditForm::insertSaved() {
  if (const std::optional<std::string> t = model_.savedForInsert()) insert(*t);
}

void SikiEditForm::lookSaved() { model_.lookSaved(); }

void SikiEditForm::insert(std::string_view text) {
  field_->insert(toQString(text));
  field_->setModified(true);
  field_->setFocus(Qt::OtherFocusReason);
}

std::function<void()> SikiEditForm::keyAction(const QKeyEvent& event) {
  const ToolKeyAction a = sikiEditKeyAction(toolKeyCode(event), toolKeyMods(event),
                                            model_.keyDiversion(), tools_.state().PaiStr);
  switch (a.kind) {
    case ToolKey::None: return {};
    case ToolKey::Insert: return [this, t = a.text] { insert(t); };
    case ToolKey::Display: return [this] { display(); };
    case ToolKey::Compute: return [this] { compute(); };
    case ToolKey::Close: return [this] { reject(); };
    case ToolKey::F8:
      return [this] {
        if (!tools_.focusMemo()) tools_.focusBox();
      };
    case ToolKey::F7:
      return [this] {
        const ConstBox* box = tools_.constantsBox();
        if (box && box->isOpen()) constantsButton();
      };
    case ToolKey::EqualKaigyo: return [this] { tools_.state().EqualKaigyoSwitch(); };
    case ToolKey::Solve: return [this] { solve(); };
  }
  return {};
}

void SikiEditForm::reject() {
  if (!closed_ && !model_.mayClose(field_->isModified())) return;
  ToolDialog::reject();
}

void SikiEditForm::closeNow() {
  field_->setModified(false);
  close();
}

void SikiEditForm::done(int result) {
  if (!closed_) {
    closed_ = true;
    model_.closed();
    // A constants box of the editor's stays, for the calculation screen.
    if (ConstBox* box = tools_.constantsBox()) box->editorClosed();
  }
  ToolDialog::done(result);
  if (!tools_.focusMemo()) tools_.focusBox();
}

}  // namespace ravlo
