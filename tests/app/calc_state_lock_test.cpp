// The calculation line while the notebook is open: nothing reaches it, and afterwards it is
// open or closed as before.
#include <gtest/gtest.h>

#include "calc_state_support.h"

namespace ravlo::testing_support {
namespace {

TEST(CalcStateLock, NoTypingRestoreOrBackspaceReachesALockedLine) {
  Session s;
  s.type("12+");
  s->SikiClear();
  s.type("3b2");
  s->InputLocked = true;
  EXPECT_EQ(s.type("5"), kJiClosed);
  EXPECT_LT(s->SikiBackSpace(), 0);
  EXPECT_EQ(s->SikiRestore(), kRestoreNotAllowed);
  s->NsinMode = true;
  EXPECT_FALSE(s->appendDirect('A'));
  s->NsinMode = false;
  EXPECT_EQ(s->InpSiki, "3b2");
  s->InputLocked = false;
  EXPECT_EQ(s.type("+1="), kJiComputed);
  EXPECT_EQ(s->InpSiki.rfind("3b2+1=", 0), 0u);
}

}  // namespace
}  // namespace ravlo::testing_support
