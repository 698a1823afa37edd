#include "cli/headless_gui.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "render/qt/font_setup.h"

namespace ravlo::cli {
namespace {

void dropQtNotices(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::abort();
  }
}

int argc = 1;
char name[] = "ravlo-cli";
char* argv[] = {name, nullptr};

}  // namespace

std::unique_ptr<QGuiApplication> startHeadlessGui() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(dropQtNotices);
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  setupFontSubstitutions();
  return app;
}

}  // namespace ravlo::cli
