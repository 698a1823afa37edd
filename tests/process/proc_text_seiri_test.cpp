#include <gtest/gtest.h>

#include "process/proc_text_seiri.h"

namespace ravlo::test {
namespace {

TEST(ProcTextSeiri, TidiesRawEntries) {
  struct Row {
    const char* raw;
    const char* tidy;
  };
  const Row rows[] = {
      {"", ""},
      {"~020X=5", "020X5~"},
      // A Y entry is not compared by its expression alone.
      {"~001X=6b2~002Y=6b2", "001X6b2~002Y=6b2~"},
      // Of two X lines with one expression the later survives, with its advice.
      {"~004X=6b1+6b2~005X=6b1+6b2", "005X6b1+6b2~"},
      {"~035X=6b1+6b2=6b3", "035X6b1+6b2~000X=6b3~"},
      {"~091X=3b1-(m3b2)~000X=3b1+3b2", "091X3b1-(m3b2)~000X=3b1+3b2~"},
      // Signs after "=" and "(".
      {"~090X=3b1~020X=-4~020X=+4", "090X3b1~020X=m4~020X=4~"},
      {"~090X=2*(-3)~090X=2*(+3)", "090X2*(m3)~090X=2*(3)~"},
      // A bare expression gets the intermediate tag; a leading sign becomes "m".
      {"5", "090X5~"},
      {"-5=6", "090Xm5~000X=6~"},
      // Doubled separators.
      {"~010X=1==2~~020X=2", "010X1~020X=2~"},
      {"~001X=3~=~005X=4", "001X3~005X=4~"},
      // A chain member equal to the following entry's expression goes.
      {"~035X=[12B16+27]=12b43~009X=12b43~020X=3k12b7",
       "035X[12B16+27]~009X=12b43~020X=3k12b7~"},
      // Before a Y entry whole entries are compared, and the first has lost its "=".
      {"~002Y=4b2~002Y=4b2", "002Y4b2~002Y=4b2~"},
      {"~001X=4b2~002Y=4b2~002Y=4b2", "001X4b2~002Y=4b2~"},
      {"~020X=1~020X=1", "020X1~"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.raw);
    EXPECT_EQ(ProcTextSeiri(r.raw), r.tidy);
  }
}

TEST(ProcTextSeiri, TidyTextIsAFixedPoint) {
  const char* raws[] = {"~074X=1k3b1+2k4b1~003X=3b4+4b9~035X=[12B16+27]=12b43~009X=12b43",
                        "~012X=3-5b2~011X=1b3*5b5-5b2~020X=2k5b3"};
  for (const char* raw : raws) {
    const std::string once = ProcTextSeiri(raw);
    EXPECT_EQ(ProcTextSeiri(once), once) << raw;
  }
}

TEST(ProcTextDropLast, DropsTheLastEntryOrChainMember) {
  struct Row {
    const char* text;
    const char* result;
  };
  const Row rows[] = {
      {"~008X=0.5+2b1~074X=2b1+2b1", "~008X=0.5+2b1~="},
      {"~035X=[3B1+1]=3b2", "~035X=[3B1+1]="},
      {"~020X=5=", "~="},
      {"~020X=5", "~="},
      {"no equals", ""},
      {"", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(ProcTextDropLast(r.text), r.result);
  }
}

}  // namespace
}  // namespace ravlo::test
