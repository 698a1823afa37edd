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
  // How far the picture is scrolled to the left, for lines wider than the screen.
  int scrollX = 0;
  // The right edge of what the last paint drew, in the picture's own coordinates.
  int contentRight() const { return contentRight_; }
  // Repaints a rectangle given in the picture's coordinates.
  void updatePicture(const QRect& r);

  // Wheel notches (an angle of 120 each): down and right are positive. Shift turns the
  // wheel sideways.
  std::function<void(int down, int right)> onWheel;
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
  int contentRight_ = 0;
  QPoint wheelAngle_;  // what is left over from touchpads' fractions of a notch
};

}  // namespace ravlo
