#include "notebook/note_edit_form.h"

#include <QFontDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/bun_main_form.h"
#include "notebook/model/note_edit_session.h"
#include "notebook/note_context.h"
#include "notebook/note_font_dialog.h"

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// X11 key codes of the Japanese keyboard's "ろ" key, which prints "\" like the yen key.
constexpr quint32 kRoKeyScanCode = 97;

}  // namespace

NoteEditForm::NoteEditForm(NotebookContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setObjectName("NoteEditForm");
  setWindowTitle(QString::fromStdString(ctx_.editSession.caption()));
  setAccessibleName(QStringLiteral("全行編集画面"));
  setModal(true);
  resize(520, 420);

  edit_ = new QPlainTextEdit(this);
  edit_->setObjectName("NoteEditMemo");
  edit_->setAccessibleName(QStringLiteral("ノートの式"));
  edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette pal = edit_->palette();
  pal.setColor(QPalette::Base, QColor(0x00, 0x00, 0x80));
  pal.setColor(QPalette::Text, Qt::white);
  edit_->setPalette(pal);
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPointSize(ctx_.NoteEditFontSize);
  edit_->setFont(f);
  edit_->setPlainText(QString::fromStdString(ctx_.editSession.text()));
  edit_->document()->setModified(false);
  edit_->installEventFilter(this);

  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(0, 0, 0, 0);
  createMenus();
  col->addWidget(edit_);
}

void NoteEditForm::createMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName("NoteEditMenu");
  bar->setAccessibleName(QStringLiteral("全行編集のメニュー"));
  auto add = [&](QMenu* menu, const char* name, const char* caption, auto run) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    connect(a, &QAction::triggered, this, run);
    actions_.emplace(name, a);
  };
  QMenu* note = bar->addMenu(QStringLiteral("ノート(&N)"));
  note->setObjectName("NoteMenu");
  note->setAccessibleName(note->title());
  add(note, "DiscardExit", "破棄終了(&U)", [this] { close(); });
  add(note, "TakeExit", "反映終了(&R)", [this] { take(); });
  QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
  view->setObjectName("ViewMenu");
  view->setAccessibleName(view->title());
  add(view, "CheckLines", "適切さチェック(&C)", [this] { check(); });
  add(view, "PreviewLines", "表示確認 (&D)", [this] { preview(); });
  add(view, "LookLine", "Lookする(&L)", [this] { look(); });
  add(view, "EditFont", "フォント(&F)", [this] { fontDialog(); });
  // The menu bar sits above the text field.
  static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
}

QAction* NoteEditForm::action(const std::string& name) const {
  const auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

std::vector<std::string> NoteEditForm::lines() const {
  return NoteEditLines(edit_->toPlainText().toStdString());
}

void NoteEditForm::take() {
  if (!ctx_.editSession.takeAndClose(lines(), ctx_.main().state().PaiStr,
                                     edit_->document()->isModified()))
    return;
  edit_->clear();
  edit_->document()->setModified(false);
  accept();
}

void NoteEditForm::reject() {
  if (!ctx_.editSession.mayClose(edit_->document()->isModified())) return;
  edit_->clear();
  edit_->document()->setModified(false);
  QDialog::reject();
}

void NoteEditForm::selectFault(int line, std::size_t column) {
  const QTextBlock block = edit_->document()->findBlockByNumber(line - 1);
  if (!block.isValid()) return;
  // The column counts bytes of the line; the cursor counts UTF-16 units.
  const QByteArray bytes = block.text().toUtf8();
  const qsizetype before = std::min<qsizetype>(static_cast<qsizetype>(column) - 1, bytes.size());
  const int at = static_cast<int>(QString::fromUtf8(bytes.left(std::max<qsizetype>(before, 0))).size());
  QTextCursor c(block);
  c.setPosition(block.position() + at);
  c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  edit_->setTextCursor(c);
}

void NoteEditForm::check() {
  NoteLinesFault fault;
  if (ctx_.editSession.check(lines(), &fault) < 0) selectFault(fault.line, fault.column);
}

void NoteEditForm::preview() {
  NoteLinesFault fault;
  if (!ctx_.editSession.preview(lines(), ctx_.main().state().PaiStr,
                                edit_->document()->isModified(), &fault) &&
      fault.line > 0)
    selectFault(fault.line, fault.column);
}

void NoteEditForm::look() {
  const QString text = edit_->toPlainText();
  const auto caret = static_cast<std::size_t>(text.left(edit_->textCursor().position()).toUtf8().size());
  ctx_.editSession.look(NoteLookLine(text.toStdString(), caret));
}

void NoteEditForm::fontDialog() {
  QFontDialog dialog(edit_->font(), this);
  dialog.setObjectName("NoteEditFontDialog");
  dialog.setAccessibleName(QStringLiteral("フォント"));
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return;
  edit_->setFont(dialog.selectedFont());
  ctx_.NoteEditFontSize = fontSpecOf(dialog.selectedFont(), this).size;
}

std::string NoteEditForm::keyText(const QKeyEvent& event) const {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (mods & (Qt::ControlModifier | Qt::AltModifier)) return {};
  const int key = event.key();
  if (key == Qt::Key_Underscore ||
      (key == Qt::Key_Backslash && event.nativeScanCode() == kRoKeyScanCode))
    return "=";
  if ((key == Qt::Key_yen || key == Qt::Key_Backslash) && !(mods & Qt::ShiftModifier))
    return ctx_.main().state().PaiStr;
  if (ctx_.main().settings().KEYTENYOU == 1 && !(mods & Qt::ShiftModifier)) {
    switch (key) {
      case Qt::Key_PageUp: return "k";
      case Qt::Key_PageDown: return "b";
      case Qt::Key_Home: return "(";
      case Qt::Key_End: return ")";
      default: break;
    }
  }
  return {};
}

void NoteEditForm::insertAtCaret(const std::string& text) {
  QTextCursor c = edit_->textCursor();
  c.setPosition(c.selectionStart());
  c.insertText(toQString(text));
  edit_->setTextCursor(c);
}

bool NoteEditForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && (event->type() == QEvent::KeyPress ||
                           event->type() == QEvent::ShortcutOverride)) {
    auto* key = static_cast<QKeyEvent*>(event);
    const std::string text = keyText(*key);
    if (!text.empty()) {
      // The key's own character never reaches the field.
      if (event->type() == QEvent::KeyPress) insertAtCaret(text);
      event->accept();
      return event->type() == QEvent::KeyPress;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ravlo
