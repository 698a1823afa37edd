// Every menu item of the calculator and of the notebook, and every input-panel button, leads
// somewhere: none answers that its feature is still to come.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <string>
#include <vector>

#include "app/input_form.h"
#include "notebook_fixture.h"

namespace ravlo::test {
namespace {

constexpr std::string_view kNotReady = "まだ用意されていません";

// A command's modal dialog is turned down as soon as it is up, so that the walk goes on.
class ModalCloser {
 public:
  ModalCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [] {
      QWidget* m = QApplication::activeModalWidget();
      if (auto* d = qobject_cast<QDialog*>(m))
        d->reject();
      else if (m)
        m->close();
    });
    timer_.start(20);
  }

 private:
  QTimer timer_;
};

void collectItems(const QList<QAction*>& actions, std::vector<QAction*>& out) {
  for (QAction* a : actions) {
    if (a->isSeparator()) continue;
    if (a->menu())
      collectItems(a->menu()->actions(), out);
    else
      out.push_back(a);
  }
}

std::vector<QAction*> menuItems(QMenuBar* bar) {
  std::vector<QAction*> out;
  collectItems(bar->actions(), out);
  return out;
}

// Items that end the program or the window under test are left out of the walk.
bool endsTheWalk(const QAction* a) {
  const QString t = a->text();
  return t.contains(QStringLiteral("終了")) || t.contains(QStringLiteral("閉じる"));
}

// What the command said that names a feature to come.
std::vector<std::string> notReadyAnswers(const RecordingSink& rec) {
  std::vector<std::string> out;
  for (const RecordingSink::Entry& e : rec.entries())
    if (e.text.find(kNotReady) != std::string::npos) out.push_back(e.text);
  return out;
}

void settle() {
  for (int i = 0; i < 5; ++i) QTest::qWait(10);
}

TEST(EveryCommand, NoMenuItemOrButtonIsStillToCome) {
  Notebook nb;
  ModalCloser closer;
  std::vector<std::string> failures;
  auto run = [&](const QString& where, const std::function<void()>& command) {
    nb.rec().clear();
    command();
    settle();
    for (const std::string& t : notReadyAnswers(nb.rec()))
      failures.push_back(where.toStdString() + ": " + t);
  };

  for (QAction* a : menuItems(nb.w().form().menuBar()))
    if (!endsTheWalk(a) && a->isEnabled())
      run(QStringLiteral("計算画面 ") + a->text(), [a] { a->trigger(); });
  std::vector<QAction*> popup;
  collectItems(nb.w().form().popupMenu()->actions(), popup);
  for (QAction* a : popup)
    if (!endsTheWalk(a) && a->isEnabled())
      run(QStringLiteral("ポップアップ ") + a->text(), [a] { a->trigger(); });
  for (QAbstractButton* b : nb.w().form().inputForm()->findChildren<QAbstractButton*>())
    if (b->isVisible() && b->isEnabled())
      run(QStringLiteral("操作パネル ") + b->text(), [b] { b->click(); });

  if (nb.ctx().window() == nullptr) nb.open();
  for (QAction* a : menuItems(nb.form().menuBar()))
    if (!endsTheWalk(a) && a->isEnabled())
      run(QStringLiteral("ノート画面 ") + a->text(), [a] { a->trigger(); });
  if (NoteControlBox* box = nb.form().controlBox())
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
      if (b->isVisible() && b->isEnabled())
        run(QStringLiteral("ノート操作箱 ") + b->text(), [b] { b->click(); });

  std::string all;
  for (const std::string& f : failures) all += f + "\n";
  EXPECT_TRUE(failures.empty()) << all;
}

}  // namespace
}  // namespace ravlo::test
