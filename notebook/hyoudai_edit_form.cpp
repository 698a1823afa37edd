#include "notebook/hyoudai_edit_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "notebook/model/hyoudai_input.h"
#include "notebook/note_context.h"
#include "notebook/note_font_dialog.h"
#include "notebook/note_form.h"

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const char* hint) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setAccessibleName(QString::fromUtf8(caption).remove(QLatin1Char('&')));
  b->setToolTip(QString::fromUtf8(hint));
  b->setAccessibleDescription(b->toolTip());
  b->setAutoDefault(false);
  return b;
}

}  // namespace

HyoudaiEditForm::HyoudaiEditForm(NotebookContext& ctx, NoteForm& form)
    : QDialog(&form), ctx_(ctx), form_(form) {
  setObjectName("HyoudaiEditForm");
  setWindowTitle(toQString(kHyoudaiCaption));
  setAccessibleName(toQString(kHyoudaiCaption));
  setModal(true);

  title_ = new QLineEdit(this);
  title_->setObjectName("HyoudaiEdit");
  title_->setAccessibleName(QStringLiteral("表題"));
  QFont mincho(QStringLiteral("ＭＳ 明朝"));
  mincho.setPointSize(12);
  title_->setFont(mincho);
  title_->setText(QString::fromStdString(ctx_.doc.HyoudaiStr));
  title_->setModified(false);
  title_->setMinimumWidth(320);

  fileName_ = new QCheckBox(QStringLiteral("表題にﾌｧｲﾙ名を追加"), this);
  fileName_->setObjectName("FileNameCheck");
  fileName_->setAccessibleName(fileName_->text());
  fileName_->setChecked(ctx_.hyoudai.look.FileNameDspFlag);
  connect(fileName_, &QCheckBox::toggled, this,
          [this](bool on) { ctx_.hyoudai.look.FileNameDspFlag = on; });

  font_ = makeButton(this, "FontButton", "ﾌｫﾝﾄ &F", "表題の書体(フォント)を設定する");
  apply_ = makeButton(this, "ApplyButton", "適用 &A", "上記表題をノート画面に表示する");
  close_ = makeButton(this, "CloseButton", "終了 &C", "このﾎﾞｯｸｽを閉じる");
  connect(font_, &QPushButton::clicked, this, &HyoudaiEditForm::fontDialog);
  connect(apply_, &QPushButton::clicked, this, [this] {
    applyTitle();
    form_.redraw();
  });
  connect(close_, &QPushButton::clicked, this, [this] {
    applyTitle();
    accept();
  });

  auto* col = new QVBoxLayout(this);
  col->addWidget(title_);
  auto* row = new QHBoxLayout;
  row->addWidget(fileName_, 1);
  row->addWidget(font_);
  row->addWidget(apply_);
  row->addWidget(close_);
  col->addLayout(row);
}

void HyoudaiEditForm::applyTitle() {
  ctx_.hyoudai.take(title_->text().toStdString(), title_->isModified());
}

void HyoudaiEditForm::fontDialog() {
  HyoudaiLook& look = ctx_.hyoudai.look;
  NoteFontDialog dialog(this, true);
  dialog.setObjectName("HyoudaiFontDialog");
  dialog.onApply = [this, &look](const FontSpec& f, Color c) {
    look.HyoudaiFont = f;
    look.HyoudaiColor = c;
    applyTitle();
    form_.redraw();
  };
  const NoteFontChoice choice = dialog.run(look.HyoudaiFont, look.HyoudaiColor);
  if (!choice.accepted) return;
  look.HyoudaiFont = choice.font;
  look.HyoudaiColor = choice.color;
}

}  // namespace ravlo
