#include "tools/const_set_form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "tools/const_box.h"
#include "tools/form_widgets.h"

namespace ravlo {
namespace {

constexpr Color kConstSetColor = 0xD0FFFF;  // pale yellow

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* makeEdit(QWidget* parent, const char* objectName, std::string_view accessibleName,
                    int maxLength, const QRect& at) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(objectName));
  e->setAccessibleName(toQString(accessibleName));
  e->setMaxLength(maxLength);
  e->setGeometry(at);
  return e;
}

}  // namespace

ConstSetForm::ConstSetForm(ConstBox& box, QWidget* parent)
    : ToolDialog(parent, kConstSetCaption, kConstSetWidth, kConstSetHeight, kConstSetColor),
      box_(box) {
  setObjectName("ConstSetForm");
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(false);
  build();
  previewKeys();
}

void ConstSetForm::build() {
  makeLabel(this, "●数値(Max１８ｹﾀ)入力", {6, 5, 140, 16});
  makeLabel(this, "有効", {176, 5, 28, 16});
  digits_ = new QSpinBox(this);
  digits_->setObjectName("TeisuuDigits");
  digits_->setAccessibleName(QStringLiteral("有効桁数"));
  digits_->setRange(kTeisuuDigitsMin, kTeisuuDigitsMax);
  digits_->setGeometry(204, 2, 46, 20);
  makeLabel(this, "桁", {254, 5, 18, 16});
  connect(digits_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!refreshing_) box_.model().digits = v;
  });

  input_ = makeEdit(this, "InputEdit", "●数値(Max１８ｹﾀ)入力", static_cast<int>(kTeisuuInputMax),
                    {6, 24, 266, 22});
  connect(input_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (!refreshing_) box_.model().input = t.toStdString();
  });

  auto button = [this](const char* name, std::string_view caption, std::string_view hint,
                       QRect at, std::function<void()> run) {
    QPushButton* b = makeButton(this, name, caption, at, std::move(run));
    if (!hint.empty()) b->setToolTip(toQString(hint));
    buttons_.emplace(name, b);
  };
  button("AddButton", "追加 &A", "ｺﾝﾎﾞﾎﾞｯｸｽに保存します。", {6, 50, 60, 22}, [this] { box_.add(); });
  button("InsertButton", "挿入 &I", "選択されている値or式をｶｰｿﾙ位置に挿入します。", {70, 50, 60, 22},
         [this] { box_.insertSelected(); });
  button("PasteButton", "貼 &P", "入力ｴﾃﾞｲﾀの数値を貼り付ける", {134, 50, 44, 22},
         [this] { box_.paste(); });
  button("BackButton", "戻 &M", "下欄の選択された数を、入力欄にｺﾋﾟｰする", {182, 50, 44, 22},
         [this] { box_.takeSelected(); });
  button("ClearButton", "消 &Q", "テキストをクリアーする", {228, 50, 44, 22},
         [this] { box_.clearInput(); });

  nameLabel_ = makeLabel(this, "◇値名：##", {6, 80, 62, 16});
  nameLabel_->setObjectName("NameLabel");
  nameLabel_->setCursor(Qt::PointingHandCursor);
  nameLabel_->installEventFilter(this);
  name_ = makeEdit(this, "NameEdit", "◇値名", static_cast<int>(kTeisuuNameMax), {70, 77, 88, 22});
  connect(name_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (!refreshing_) box_.model().name = t.toStdString();
  });
  makeLabel(this, "(Max10字)", {160, 80, 66, 16});
  button("RestoreButton", "復 &B", "入力ｴﾃﾞｲﾀの内容を直前に戻す", {228, 77, 44, 22},
         [this] { box_.restoreInput(); });

  list_ = new QComboBox(this);
  list_->setObjectName("TeisuuList");
  list_->setAccessibleName(QStringLiteral("定数の一覧"));
  list_->setEditable(false);
  list_->setGeometry(6, 104, 266, 22);
  connect(list_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!refreshing_) box_.model().selected = i;
  });

  button("DeleteButton", "選数削 &Y", "選択した定数を削除する", {6, 132, 76, 22},
         [this] { box_.deleteSelected(); });
  button("DeleteAllButton", "全数削 &Z", "全定数を削除する", {86, 132, 76, 22},
         [this] { box_.deleteAll(); });
  button("CloseButton", "閉 &C", "", {208, 132, 64, 22}, [this] { box_.close(); });
}

QPushButton* ConstSetForm::button(std::string_view name) const {
  const auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

void ConstSetForm::refresh() {
  refreshing_ = true;
  const ConstSetModel& m = box_.model();
  if (input_->text().toStdString() != m.input) input_->setText(fromStd(m.input));
  if (name_->text().toStdString() != m.name) name_->setText(fromStd(m.name));
  digits_->setValue(m.digits);
  {
    const QSignalBlocker block(list_);
    list_->clear();
    for (std::size_t i = 0; i < m.entries().size(); ++i) list_->addItem(fromStd(m.entryText(i)));
    list_->setCurrentIndex(m.selected);
  }
  refreshing_ = false;
}

std::function<void()> ConstSetForm::keyAction(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (event.key() == Qt::Key_F7 && mods == Qt::NoModifier) return [this] { box_.focusOwnerWindow(); };
  if (event.key() == Qt::Key_E && mods == Qt::ControlModifier) return [this] { box_.editorKey(); };
  if (!(mods & Qt::AltModifier) || (mods & Qt::ControlModifier)) return {};
  switch (event.key()) {
    case Qt::Key_Slash: return [this] { list_->showPopup(); };
    case Qt::Key_A: return [this] { box_.add(); };
    case Qt::Key_I: return [this] { box_.insertSelected(); };
    case Qt::Key_P: return [this] { box_.paste(); };
    case Qt::Key_M: return [this] { box_.takeSelected(); };
    case Qt::Key_Q: return [this] { box_.clearInput(); };
    case Qt::Key_B: return [this] { box_.restoreInput(); };
    case Qt::Key_Y: return [this] { box_.deleteSelected(); };
    case Qt::Key_Z: return [this] { box_.deleteAll(); };
    case Qt::Key_C: return [this] { box_.close(); };
    default: break;
  }
  if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
    if (auto f = realFuncByAltKey(static_cast<char>(event.key()))) {
      return [this, f = *f] { box_.calculate(f); };
    }
  }
  return {};
}

bool ConstSetForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == nameLabel_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    box_.copyInputToName();
    return true;
  }
  return ToolDialog::eventFilter(watched, event);
}

void ConstSetForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (box_.isOpen()) box_.close();
}

void ConstSetForm::reject() { box_.close(); }

}  // namespace ravlo
