#pragma once
// 問題を作る: the dialog in which a teacher chooses a pattern or a grade, the number of
// problems, the bounds and the seed; on OK the generator makes the sheet, and a request it
// refuses is explained while the dialog stays open.
#include <QDialog>

#include "core/message_sink.h"
#include "generate/sheet_generator.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ravlo {

class GenerateDialog final : public QDialog {
 public:
  GenerateDialog(MessageSink& sink, QWidget* parent);
  // The sheet made when the dialog was accepted.
  const GenSheet& sheet() const { return sheet_; }

  void accept() override;

 private:
  GenRequest request() const;

  MessageSink& sink_;
  QComboBox* kind_ = nullptr;
  QSpinBox* count_ = nullptr;
  QSpinBox* maxDen_ = nullptr;
  QSpinBox* maxWhole_ = nullptr;
  QSpinBox* terms_ = nullptr;
  QLineEdit* seed_ = nullptr;
  GenSheet sheet_;
};

}  // namespace ravlo
