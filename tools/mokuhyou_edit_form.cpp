#include "tools/mokuhyou_edit_form.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QTextCursor>
#include <algorithm>
#include <cmath>

#include "app/model/calc_settings.h"
#include "core/message_sink.h"
#include "render/qt/qt_canvas.h"
#include "tools/form_widgets.h"

namespace ravlo {
namespace {

constexpr Color kGoalEditColor = 0xC0DCC0;
constexpr Color kCream = 0xF0FBFF;

FontSpec goalFont(const CalcSettings& s) {
  return FontSpec{s.MOKUHYOU_FONTNAME, s.MOKUHYOU_FONTSIZE, true};
}

void setGoalFont(CalcSettings& s, const QFont& f, const QWidget* near) {
  const std::string family = f.family().toStdString();
  if (!family.empty()) s.MOKUHYOU_FONTNAME = family;
  int points = f.pointSize();
  if (points <= 0 && f.pixelSize() > 0) {
    const QScreen* screen = near ? near->screen() : nullptr;
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    points = static_cast<int>(std::lround(f.pixelSize() * 72.0 / dpi));
  }
  if (points > 0) s.MOKUHYOU_FONTSIZE = std::clamp(points, kFontSizeMin, kFontSizeMax);
}

}  // namespace

MokuhyouEditForm::MokuhyouEditForm(const std::vector<std::string>& goals, CalcSettings& settings,
                                   MessageSink& sink, std::function<void()> redrawSidePanel,
                                   QWidget* parent)
    : ToolDialog(parent, kGoalEditCaption, kGoalEditWidth, kGoalEditHeight, kGoalEditColor),
      settings_(settings),
      sink_(sink),
      redrawSidePanel_(std::move(redrawSidePanel)),
      model_(goals) {
  setObjectName("MokuhyouEditForm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setAccessibleName(QStringLiteral("今週の目標"));
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette pal = memo_->palette();
  pal.setColor(QPalette::Base, toQColor(kCream));
  memo_->setPalette(pal);
  memo_->setGeometry(6, 6, kGoalEditWidth - 12, kGoalEditHeight - 44);
  memo_->setPlainText(QString::fromStdString(model_.text()));
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] { textChanged(); });

  const int y = kGoalEditHeight - 32;
  makeButton(this, "OkButton", "決定&D", {6, y, 90, 26}, [this] { confirm(); });
  makeButton(this, "CancelButton", "中止&C", {104, y, 90, 26}, [this] { cancel(); });
  makeButton(this, "FontButton", "ﾌｫﾝﾄ&F", {202, y, 92, 26}, [this] { fontDialog(); });
  previewKeys();
  // Beside the settings dialog, clear of it and of the input panel at the right.
  if (parent) {
    const QRect owner = parent->frameGeometry();
    QPoint at(owner.left() - kGoalEditWidth - 16, owner.top());
    if (const QScreen* s = parent->screen()) {
      const QRect avail = s->availableGeometry();
      at.setX(std::max(at.x(), avail.left()));
      at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() - kGoalEditHeight)));
    }
    move(at);
  }
}

QPushButton* MokuhyouEditForm::button(const char* name) const {
  return findChild<QPushButton*>(QString::fromLatin1(name));
}

void MokuhyouEditForm::textChanged() {
  if (restoring_) return;
  const QString now = memo_->toPlainText();
  if (model_.change(now.toStdString())) return;
  // Back to the last accepted text, the cursor where it can stay.
  const int position = memo_->textCursor().position();
  restoring_ = true;
  memo_->setPlainText(QString::fromStdString(model_.text()));
  QTextCursor c = memo_->textCursor();
  c.setPosition(std::min(position, static_cast<int>(memo_->document()->characterCount()) - 1));
  memo_->setTextCursor(c);
  restoring_ = false;
  sink_.box(kGoalLimitCaption, kGoalLimitText, BoxButtons::Ok, BoxIcon::Warning);
}

void MokuhyouEditForm::confirm() {
  ok_ = true;
  accept();
}

void MokuhyouEditForm::cancel() {
  ok_ = false;
  reject();
}

void MokuhyouEditForm::fontDialog() {
  const std::string beforeName = settings_.MOKUHYOU_FONTNAME;
  const int beforeSize = settings_.MOKUHYOU_FONTSIZE;
  const QFont before = toQFont(goalFont(settings_));
  QFont shown = before;
  // The dialog lists installed faces: show the face a substituted name stands for.
  shown.setFamily(QFontInfo(before).family());
  QFontDialog dialog(shown, this);
  dialog.setObjectName("GoalFontDialog");
  dialog.setAccessibleName(QStringLiteral("目標のフォント"));
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  // Apply: the side panel follows the choice while the dialog is open.
  connect(&dialog, &QFontDialog::currentFontChanged, this, [this](const QFont& f) {
    setGoalFont(settings_, f, this);
    if (redrawSidePanel_) redrawSidePanel_();
  });
  if (dialog.exec() == QDialog::Accepted) {
    setGoalFont(settings_, dialog.selectedFont(), this);
  } else {
    settings_.MOKUHYOU_FONTNAME = beforeName;
    settings_.MOKUHYOU_FONTSIZE = beforeSize;
  }
  if (redrawSidePanel_) redrawSidePanel_();
}

std::function<void()> MokuhyouEditForm::keyAction(const QKeyEvent& event) {
  if (isAltKey(event, Qt::Key_D)) return [this] { confirm(); };
  if (isAltKey(event, Qt::Key_C)) return [this] { cancel(); };
  if (isAltKey(event, Qt::Key_F) || isAltKey(event, Qt::Key_E)) return [this] { fontDialog(); };
  return {};
}

std::optional<std::vector<std::string>> runMokuhyouEditForm(
    const std::vector<std::string>& goals, CalcSettings& settings, MessageSink& sink,
    std::function<void()> redrawSidePanel, QWidget* parent) {
  MokuhyouEditForm form(goals, settings, sink, std::move(redrawSidePanel), parent);
  form.exec();
  if (!form.confirmed()) return std::nullopt;
  return form.lines();
}

}  // namespace ravlo
