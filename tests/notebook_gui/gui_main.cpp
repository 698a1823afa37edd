// The window tests need an application object; without a display they draw off screen.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "app/ravlo_application.h"

int main(int argc, char** argv) {
  // Test discovery runs this binary without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ravlo::RavloApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
