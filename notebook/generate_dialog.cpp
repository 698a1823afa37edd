#include "notebook/generate_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "generate/gen_pattern.h"
#include "generate/grade_presets.h"

namespace ravlo {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr std::string_view kCaption = "問題を作る";
constexpr std::string_view kRefusedCaption = "ご注意！";
constexpr std::string_view kPatternDefault = "型のまま";

// A bound the pattern keeps at its default when left at 0.
QSpinBox* boundBox(int max, const char* name) {
  auto* box = new QSpinBox;
  box->setRange(0, max);
  box->setSpecialValueText(q(kPatternDefault));
  box->setObjectName(name);
  return box;
}

}  // namespace

GenerateDialog::GenerateDialog(MessageSink& sink, QWidget* parent)
    : QDialog(parent), sink_(sink) {
  setWindowTitle(q(kCaption));
  setObjectName("GenerateDialog");
  setAccessibleName(q(kCaption));

  kind_ = new QComboBox;
  kind_->setObjectName("GenerateKind");
  for (const GradePreset& g : GradePresets())
    kind_->addItem(q(g.name) + "のまとめ", g.grade);
  for (const GenPattern& p : GenPatterns())
    kind_->addItem(q(p.name) + " (" + q(p.id) + ")", q(p.id));
  count_ = new QSpinBox;
  count_->setObjectName("GenerateCount");
  count_->setRange(1, kGenCountLimit);
  count_->setValue(20);
  maxDen_ = boundBox(kGenMaxDenLimit, "GenerateMaxDen");
  maxWhole_ = boundBox(kGenMaxWholeLimit, "GenerateMaxWhole");
  terms_ = boundBox(kGenTermsLimit, "GenerateTerms");
  seed_ = new QLineEdit(QString::number(QRandomGenerator::global()->bounded(1, 1000000)));
  seed_->setObjectName("GenerateSeed");
  seed_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{1,18}"), seed_));

  auto* form = new QFormLayout;
  form->addRow("型・学年", kind_);
  form->addRow("問題数", count_);
  form->addRow("最大の分母", maxDen_);
  form->addRow("整数の最大", maxWhole_);
  form->addRow("項の数", terms_);
  form->addRow("シード（番号）", seed_);
  for (QWidget* w : std::initializer_list<QWidget*>{kind_, count_, maxDen_, maxWhole_, terms_, seed_})
    w->setAccessibleName(qobject_cast<QLabel*>(form->labelForField(w))
                             ? qobject_cast<QLabel*>(form->labelForField(w))->text()
                             : QString());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &GenerateDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &GenerateDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

GenRequest GenerateDialog::request() const {
  GenRequest rq;
  const QVariant kind = kind_->currentData();
  if (kind.typeId() == QMetaType::Int) rq.grade = kind.toInt();
  else rq.patterns = {kind.toString().toStdString()};
  rq.count = count_->value();
  rq.seed = seed_->text().toULongLong();
  if (maxDen_->value() > 0) rq.overrides.maxDen = maxDen_->value();
  if (maxWhole_->value() > 0) rq.overrides.maxWhole = maxWhole_->value();
  if (terms_->value() > 0) rq.overrides.terms = terms_->value();
  return rq;
}

void GenerateDialog::accept() {
  GenResult r = GenerateSheets(request());
  if (!r.error.empty()) {
    sink_.box(kRefusedCaption, r.error, BoxButtons::Ok, BoxIcon::Warning);
    return;
  }
  sheet_ = std::move(r.sheets.front());
  QDialog::accept();
}

}  // namespace ravlo
