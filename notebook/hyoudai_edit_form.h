#pragma once
// The title input (表題記入): the notebook title, its face on the page and whether the file
// name follows it. Modal over the notebook window.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace ravlo {

class NotebookContext;
class NoteForm;

class HyoudaiEditForm final : public QDialog {
  Q_OBJECT

 public:
  HyoudaiEditForm(NotebookContext& ctx, NoteForm& form);

  QLineEdit* titleField() const { return title_; }
  QCheckBox* fileNameCheck() const { return fileName_; }
  QPushButton* fontButton() const { return font_; }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* closeButton() const { return close_; }

 private:
  void fontDialog();
  void applyTitle();

  NotebookContext& ctx_;
  NoteForm& form_;
  QLineEdit* title_ = nullptr;
  QCheckBox* fileName_ = nullptr;
  QPushButton* font_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace ravlo
