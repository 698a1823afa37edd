#include "app/ravlo_application.h"

#include <QIcon>
#include <QMessageBox>
#include <exception>

#include "app/qt_message_sink.h"
#include "render/qt/font_setup.h"

namespace ravlo {

RavloApplication::RavloApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // No display name: on Linux Qt would append it to every window title, and the titles are
  // the windows' own captions.
  setApplicationName(QStringLiteral("ravlo"));
  // The installed menu entry and icon, so that task bars show the program's own.
  setDesktopFileName(QStringLiteral("jp.keorusha.ravlo"));
  setWindowIcon(QIcon::fromTheme(QStringLiteral("jp.keorusha.ravlo")));
  installJapaneseTranslations(*this);
  setupFontSubstitutions();
}

bool RavloApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    // The program carries on after telling what went wrong, as its event loop always has.
    QMessageBox::critical(activeWindow(), QStringLiteral("ラヴロ"), QString::fromUtf8(e.what()));
  } catch (...) {
    QMessageBox::critical(activeWindow(), QStringLiteral("ラヴロ"),
                          QStringLiteral("予期しないエラーが起きました。"));
  }
  return false;
}

}  // namespace ravlo
