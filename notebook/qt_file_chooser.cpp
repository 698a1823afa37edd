#include "notebook/qt_file_chooser.h"

#include <QFileDialog>

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::optional<std::string> chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

QStringList qtNameFilters(std::string_view filter) {
  QStringList filters;
  for (const auto& [label, patterns] : dialogFilterEntries(filter)) {
    QStringList spellings;
    for (const QString& p : toQString(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      for (const QString& s : {p.trimmed(), p.trimmed().toLower(), p.trimmed().toUpper()}) {
        if (!spellings.contains(s)) spellings << s;
      }
    }
    filters << toQString(label) + QStringLiteral(" (") + spellings.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
  }
  return filters;
}

std::optional<std::string> QtFileChooser::chooseOpenFile(std::string_view title,
                                                         std::string_view filter) {
  QFileDialog dialog(parent_, toQString(title));
  dialog.setObjectName("OpenDialog1");
  dialog.setAccessibleName(toQString(title));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(qtNameFilters(filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return chosen(dialog.selectedFiles().front());
}

std::optional<std::string> QtFileChooser::chooseSaveFile(std::string_view startPath) {
  QFileDialog dialog(parent_);
  dialog.setObjectName("SaveDialog1");
  dialog.setAccessibleName(QStringLiteral("名前を付けて保存"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The notebook asks about overwriting itself, about the name it really writes.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!startPath.empty()) dialog.selectFile(toQString(startPath));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return chosen(dialog.selectedFiles().front());
}

}  // namespace ravlo
