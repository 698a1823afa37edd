#pragma once
// The expression editor, memo and substitution box over a real main window.
#include <QCoreApplication>
#include <QEvent>
#include <string>

#include "dialog_support.h"
#include "tools/dainyuu_form.h"
#include "tools/se_memo_form.h"
#include "tools/siki_edit_form.h"
#include "tools/tool_windows.h"

namespace ravlo::test {

// Windows that closed are gone once the pending deletions ran.
inline void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

inline std::string text(const QLineEdit* field) { return field->text().toStdString(); }

template <typename T>
QPushButton* button(T* window, const char* name) {
  return child<QPushButton>(*window, name);
}

// Every control named, and named in Japanese.
inline void expectJapaneseNames(QWidget& window) {
  for (QWidget* w : namedControls(window)) {
    const QString name = w->accessibleName();
    bool japanese = false;
    for (QChar c : name) japanese = japanese || c.unicode() > 0x7F;
    EXPECT_TRUE(japanese) << w->objectName().toStdString() << ": '" << name.toStdString() << "'";
  }
}

}  // namespace ravlo::test
