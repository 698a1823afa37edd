#pragma once
// The version window (バージョン情報): the product's name, its version and an OK button.
#include <QDialog>

namespace ravlo {

class VersionForm final : public QDialog {
  Q_OBJECT

 public:
  explicit VersionForm(QWidget* parent = nullptr);
};

// Shows the version window modally over `parent`.
void runVersionForm(QWidget* parent);

}  // namespace ravlo
