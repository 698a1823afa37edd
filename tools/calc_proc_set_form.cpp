#include "tools/calc_proc_set_form.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/model/calc_state.h"

namespace ravlo {
namespace {

constexpr Color kMoneyGreen = 0xC0DCC0;
constexpr Color kYellow = 0x00FFFF;
constexpr int kRow = 16;

using C = CalcProcControl;

}  // namespace

CalcProcSetForm::CalcProcSetForm(CalcState& state, ToolHooks hooks, QWidget* mainWindow,
                                 QWidget* parent)
    : ToolDialog(parent, kCalcProcSetCaption, kCalcProcSetWidth, kCalcProcSetHeight, kMoneyGreen),
      state_(state),
      model_(state),
      hooks_(std::move(hooks)) {
  setObjectName("CalcProcSetForm");
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  model_.open();
  build();
  load();
  previewKeys();
  placeBy(mainWindow, kCalcProcSetRightGap, kCalcProcSetTopGap);
}

void CalcProcSetForm::build() {
  auto on = [this](C c) { return [this, c](int v) { changed(c, v); }; };
  auto check = [&](C c, QWidget* parent, QRect at) {
    controls_[c] = makeCheckBox(parent, calcProcSpec(c), at, on(c));
  };
  auto radios = [&](C c, QWidget* parent, QRect at) {
    controls_[c] = new RadioGroup(parent, calcProcSpec(c), at, kRow, on(c));
  };

  QGroupBox* g1 = makeGroup(this, "GroupBox1", "◆計算式の詳細設定◆", {4, 2, 192, 98});
  g1->setAutoFillBackground(true);
  QPalette yellow = g1->palette();
  yellow.setColor(QPalette::Window, QColor(255, 255, 0));
  g1->setPalette(yellow);
  check(C::AdvCheckBox, g1, {8, 16, 178, kRow});
  radios(C::RadioGroup2, g1, {6, 34, 88, 58});
  radios(C::RadioGroup1, g1, {98, 34, 88, 58});

  QGroupBox* g2 = makeGroup(this, "GroupBox2", "▼その他いろいろな計算の設定▼", {4, 102, 192, 192});
  check(C::CheckBox1, g2, {8, 16, 180, kRow});
  check(C::CheckBox2, g2, {8, 32, 180, kRow});
  radios(C::RadioGroup3, g2, {6, 50, 180, 82});
  check(C::RetKeyChkBox, g2, {8, 134, 180, kRow});
  check(C::CheckBox3, g2, {8, 150, 180, kRow});
  const ControlSpec& places = calcProcSpec(C::UpDown1);
  makeLabel(g2, places.caption, {12, 170, 72, kRow});
  QSpinBox* upDown = makeUpDown(g2, places, {84, 168, 36, 20}, on(C::UpDown1));
  upDown->setMaximum(model_.placesMax());
  controls_[C::UpDown1] = upDown;
  makeLabel(g2, places.after, {120, 170, 68, kRow});

  makeButton(this, "CloseButton", "閉じる C", {100, 297, 96, 22}, [this] { reject(); });
}

void CalcProcSetForm::load() {
  for (C c : calcProcControls()) {
    QWidget* w = controls_.at(c);
    const QSignalBlocker block(w);
    const int v = model_.value(c);
    switch (calcProcSpec(c).kind) {
      case ControlKind::CheckBox: static_cast<QCheckBox*>(w)->setChecked(v != 0); break;
      case ControlKind::UpDown: static_cast<QSpinBox*>(w)->setValue(v); break;
      case ControlKind::RadioGroup: static_cast<RadioGroup*>(w)->setItemIndex(v); break;
      case ControlKind::TrackBar:
      case ControlKind::ComboBox: break;
    }
  }
  controls_.at(C::UpDown1)->setEnabled(model_.wariPntEnabled());
}

void CalcProcSetForm::changed(C c, int value) {
  const ToolEffects effects = model_.change(c, value);
  if (c == C::CheckBox3) controls_.at(C::UpDown1)->setEnabled(model_.wariPntEnabled());
  applyEffects(effects, state_, hooks_);
}

std::function<void()> CalcProcSetForm::keyAction(const QKeyEvent& event) {
  if (isAltKey(event, Qt::Key_C)) return [this] { reject(); };
  return {};
}

void runCalcProcSetForm(CalcState& state, const ToolHooks& hooks, QWidget* mainWindow,
                        QWidget* parent) {
  CalcProcSetForm dialog(state, hooks, mainWindow, parent);
  dialog.exec();
}

}  // namespace ravlo
