#include "tools/jouken_form.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "app/model/calc_state.h"
#include "tools/calc_proc_set_form.h"

namespace ravlo {
namespace {

constexpr Color kJoukenColor = 0x00FFFF;  // yellow
constexpr int kRow = 16;

using C = JoukenControl;

// The UTF-16 index of the n-th character (counted in characters) of s.
int utf16Index(const QString& s, int characters) {
  int i = 0;
  for (int n = 0; n < characters && i < s.size(); ++n) {
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
  }
  return i;
}

}  // namespace

JoukenForm::JoukenForm(CalcState& state, ToolHooks hooks, QWidget* mainWindow, QWidget* parent)
    : ToolDialog(parent, kJoukenCaption, kJoukenWidth, kJoukenHeight, kJoukenColor),
      state_(state),
      model_(state),
      hooks_(std::move(hooks)),
      mainWindow_(mainWindow) {
  setObjectName("JoukenForm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  build();
  load();
  previewKeys();
  placeBy(mainWindow_, kJoukenRightGap, kJoukenTopGap);
  if (hooks_.redrawSidePanel) hooks_.redrawSidePanel();
}

void JoukenForm::build() {
  auto on = [this](C c) { return [this, c](int v) { changed(c, v); }; };
  auto check = [&](C c, QWidget* parent, QRect at) {
    controls_[c] = makeCheckBox(parent, joukenSpec(c), at, on(c));
  };
  auto upDown = [&](C c, QWidget* parent, QRect at) {
    controls_[c] = makeUpDown(parent, joukenSpec(c), at, on(c));
  };

  QGroupBox* g1 = makeGroup(this, "GroupBox1", "◆読み上げの設定（SAPI 対応）◆", {2, 0, 219, 72});
  check(C::CheckBox1, g1, {4, 16, 70, kRow});
  check(C::CheckBox2, g1, {74, 16, 70, kRow});
  check(C::CheckBox3, g1, {144, 16, 72, kRow});
  makeLabel(g1, joukenSpec(C::SpRateBar).caption, {6, 36, 22, kRow});
  controls_[C::SpRateBar] =
      makeTrackBar(g1, joukenSpec(C::SpRateBar), "読み上げの速さ", {28, 33, 78, 22}, on(C::SpRateBar));
  makeLabel(g1, joukenSpec(C::SpVolBar).caption, {110, 36, 22, kRow});
  controls_[C::SpVolBar] =
      makeTrackBar(g1, joukenSpec(C::SpVolBar), "読み上げの大きさ", {132, 33, 82, 22}, on(C::SpVolBar));
  makeLabel(g1, joukenSpec(C::SpVolBar).after, {120, 55, 96, 14});

  QGroupBox* g2 = makeGroup(this, "GroupBox2", "◇画面表示の仕方◇", {2, 72, 219, 66});
  check(C::CheckBox4, g2, {4, 14, 98, kRow});
  check(C::CheckBox5, g2, {102, 14, 114, kRow});
  check(C::CheckBox6, g2, {4, 30, 98, kRow});
  check(C::CheckBox7, g2, {102, 30, 114, kRow});
  check(C::CheckBox8, g2, {4, 46, 98, kRow});

  controls_[C::RadioGroup1] =
      new RadioGroup(this, joukenSpec(C::RadioGroup1), {2, 140, 107, 66}, kRow, on(C::RadioGroup1));
  controls_[C::RadioGroup4] =
      new RadioGroup(this, joukenSpec(C::RadioGroup4), {110, 140, 111, 48}, kRow, on(C::RadioGroup4));
  check(C::SyoBCheckBox, this, {118, 190, 100, kRow});

  makeLabel(this, joukenSpec(C::UpDown1).caption, {4, 212, 62, kRow});
  upDown(C::UpDown1, this, {66, 210, 56, 20});
  makeLabel(this, joukenSpec(C::UpDown1).after, {125, 212, 30, kRow});

  makeLabel(this, joukenSpec(C::UpDown2).caption, {4, 234, 62, kRow});
  upDown(C::UpDown2, this, {66, 232, 56, 20});
  makeLabel(this, joukenSpec(C::UpDown2).after, {125, 234, 30, kRow});
  makeButton(this, "SpeedButton1", "編集Ｅ", {160, 232, 58, 20}, [this] { editGoals(); })
      ->setToolTip(QStringLiteral("『今週の目標』を編集する"));

  comboBox1_ = new QComboBox(this);
  comboBox1_->setObjectName("ComboBox1");
  comboBox1_->setAccessibleName(toQString(joukenSpec(C::ComboBox1).caption));
  comboBox1_->setEditable(false);
  comboBox1_->setGeometry(4, 254, 215, 20);
  connect(comboBox1_, &QComboBox::currentIndexChanged, this,
          [this](int i) { changed(C::ComboBox1, i); });
  controls_[C::ComboBox1] = comboBox1_;

  makeLabel(this, "◎円周率πの近似値", {4, 276, 112, kRow});
  makeLabel(this, "［代入￥]", {118, 276, 60, kRow});
  edit3_ = new QLineEdit(this);
  edit3_->setObjectName("Edit3");
  edit3_->setAccessibleName(QStringLiteral("◎円周率πの近似値"));
  edit3_->setToolTip(QStringLiteral("π=3.14･･･ の近似値を決定。画面に Shift＋￥ で貼り付ける"));
  edit3_->setGeometry(4, 294, 142, 20);
  connect(edit3_, &QLineEdit::textChanged, this, [this] { paiChanged(); });
  makeButton(this, "Button2", "▲19ケタ", {150, 294, 68, 20}, [this] { paiTo19Digits(); })
      ->setToolTip(QStringLiteral("π=3.14･･･ の近似値を19ｹﾀまで設定する"));

  QGroupBox* g3 = makeGroup(this, "GroupBox3", "◆計算画面のページ高・行送り", {2, 316, 219, 56});
  makeLabel(g3, "・ページ高(80-400％)", {6, 14, 124, kRow});
  makeLabel(g3, joukenSpec(C::UpDown4).caption, {134, 14, 82, kRow});
  makeLabel(g3, joukenSpec(C::UpDown3).caption, {6, 33, 86, kRow});
  upDown(C::UpDown3, g3, {94, 31, 50, 20});
  makeLabel(g3, joukenSpec(C::UpDown3).after, {146, 33, 22, kRow});
  upDown(C::UpDown4, g3, {170, 31, 44, 20});

  makeButton(this, "SpeedButton4", "フｫﾝﾄ&Ｆ", {4, 376, 70, 22}, [this] {
    if (hooks_.fontCommand) hooks_.fontCommand();
  });
  makeButton(this, "CalcProcButton", "詳細&Ａ", {78, 376, 70, 22}, [this] { openProcessSettings(); });
  makeButton(this, "SpeedButton2", "閉&C", {152, 376, 66, 22}, [this] { reject(); })
      ->setToolTip(QStringLiteral("or Esc"));

  edit3_->installEventFilter(this);
}

void JoukenForm::load() {
  for (C c : joukenControls()) {
    QWidget* w = controls_.at(c);
    const QSignalBlocker block(w);
    const int v = model_.value(c);
    switch (joukenSpec(c).kind) {
      case ControlKind::CheckBox: static_cast<QCheckBox*>(w)->setChecked(v != 0); break;
      case ControlKind::TrackBar: static_cast<QSlider*>(w)->setValue(v); break;
      case ControlKind::UpDown: static_cast<QSpinBox*>(w)->setValue(v); break;
      case ControlKind::RadioGroup: static_cast<RadioGroup*>(w)->setItemIndex(v); break;
      case ControlKind::ComboBox: fillGoals(); break;
    }
  }
  restoring_ = true;
  edit3_->setText(QString::fromStdString(state_.PaiStr));
  restoring_ = false;
  paiBefore_ = edit3_->text();
}

void JoukenForm::changed(C c, int value) { applyEffects(model_.change(c, value), state_, hooks_); }

void JoukenForm::fillGoals() {
  const QSignalBlocker block(comboBox1_);
  comboBox1_->clear();
  for (const std::string& goal : model_.goals()) comboBox1_->addItem(QString::fromStdString(goal));
  comboBox1_->setCurrentIndex(model_.value(C::ComboBox1));
}

void JoukenForm::openProcessSettings() { runCalcProcSetForm(state_, hooks_, mainWindow_, this); }

void JoukenForm::editGoals() {
  if (hooks_.goalEditorOpen && hooks_.goalEditorOpen()) return;
  if (!hooks_.editGoals) {
    if (hooks_.notAvailable) hooks_.notAvailable(kGoalEditorFeature);
    return;
  }
  const std::optional<std::vector<std::string>> lines = hooks_.editGoals(model_.goals());
  if (!lines) return;
  const ToolEffects effects = model_.replaceGoals(*lines);
  fillGoals();
  comboBox1_->setFocus();
  applyEffects(effects, state_, hooks_);
}

void JoukenForm::paiTo19Digits() { edit3_->setText(toQString(kPai19Digits)); }

void JoukenForm::paiChanged() {
  if (restoring_) return;
  const QString text = edit3_->text();
  const PaiCheck r = model_.checkPai(text.toStdString(), paiBefore_.toStdString());
  if (r.tooLong) {
    restoring_ = true;
    edit3_->setText(paiBefore_);
    restoring_ = false;
    return;
  }
  paiBefore_ = text;
}

void JoukenForm::paiLeft() {
  if (closed_ || !isVisible()) return;
  const PaiCheck r = model_.checkPai(edit3_->text().toStdString(), paiBefore_.toStdString());
  if (r.ok) return;
  edit3_->setFocus(Qt::OtherFocusReason);
  selectOffending(r.position);
}

void JoukenForm::selectOffending(int position) {
  const QString text = edit3_->text();
  const int from = utf16Index(text, position);
  const int to = utf16Index(text, position + 1);
  edit3_->setSelection(from, to - from);
}

std::function<void()> JoukenForm::keyAction(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier) {
    return [this] { reject(); };
  }
  if (isAltKey(event, Qt::Key_A)) return [this] { openProcessSettings(); };
  if (isAltKey(event, Qt::Key_C)) return [this] { reject(); };
  if (isAltKey(event, Qt::Key_E)) return [this] { editGoals(); };
  if (isAltKey(event, Qt::Key_F)) {
    return [this] {
      if (hooks_.fontCommand) hooks_.fontCommand();
    };
  }
  return {};
}

bool JoukenForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit3_) {
    if (event->type() == QEvent::FocusOut) {
      switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
          // After the focus has settled: the check may open a box and take the focus back.
          QTimer::singleShot(0, this, [this] { paiLeft(); });
          break;
        default:  // a box or popup of our own, or the window going away
          break;
      }
    } else if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
          !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        paiLeft();
        return true;
      }
    }
  }
  return ToolDialog::eventFilter(watched, event);
}

void JoukenForm::done(int result) {
  if (!closed_) {
    closed_ = true;
    model_.close(edit3_->text().toStdString());
  }
  ToolDialog::done(result);
}

void runJoukenForm(CalcState& state, const ToolHooks& hooks, QWidget* mainWindow) {
  JoukenForm dialog(state, hooks, mainWindow, mainWindow);
  dialog.exec();
}

}  // namespace ravlo
