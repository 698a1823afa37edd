#pragma once
// The application object: Japanese standard buttons, the IPA faces for the Windows font
// names, and a box instead of an abort for an exception that escapes an event handler.
#include <QApplication>

namespace ravlo {

class RavloApplication final : public QApplication {
  Q_OBJECT

 public:
  RavloApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ravlo
