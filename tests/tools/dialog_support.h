#pragma once
// The tool dialogs over a real main window, and what the tests look at in them.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <string>
#include <vector>

#include "tests/app_gui/window_fixture.h"

namespace ravlo::test {

// Counts the paints of the calculation screen.
class PaintCounter {
 public:
  explicit PaintCounter(CalcScreen& screen) : screen_(screen), before_(screen.onPainted) {
    screen_.onPainted = [this] {
      ++count;
      if (before_) before_();
    };
  }
  ~PaintCounter() { screen_.onPainted = before_; }
  // Paints since the last call, once the pending ones have happened.
  int take() {
    QCoreApplication::processEvents();
    const int n = count;
    count = 0;
    return n;
  }
  int count = 0;

 private:
  CalcScreen& screen_;
  std::function<void()> before_;
};

template <typename T>
T* child(QWidget& parent, const char* name) {
  T* w = parent.findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Every text the labels of the dialog show.
inline std::vector<std::string> labelTexts(QWidget& dialog) {
  std::vector<std::string> texts;
  for (QLabel* l : dialog.findChildren<QLabel*>()) texts.push_back(l->text().toStdString());
  return texts;
}

// The controls a person meets: every one must have an accessible name.
inline std::vector<QWidget*> namedControls(QWidget& dialog) {
  std::vector<QWidget*> controls;
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    const bool spinEdit = qobject_cast<QLineEdit*>(w) &&
                          qobject_cast<QAbstractSpinBox*>(w->parentWidget());
    if (spinEdit) continue;
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QSlider*>(w) ||
        qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
        qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w) || qobject_cast<QLabel*>(w)) {
      controls.push_back(w);
    }
  }
  return controls;
}

// Controls placed side by side in the dialog and its groups never overlap, stay inside their
// parent, and have room for their text.
inline void expectTidyLayout(QWidget& dialog) {
  std::vector<QWidget*> parents{&dialog};
  for (QGroupBox* g : dialog.findChildren<QGroupBox*>()) parents.push_back(g);
  for (QWidget* parent : parents) {
    std::vector<QWidget*> kids;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!w->isWindow()) kids.push_back(w);
    }
    for (std::size_t i = 0; i < kids.size(); ++i) {
      QWidget* k = kids[i];
      if (qobject_cast<QLabel*>(k) || qobject_cast<QCheckBox*>(k) ||
          qobject_cast<QRadioButton*>(k)) {
        EXPECT_LE(k->sizeHint().width(), k->width()) << "text cut: " << k->accessibleName().toStdString();
      } else if (auto* b = qobject_cast<QPushButton*>(k)) {
        // Buttons ask for a wide margin they can do without.
        const QString text = b->text().remove(QLatin1Char('&'));
        EXPECT_LE(b->fontMetrics().horizontalAdvance(text) + 6, b->width())
            << "text cut: " << text.toStdString();
      }
      if (auto* g = qobject_cast<QGroupBox*>(k)) {
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 8, g->width())
            << "title cut: " << g->title().toStdString();
      }
      EXPECT_TRUE(parent->rect().contains(kids[i]->geometry()))
          << kids[i]->objectName().toStdString() << " / " << kids[i]->accessibleName().toStdString();
      for (std::size_t j = i + 1; j < kids.size(); ++j) {
        EXPECT_FALSE(kids[i]->geometry().intersects(kids[j]->geometry()))
            << kids[i]->accessibleName().toStdString() << " overlaps "
            << kids[j]->accessibleName().toStdString();
      }
    }
  }
}

}  // namespace ravlo::test
