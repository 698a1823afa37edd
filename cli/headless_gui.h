#pragma once
// Drawing with fonts needs a Qt GUI application; ravlo-cli makes one without a display.
#include <memory>

class QGuiApplication;

namespace ravlo::cli {

// Creates the application (offscreen unless QT_QPA_PLATFORM says otherwise), keeps Qt's own
// notices off standard error, which carries only the program's messages, and maps the
// Windows font names. Lives until the returned object goes.
std::unique_ptr<QGuiApplication> startHeadlessGui();

}  // namespace ravlo::cli
