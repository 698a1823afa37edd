#include "tools/dainyuu_form.h"

#include <QKeyEvent>

#include "app/model/calc_state.h"
#include "tools/form_widgets.h"
#include "tools/model/dainyuu_model.h"
#include "tools/model/dainyuu_siki.h"
#include "tools/model/tool_keys.h"
#include "tools/se_memo_form.h"
#include "tools/siki_edit_form.h"

namespace ravlo {
namespace {

constexpr Color kBoxColor = 0xC0FFC0;  // light green
constexpr int kWidth = 480;
constexpr int kHeight = 88;
constexpr int kButtonH = 22;

QLineEdit* makeField(QWidget* parent, const char* name, const char* role, const QRect& at) {
  auto* f = new QLineEdit(parent);
  f->setObjectName(name);
  f->setAccessibleName(QString::fromUtf8(role));
  f->setAttribute(Qt::WA_InputMethodEnabled, false);
  f->setGeometry(at);
  return f;
}

}  // namespace

DainyuuForm::DainyuuForm(ToolWindows& tools)
    : ToolDialog(nullptr, kDainyuuCaption, kWidth, kHeight, kBoxColor), tools_(tools) {
  setObjectName("DainyuuForm");
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);

  makeLabel(this, "ｘ=", {4, 7, 22, 16});
  x_ = makeField(this, "XEdit", "ｘの値", {26, 4, 126, 22});
  makeLabel(this, "ｙ=", {160, 7, 22, 16});
  y_ = makeField(this, "YEdit", "ｙの値", {182, 4, 126, 22});
  makeLabel(this, "ｚ=", {316, 7, 22, 16});
  z_ = makeField(this, "ZEdit", "ｚの値", {338, 4, 126, 22});
  makeLabel(this, "◇文字式＝", {4, 35, 70, 16});
  expr_ = makeField(this, "SikiEdit", "◇文字式＝", {76, 32, 400, 22});
  connect(expr_, &QLineEdit::textChanged, this, [this] { expressionChanged(); });

  sendButton_ = makeButton(this, "SendButton", "式を転送 &S", {4, 60, 92, kButtonH}, [this] { send(); });
  sendButton_->setToolTip(QStringLiteral("式ｴﾃﾞｨﾀに、値を代入した式をｺﾋﾟｰ"));
  makeButton(this, "CalcButton", "計算 &K", {100, 60, 70, kButtonH}, [this] { compute(); });
  makeButton(this, "LookButton", "&Look", {174, 60, 56, kButtonH}, [this] { look(); })
      ->setToolTip(QStringLiteral("式を分数の形でちょっと拝見！"));
  findChild<QPushButton*>("LookButton")->setAccessibleName(QStringLiteral("文字式を分数の形で見る"));
  memoSaveButton_ = makeButton(this, "MemoSaveButton", "ﾒﾓ保存 &R", {234, 60, 84, kButtonH},
                               [this] { saveToMemo(); });
  memoSaveButton_->setToolTip(QStringLiteral("代入式をメモにしまう"));
  makeButton(this, "MemoOpenButton", "ﾒﾓ開く &M", {322, 60, 84, kButtonH}, [this] { openMemo(); })
      ->setToolTip(QStringLiteral("ｴﾃﾞｨﾀ ﾒﾓを開く"));
  makeButton(this, "CloseButton", "閉 &C", {410, 60, 66, kButtonH}, [this] { close(); })
      ->setToolTip(QStringLiteral("このボックスを閉じる"));

  expressionChanged();
  previewKeys();
  moveOnScreen(tools_.boxPlace(), tools_.mainWindow());
}

QLineEdit* DainyuuForm::valueField(char variable) const {
  switch (variable) {
    case 'x': return x_;
    case 'y': return y_;
    case 'z': return z_;
    default: return nullptr;
  }
}

void DainyuuForm::expressionChanged() {
  const bool filled = !expr_->text().isEmpty();
  sendButton_->setEnabled(filled);
  memoSaveButton_->setEnabled(filled);
}

void DainyuuForm::putExpression(std::string_view text) {
  expr_->setText(toQString(text));
  raise();
  activateWindow();
  expr_->setFocus(Qt::OtherFocusReason);
}

std::optional<std::string> DainyuuForm::substituted() {
  const DainyuuValues values{x_->text().toStdString(), y_->text().toStdString(),
                             z_->text().toStdString()};
  return DainyuuSiki(expr_->text().toStdString(), values, tools_.state().PaiStr,
                     tools_.state().sink());
}

void DainyuuForm::send() {
  if (expr_->text().isEmpty()) return;
  const std::optional<std::string> result = substituted();
  if (!result) return;
  if (SikiEditForm* editor = tools_.editor()) {
    editor->putText(*result);
    return;
  }
  tools_.openEditor(EditorOpener::SubstitutionBox, *result);
}

void DainyuuForm::compute() {
  const std::optional<std::string> result = substituted();
  if (!result) return;
  const DainyuuComputed r = DainyuuCompute(tools_.state(), *result);
  if (r.errorPosition == 0) return;
  const int at = static_cast<int>(r.errorPosition) - 1;
  if (at >= expr_->text().size()) return;
  expr_->setFocus(Qt::OtherFocusReason);
  expr_->setSelection(at, 1);
}

void DainyuuForm::look() {
  DainyuuLook(expr_->text().toStdString(), tools_.state().PaiStr, tools_.state().sink());
}

void DainyuuForm::saveToMemo() {
  if (expr_->text().isEmpty()) return;
  if (SEMemoForm* memo = tools_.openMemo()) memo->MemoAdd(expr_->text().toStdString());
}

void DainyuuForm::openMemo() { tools_.openMemo(); }

void DainyuuForm::insert(std::string_view text) {
  auto* field = qobject_cast<QLineEdit*>(focusWidget());
  if (!field) field = expr_;
  field->insert(toQString(text));
}

std::function<void()> DainyuuForm::keyAction(const QKeyEvent& event) {
  const ToolKeyAction a = dainyuuKeyAction(toolKeyCode(event), toolKeyMods(event),
                                           tools_.state().settings().KEYTENYOU != 0,
                                           tools_.state().PaiStr);
  switch (a.kind) {
    case ToolKey::Insert: return [this, t = a.text] { insert(t); };
    case ToolKey::F8:
      return [this] {
        if (!tools_.focusEditor()) tools_.focusMemo();
      };
    case ToolKey::F7:
      return [this] {
        if (!tools_.focusEditor()) tools_.focusMainWindow();
      };
    default: return {};
  }
}

void DainyuuForm::done(int result) {
  ToolDialog::done(result);
  if (!tools_.focusEditor()) tools_.focusMemo();
}

}  // namespace ravlo
