#pragma once
// The notebook's open and save dialogs as Qt file dialogs.
#include <QPointer>
#include <QWidget>

#include "notebook/model/file_chooser.h"

namespace ravlo {

class QtFileChooser final : public FileChooser {
 public:
  // The dialogs open over this window (null: over none).
  void setParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> chooseOpenFile(std::string_view title,
                                            std::string_view filter) override;
  std::optional<std::string> chooseSaveFile(std::string_view startPath) override;

 private:
  QPointer<QWidget> parent_;
};

// The Qt name filters of a "label|patterns|..." filter. File names on Linux are case
// sensitive while the patterns were written for a system where they are not, so each
// pattern is offered in its lower- and upper-case spellings too.
QStringList qtNameFilters(std::string_view filter);

}  // namespace ravlo
