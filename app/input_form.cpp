#include "app/input_form.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

#include "app/key_translate.h"
#include "app/model/calc_state.h"
#include "render/qt/qt_canvas.h"

namespace ravlo {
namespace {

constexpr Color kFormColor = 0x008000;   // clGreen
constexpr Color kInnerColor = 0x00FF00;  // clLime

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

InputForm::InputForm(CalcState& state, QWidget* owner, std::function<void()> afterInput)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint), state_(state),
      afterInput_(std::move(afterInput)) {
  setObjectName(toQString(kInputFormName));
  setWindowTitle(toQString(kInputPanelCaption));
  setAccessibleName(toQString(kInputPanelCaption));
  setFixedSize(kInputFormWidth, kInputFormHeight);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, toQColor(kFormColor));
  setPalette(pal);

  auto* inner = new QFrame(this);
  inner->setObjectName("Panel1");
  inner->setAccessibleName(QStringLiteral("数式ボタン"));
  inner->setGeometry(2, 2, kInputFormWidth - 4, 230);
  inner->setAutoFillBackground(true);
  QPalette innerPal = inner->palette();
  innerPal.setColor(QPalette::Window, toQColor(kInnerColor));
  inner->setPalette(innerPal);
  inner->lower();

  for (int top : {24, 176}) {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(4, top, kInputFormWidth - 8, 3);
    line->setAccessibleName(QStringLiteral("区切り"));
  }

  for (const InputButtonSpec& button : inputButtonSpecs()) {
    auto* b = new QPushButton(toQString(button.caption), this);
    b->setObjectName(toQString(button.name));
    b->setAccessibleName(toQString(inputButtonAccessibleName(button)));
    b->setGeometry(button.left, button.top, button.width, button.height);
    b->setFocusPolicy(Qt::NoFocus);  // the keys stay with the calculation screen
    QFont f(button.proportional ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("ＭＳ ゴシック"));
    f.setBold(true);
    f.setPixelSize(button.proportional || button.caption.size() > 3 ? 11 : 13);
    b->setFont(f);
    QPalette bp = b->palette();
    bp.setColor(QPalette::ButtonText, toQColor(button.color));
    // A disabled 帯T, 仮K or 小S must look it.
    bp.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 160, 160));
    b->setPalette(bp);
    b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
    connect(b, &QPushButton::clicked, this, [this, &button] { press(button); });
    buttons_.push_back(b);
  }
}

QAbstractButton* InputForm::button(std::string_view name) const {
  const QString wanted = toQString(name);
  for (QAbstractButton* b : buttons_) {
    if (b->objectName() == wanted) return b;
  }
  return nullptr;
}

void InputForm::setAnswerButtons(bool taiEnabled, bool kaEnabled, bool syouEnabled) {
  if (auto* b = button("Button19")) b->setEnabled(taiEnabled);
  if (auto* b = button("Button18")) b->setEnabled(kaEnabled);
  if (auto* b = button("toSyousuuButton")) b->setEnabled(syouEnabled);
}

void InputForm::press(const InputButtonSpec& button) {
  if (button.tokens.empty()) {
    state_.runCommand(button.command);
  } else {
    state_.JiInputText(button.tokens);
  }
  if (afterInput_) afterInput_();
}

void InputForm::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key = translateKey(*event);
  if (key.key == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  state_.InpKeySyori(key.key, key.mods);
  const KeyAction alt = InputPanelAltKeyAction(key.key, key.mods);
  if (alt.kind == KeyActionKind::Command && onPanelCommand) onPanelCommand(alt.command);
  if (afterInput_) afterInput_();
}

void InputForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (onVisibilityChanged) onVisibilityChanged();
}

void InputForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (onVisibilityChanged) onVisibilityChanged();
}

void InputForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && onVisibilityChanged) onVisibilityChanged();
}

}  // namespace ravlo
