#pragma once
// The notebook's control box (ノート操作箱): a small tool window that stays on top beside the
// notebook, with a button for each notebook command, the "=" line-break switch and the line
// spacing and page height fields. Its keys go on to the notebook window.
#include <QWidget>
#include <string_view>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QSpinBox;

namespace ravlo {

class NotebookContext;
class NoteForm;

class NoteControlBox final : public QWidget {
  Q_OBJECT

 public:
  NoteControlBox(NoteForm& form, NotebookContext& ctx);

  QAbstractButton* button(std::string_view name) const;
  QCheckBox* eqKaigyoCheck() const { return eqKaigyo_; }
  QCheckBox* digitsCheck() const { return digits_; }
  QSpinBox* kankakuField() const { return kankaku_; }
  QSpinBox* pageHeightField() const { return pageHeight_; }

  // The fields and the check box follow a change made elsewhere (keys, menu).
  void showKankaku(int value);
  void showPageHeight(int value);
  void showEqKaigyo(bool on);
  void focusKankaku();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool boxKey(QObject* watched, QKeyEvent& event);

  NoteForm& form_;
  NotebookContext& ctx_;
  std::vector<QAbstractButton*> buttons_;
  QCheckBox* eqKaigyo_ = nullptr;
  QCheckBox* digits_ = nullptr;
  QSpinBox* kankaku_ = nullptr;
  QSpinBox* pageHeight_ = nullptr;
};

}  // namespace ravlo
