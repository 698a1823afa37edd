#pragma once
// The whole-notebook editor (全行編集画面): every problem as one line of a text field in its
// encoded form, checked line by line, one line shown built up, and the lines taken over into
// the notebook. Modal over the notebook window.
#include <QDialog>
#include <map>
#include <string>

class QAction;
class QKeyEvent;
class QPlainTextEdit;

namespace ravlo {

class NotebookContext;

class NoteEditForm final : public QDialog {
  Q_OBJECT

 public:
  NoteEditForm(NotebookContext& ctx, QWidget* parent);

  QPlainTextEdit* editor() const { return edit_; }
  // A menu item by its object name, or null.
  QAction* action(const std::string& name) const;

  // What the editor's own keys type: the yen key the π text, the "ろ" key "=", and with the
  // key diversion setting PageUp "k", PageDown "b", Home "(", End ")". Empty: the key is the
  // text field's.
  std::string keyText(const QKeyEvent& event) const;

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createMenus();
  std::vector<std::string> lines() const;
  void take();
  void check();
  void preview();
  void look();
  void fontDialog();
  void selectFault(int line, std::size_t column);
  void insertAtCaret(const std::string& text);

  NotebookContext& ctx_;
  QPlainTextEdit* edit_ = nullptr;
  std::map<std::string, QAction*> actions_;
};

}  // namespace ravlo
