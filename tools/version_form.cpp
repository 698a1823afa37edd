#include "tools/version_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/model/version_info.h"
#include "tools/tool_dialog.h"

namespace ravlo {
namespace {

QLabel* line(QWidget* parent, const char* objectName, std::string_view text, int pixels, bool bold) {
  auto* l = new QLabel(toQString(text), parent);
  l->setObjectName(QString::fromLatin1(objectName));
  l->setAccessibleName(l->text());
  l->setTextFormat(Qt::PlainText);
  l->setAlignment(Qt::AlignCenter);
  QFont f = l->font();
  f.setPixelSize(pixels);
  f.setBold(bold);
  l->setFont(f);
  return l;
}

}  // namespace

VersionForm::VersionForm(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutForm");
  setWindowTitle(toQString(kVersionCaption));
  setAccessibleName(toQString(kVersionCaption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(24, 18, 24, 12);
  col->setSpacing(8);
  col->addWidget(line(this, "ProductName", kProductName, 18, true));
  QLabel* version = line(this, "Version", kVersionText, 13, false);
  version->setAccessibleName(toQString(kVersionAccessibleName));
  col->addWidget(version);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->setObjectName("OKButton");
  buttons->setAccessibleName(QStringLiteral("ボタン"));
  buttons->setCenterButtons(true);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setAccessibleName(QStringLiteral("OK（閉じる）"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  col->addWidget(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
}

void runVersionForm(QWidget* parent) {
  VersionForm form(parent);
  form.exec();
}

}  // namespace ravlo
