#pragma once
// The narrow panel at the right edge of the calculation screen: today's date top to bottom
// and the current weekly goal written vertically.
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace ravlo {

struct CalcSettings;

inline constexpr int kSidePanelWidth = 32;
inline constexpr int kGoalLabelTop = 180;

// Label4: the goal text, drawn vertically in the goal font.
class GoalLabel final : public QWidget {
  Q_OBJECT

 public:
  GoalLabel(const CalcSettings& settings, QWidget* parent);
  // The goal shown: MOKUHYOU[DSPBANGOU] when that goal exists, else nothing.
  QString goalText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const CalcSettings& settings_;
};

class SidePanel final : public QFrame {
  Q_OBJECT

 public:
  SidePanel(const CalcSettings& settings, QWidget* parent);

  // DateDsp: the date labels for the given day (today when invalid).
  void DateDsp(QDate date = QDate());
  // GoalDsp: the goal label draws itself again.
  void GoalDsp();
  // Puts the panel at the right edge: left, top, height; the goal label follows.
  void place(int left, int top, int height);

  QLabel* monthLabel() const { return label6_; }
  QLabel* dayLabel() const { return label7_; }
  QLabel* weekdayLabel() const { return label3_; }
  GoalLabel* goalLabel() const { return label4_; }

 private:
  QLabel* makeLabel(const QString& objectName, int top, int height);

  const CalcSettings& settings_;
  QLabel* label6_ = nullptr;  // month
  QLabel* label1_ = nullptr;  // "月"
  QLabel* label7_ = nullptr;  // day
  QLabel* label2_ = nullptr;  // "日"
  QLabel* label3_ = nullptr;  // weekday
  QLabel* label5_ = nullptr;  // "◎今週の目標"
  GoalLabel* label4_ = nullptr;
};

}  // namespace ravlo
