// A constant typed into the line of the calculation screen.
#include <gtest/gtest.h>

#include "tests/app/calc_state_support.h"
#include "tools/model/teisuu_insert.h"

namespace ravlo::test {
namespace {

using testing_support::Session;

TEST(TeisuuInsert, TheValueJoinsTheLineWhichStaysOpen) {
  Session s;
  s.type("2*");
  EXPECT_TRUE(TeisuuInsertText(*s, "3.14159265358979324"));
  EXPECT_EQ(s->InpSiki, "2*3.14159265358979324");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(s->JiInput('='), kJiComputed);
  EXPECT_EQ(s->InpSiki.rfind("2*3.14159265358979324=", 0), 0u) << s->InpSiki;
}

TEST(TeisuuInsert, ARefusedLineIsLeftAsItWas) {
  Session s;
  s.type("2*");
  s.sink.clear();
  EXPECT_FALSE(TeisuuInsertText(*s, "3..1"));
  EXPECT_EQ(s->InpSiki, "2*");
  EXPECT_EQ(s.sink.boxes().size(), 1u);
  EXPECT_FALSE(TeisuuInsertText(*s, ""));
  EXPECT_EQ(s->InpSiki, "2*");
}

TEST(TeisuuInsert, AfterAnAnswerTheValueStartsANewLine) {
  Session s;
  s.type("1+1=");
  ASSERT_FALSE(s->InpAccept);
  EXPECT_TRUE(TeisuuInsertText(*s, "0.5"));
  EXPECT_EQ(s->InpSiki, "0.5");
  EXPECT_TRUE(s->InpAccept);
}

TEST(TeisuuInsert, IsNotReadAloudTokenByToken) {
  Session s([](CalcSettings& st) { st.EVERYINPUT = 1; });
  TeisuuInsertText(*s, "12");
  EXPECT_TRUE(s.voice.spoken.empty());
  EXPECT_EQ(s->InpSiki, "12");
}

}  // namespace
}  // namespace ravlo::test
