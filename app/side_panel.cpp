#include "app/side_panel.h"

#include <QPainter>
#include <algorithm>

#include "app/model/calc_settings.h"
#include "app/model/calc_state.h"
#include "render/date_labels.h"
#include "render/qt/qt_canvas.h"
#include "render/tategaki.h"

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString colorStyle(Color c) { return QStringLiteral("color: %1;").arg(toQColor(c).name()); }

}  // namespace

GoalLabel::GoalLabel(const CalcSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
  setObjectName("Label4");
  setAccessibleName(QStringLiteral("今週の目標"));
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QString GoalLabel::goalText() const {
  const int i = settings_.DSPBANGOU;
  const int count = std::min(settings_.MOKUHYOU_SOUSUU, kMaxGoals);
  if (i < 0 || i >= count) return {};
  return toQString(settings_.MOKUHYOU[static_cast<std::size_t>(i)]);
}

void GoalLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QtCanvas c(p);
  c.setBrushColor(kBackColor);
  c.setFont(FontSpec{settings_.MOKUHYOU_FONTNAME, settings_.MOKUHYOU_FONTSIZE, true});
  c.setTextColor(static_cast<Color>(settings_.FONTCOLOR) & 0xFFFFFFu);
  const std::string text = goalText().toStdString();
  TategakiDraw(c, 13, 0, text, 1, settings_.JIOKURI);
}

SidePanel::SidePanel(const CalcSettings& settings, QWidget* parent)
    : QFrame(parent), settings_(settings) {
  setObjectName("Panel1");
  setAccessibleName(QStringLiteral("日付と今週の目標"));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, toQColor(kBackColor));
  setPalette(pal);
  setFixedWidth(kSidePanelWidth);

  label6_ = makeLabel("Label6", 8, 18);
  label1_ = makeLabel("Label1", 26, 18);
  label1_->setText(QStringLiteral("月"));
  label7_ = makeLabel("Label7", 44, 18);
  label2_ = makeLabel("Label2", 64, 18);
  label2_->setText(QStringLiteral("日"));
  label3_ = makeLabel("Label3", 86, 18);
  label5_ = makeLabel("Label5", 110, 66);
  // Word-wrapped in a narrow width, so it stands one character per row.
  label5_->setText(QStringLiteral("◎\n今\n週\nの\n目\n標"));
  label5_->setAccessibleName(QStringLiteral("◎今週の目標"));
  QFont small = label5_->font();
  small.setPixelSize(10);
  label5_->setFont(small);
  label1_->setAccessibleName(QStringLiteral("月"));
  label2_->setAccessibleName(QStringLiteral("日"));
  for (QLabel* l : {label6_, label7_}) l->setStyleSheet(colorStyle(kDateColor));

  label4_ = new GoalLabel(settings_, this);
  label4_->setGeometry(4, kGoalLabelTop, 24, 100);
  DateDsp();
}

QLabel* SidePanel::makeLabel(const QString& objectName, int top, int height) {
  auto* l = new QLabel(this);
  l->setObjectName(objectName);
  l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  l->setGeometry(0, top, kSidePanelWidth, height);
  QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
  f.setPixelSize(12);
  l->setFont(f);
  return l;
}

void SidePanel::DateDsp(QDate date) {
  if (!date.isValid()) date = QDate::currentDate();
  // Qt counts Monday 1 … Sunday 7; the table counts Sunday 0 … Saturday 6.
  const int weekday = date.dayOfWeek() % 7;
  const DateLabels labels = dateLabels(date.month(), date.day(), weekday);
  label6_->setText(toQString(labels.month));
  label6_->setAccessibleName(toQString(labels.month) + QStringLiteral("月"));
  label7_->setText(toQString(labels.day));
  label7_->setAccessibleName(toQString(labels.day) + QStringLiteral("日"));
  label3_->setText(toQString(labels.weekday));
  label3_->setAccessibleName(toQString(labels.weekday));
  label3_->setStyleSheet(colorStyle(labels.weekdayColor));
}

void SidePanel::GoalDsp() {
  label4_->setAccessibleDescription(label4_->goalText());
  label4_->update();
}

void SidePanel::place(int left, int top, int height) {
  setGeometry(left, top, kSidePanelWidth, std::max(height, 0));
  label4_->setGeometry(4, kGoalLabelTop, 24, std::max(height - kGoalLabelTop, 0));
}

}  // namespace ravlo
