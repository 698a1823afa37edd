#include "tools/se_memo_form.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/model/calc_state.h"
#include "tools/dainyuu_form.h"
#include "tools/form_widgets.h"
#include "tools/siki_edit_form.h"

namespace ravlo {
namespace {

constexpr Color kMemoColor = 0xFFE0C0;  // light blue
constexpr int kWidth = 480;
constexpr int kHeight = 84;
constexpr int kButtonH = 22;

}  // namespace

SEMemoForm::SEMemoForm(ToolWindows& tools)
    : ToolDialog(nullptr, kMemoCaption, kWidth, kHeight, kMemoColor),
      tools_(tools),
      memo_(tools.state().settings(), tools.state().sink(), tools.session()) {
  setObjectName("SEMemoForm");
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);

  list_ = new QComboBox(this);
  list_->setObjectName("MemoList");
  list_->setAccessibleName(QStringLiteral("式メモの一覧"));
  list_->setEditable(false);
  list_->setMaxVisibleItems(kMemoRowsShown);
  list_->setGeometry(4, 4, 472, 22);
  connect(list_, &QComboBox::currentIndexChanged, this, [this](int i) { memo_.select(i); });

  struct Spec {
    const char* name;
    const char* caption;
    const char* hint;
    QRect at;
    void (SEMemoForm::*run)();
  };
  const Spec specs[] = {
      {"FromEditorButton", "From式ｴﾃﾞｨﾀ▼ &G", "ｴﾃﾞｨﾀ上の式をﾒﾓに追加", {4, 32, 118, kButtonH}, &SEMemoForm::fromEditor},
      {"ToEditorButton", "To式ｴﾃﾞｨﾀ &A", "選択式を､式ｴﾃﾞｨﾀにｺﾋﾟｰする", {126, 32, 104, kButtonH}, &SEMemoForm::toEditor},
      {"ToBoxButton", "To代入&Box", "選択式を 値代入Boxに転記", {234, 32, 92, kButtonH}, &SEMemoForm::toBox},
      {"LookButton", "&Look", "式を分数の形でちょっと拝見！", {330, 32, 60, kButtonH}, &SEMemoForm::look},
      {"DeleteButton", "選択式削除 &D", "選択式を削除する", {4, 58, 104, kButtonH}, &SEMemoForm::deleteSelected},
      {"DeleteAllButton", "全削除 &Z", "メモにある式を全部削除する", {112, 58, 80, kButtonH}, &SEMemoForm::deleteAll},
  };
  for (const Spec& s : specs) {
    makeButton(this, s.name, s.caption, s.at, [this, run = s.run] { (this->*run)(); })
        ->setToolTip(QString::fromUtf8(s.hint));
  }
  makeButton(this, "EndButton", "終了 &C", {196, 58, 64, kButtonH}, [this] { close(); });
  findChild<QPushButton*>("LookButton")->setAccessibleName(QStringLiteral("分数の形で見る"));

  fillList();
  previewKeys();
  moveOnScreen(tools_.memoPlace(), tools_.mainWindow());
}

void SEMemoForm::fillList() {
  const QSignalBlocker block(list_);
  list_->clear();
  for (const std::string& entry : memo_.entries()) list_->addItem(toQString(entry));
  list_->setCurrentIndex(memo_.selected());
}

bool SEMemoForm::MemoAdd(std::string_view text) {
  const bool added = memo_.MemoAdd(text);
  fillList();
  return added;
}

void SEMemoForm::fromEditor() {
  if (SikiEditForm* editor = tools_.editor()) {
    MemoAdd(editor->text());
    return;
  }
  tools_.openEditor(EditorOpener::Memo);
}

void SEMemoForm::toEditor() {
  const std::string text = memo_.selectedText();
  if (text.empty()) return;
  if (SikiEditForm* editor = tools_.editor()) {
    editor->putText(text);
    return;
  }
  tools_.openEditor(EditorOpener::Memo, text);
}

void SEMemoForm::toBox() {
  const std::string text = memo_.selectedText();
  if (text.empty()) return;
  if (DainyuuForm* box = tools_.openBox()) box->putExpression(text);
}

void SEMemoForm::look() { memo_.look(); }

void SEMemoForm::deleteSelected() {
  if (memo_.deleteSelected()) fillList();
}

void SEMemoForm::deleteAll() {
  if (memo_.deleteAll()) fillList();
}

std::function<void()> SEMemoForm::keyAction(const QKeyEvent& event) {
  const int key = toolKeyCode(event);
  const KeyMods mods = toolKeyMods(event);
  const bool plain = !mods.shift && !mods.ctrl && !mods.alt;
  if (key == vk::F8 && plain) {
    return [this] {
      if (!tools_.focusBox()) tools_.focusEditor();
    };
  }
  if (key == vk::F7 && plain) {
    return [this] {
      if (!tools_.focusEditor()) tools_.focusMainWindow();
    };
  }
  if (key == vk::Slash && mods.alt && !mods.ctrl) {
    return [this] {
      list_->setFocus(Qt::ShortcutFocusReason);
      list_->showPopup();
    };
  }
  return {};
}

void SEMemoForm::done(int result) {
  if (!closed_) {
    closed_ = true;
    memo_.close();
  }
  ToolDialog::done(result);
  if (!tools_.focusEditor()) tools_.focusBox();
}

}  // namespace ravlo
