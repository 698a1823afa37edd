#pragma once
// The calculation screen (計算画面): the painted surface of the main window. It keeps no
// picture; every paint draws the calculation state again.
#include <QWidget>
#include <functional>

namespace ravlo {

class CalcState;
struct CalcSettings;

class CalcScreen final : public QWidget {
  Q_OBJECT

 public:
  CalcScreen(CalcState& state, const CalcSettings& settings, QWidget* parent);

  // The blinking cursor block is drawn with the next paint.
  bool cursorShown = true;

  // Wheel: -1 up, +1 down.
  std::function<void(int)> onWheel;
  std::function<void()> onResize;
  std::function<void()> onPainted;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Tab is a key of the calculation like any other.
  bool focusNextPrevChild(bool next) override;

 private:
  CalcState& state_;
  const CalcSettings& settings_;
};

}  // namespace ravlo
