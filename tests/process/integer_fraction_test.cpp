#include <gtest/gtest.h>

#include "tests/process/sum_test_util.h"

namespace ravlo::test {
namespace {

struct OutputRow {
  const char* E;
  const char* out;
};

TEST(SeisuuTuubun, CommonDenominatorWithTheInteger) {
  const OutputRow rows[] = {
      // A positive integer and a proper fraction join at once.
      {"2+3b1", "~010X=2+3b1=2k3b1"},
      {"3b1+2", "~092X=3b1+2~010X=2+3b1=2k3b1"},
      {"0+3b1", "~010X=0+3b1=3b1"},
      // -I - f is -(I + f).
      {"m2-3b1", "~014X=m2-3b1~010X=m(2+3b1)~020X=m2k3b1"},
      {"m3b1-2", "~092X=m3b1-2~014X=m2-3b1~010X=m(2+3b1)~020X=m2k3b1"},
      // Everything else over the common denominator.
      {"3-5b2", "~012X=3-5b2~011X=1b3*5b5-5b2~005X=5b15-5b2~035X=[5B15-2]~009X=5b13~020X=2k5b3"},
      {"3b1-2", "~012X=3b1-2~011X=3b1-1b2*3b3~005X=3b1-3b6~035X=[3B1-6]~015X=[3Bm5]~009X=m3b5~"
                "020X=m1k3b2"},
      {"m2+3b1", "~012X=m2+3b1~011X=m1b2*3b3+3b1~005X=m3b6+3b1~035X=[3Bm6+1]~015X=[3Bm5]~"
                 "009X=m3b5~020X=m1k3b2"},
      {"1-3b2", "~012X=1-3b2~011X=1b1*3b3-3b2~005X=3b3-3b2~035X=[3B3-2]~020X=3b1"},
      {"2+3b4", "~012X=2+3b4~011X=1b2*3b3+3b4~005X=3b6+3b4~035X=[3B6+4]~009X=3b10~020X=3k3b1"},
      {"0-3b1", "~012X=0-3b1~011X=1b0*3b3-3b1~005X=3b0-3b1~035X=[3B0-1]~015X=[3Bm1]~020X=m3b1"},
      // A whole-number fraction.
      {"2+3b6", "~012X=2+3b6~039X=2+3b6=2+2~020X=4"},
      {"m3b6+2", "~012X=m3b6+2~039X=m3b6+2=m2+2~020X=0"},
      // No operator: unchanged.
      {"5", "5"},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    EXPECT_EQ(fx.engine.SeisuuTuubun(r.E), r.out) << r.E;
    EXPECT_TRUE(fx.sink.empty()) << r.E;
  }
}

TEST(SeisuuBunriKeisan, IntegerPartsAndFractionPartsApart) {
  const OutputRow rows[] = {
      // Case 1, I + F.
      {"0+3b1", "~018X=0+3b1~020X=3b1"},
      {"0+1k3b1", "~018X=0+1k3b1=1k3b1"},
      {"2+1k3b1", "~006X=2+1k3b1~090X=2+(1+3b1)~090X=2+1+3b1~017X=(2+1)+3b1~010X=3+3b1~020X=3k3b1"},
      {"2+3b1", "~010X=2+3b1~020X=2k3b1"},
      {"3b1+2", "~010X=3b1+2~020X=2k3b1"},
      {"1k3b1+2",
       "~006X=1k3b1+2~090X=2+(1+3b1)~090X=2+1+3b1~017X=(2+1)+3b1~010X=3+3b1~020X=3k3b1"},
      // Case 2, -I - F.
      {"m0-3b1", "~019X=m0-3b1~090X=m3b1"},
      {"m0-1k3b1", "~019X=m0-1k3b1~090X=m1k3b1"},
      {"m2-1k3b1", "~014X=m2-1k3b1~021X=m(2+1k3b1)~022X=m(2+1+3b1)~010X=m(3+3b1)~020X=m3k3b1"},
      {"m2-3b1", "~014X=m2-3b1~010X=m(2+3b1)~020X=m2k3b1"},
      {"m3b1-2", "~014X=m3b1-2~010X=m(2+3b1)~020X=m2k3b1"},
      // Case 3, I - F, with the borrowing.
      {"0-3b1", "~023X=0-3b1~090X=m3b1"},
      {"0-1k3b1", "~023X=0-1k3b1~090X=m1k3b1"},
      {"2-2k3b1",
       "~006X=2-2k3b1~024X=2-(2+3b1)~022X=2-2-3b1~025X=(2-2)-3b1~023X=0-3b1~020X=m3b1"},
      {"2-3k4b1", "~006X=2-3k4b1~024X=2-(3+4b1)~022X=2-3-4b1~025X=(2-3)-4b1~026X=m1-4b1~"
                  "027X=m1-4b1~010X=m(1+4b1)~020X=m1k4b1"},
      {"5-2k3b1", "~006X=5-2k3b1~024X=5-(2+3b1)~022X=5-2-3b1~025X=(5-2)-3b1~029X=3-3b1~"
                  "090X=(2+1)-3b1~090X=2+1-3b1~090X=2+(1-3b1)~005X=2+(3b3-3b1)~035X=2+[3B3-1]~"
                  "010X=2+3b2~020X=2k3b2"},
      {"3-2k3b1", "~006X=3-2k3b1~024X=3-(2+3b1)~022X=3-2-3b1~025X=(3-2)-3b1~029X=1-3b1~"
                  "005X=3b3-3b1~035X=[3B3-1]~020X=3b2"},
      {"1-3b1", "~028X=1-3b1~005X=3b3-3b1~035X=[3B3-1]~020X=3b2"},
      {"3-5b2", "~029X=3-5b2~090X=(2+1)-5b2~090X=2+1-5b2~090X=2+(1-5b2)~005X=2+(5b5-5b2)~"
                "035X=2+[5B5-2]~010X=2+5b3~020X=2k5b3"},
      {"m3b1+2", "~029X=m3b1+2~090X=(1+1)-3b1~090X=1+1-3b1~090X=1+(1-3b1)~005X=1+(3b3-3b1)~"
                 "035X=1+[3B3-1]~010X=1+3b2~020X=1k3b2"},
      // Case 4, -I + F, with the negative borrowing.
      {"m0+3b1", "~031X=m0+3b1=3b1"},
      {"m2+2k3b1",
       "~006X=m2+2k3b1~032X=m2+(2+3b1)~022X=m2+2+3b1~025X=(m2+2)+3b1~018X=0+3b1~020X=3b1"},
      {"m1+3k3b1",
       "~006X=m1+3k3b1~032X=m1+(3+3b1)~022X=m1+3+3b1~025X=(m1+3)+3b1~010X=2+3b1~020X=2k3b1"},
      {"m3+1k3b1", "~006X=m3+1k3b1~032X=m3+(1+3b1)~022X=m3+1+3b1~025X=(m3+1)+3b1~000X=m2+3b1~"
                   "029X=m(2-3b1)~090X=m(1+1-3b1)~090X=m(1+3b3-3b1)~090X=m(1+[3B3-1])~"
                   "026X=m(1+3b2)~020X=m1k3b2"},
      {"m1+3b1", "~033X=m1+3b1~028X=m(1-3b1)~005X=m(3b3-3b1)~034X=m([3B3-1])~020X=m3b2"},
      {"m3+4b1", "~033X=m3+4b1~029X=m(3-4b1)~090X=m(2+1-4b1)~090X=m(2+4b4-4b1)~"
                 "090X=m(2+[4B4-1])~026X=m(2+4b3)~020X=m2k4b3"},
      {"3b1-2", "~033X=3b1-2~029X=m(2-3b1)~090X=m(1+1-3b1)~090X=m(1+3b3-3b1)~"
                "090X=m(1+[3B3-1])~026X=m(1+3b2)~020X=m1k3b2"},
      // Case 5, a mixed number minus an integer.
      {"2k3b1-0", "~036X=2k3b1-0~020X=2k3b1"},
      {"2k3b1-2", "~006X=2k3b1-2~037X=(2+3b1)-2~090X=2+3b1-2~090X=2-2+3b1~022X=(2-2)+3b1~"
                  "018X=0+3b1~020X=3b1"},
      {"1k3b1-3", "~006X=1k3b1-3~037X=(1+3b1)-3~090X=1+3b1-3~090X=1-3+3b1~022X=(1-3)+3b1~"
                  "090X=m2+3b1~029X=m(2-3b1)~090X=m(1+1-3b1)~090X=m(1+3b3-3b1)~"
                  "090X=m(1+[3B3-1])~026X=m(1+3b2)~020X=m1k3b2"},
      {"3k3b1-1", "~006X=3k3b1-1~037X=(3+3b1)-1~090X=3+3b1-1~090X=3-1+3b1~022X=(3-1)+3b1~"
                  "010X=2+3b1~020X=2k3b1"},
      // Case 6, a whole number; the 092 line stays.
      {"2+3b6", "~090X=2+3b6~020X=4"},
      {"3b6+2", "~092X=2+3b6~090X=2+3b6~020X=4"},
      {"m2+3b3", "~090X=m2+3b3~020X=m1"},
      // Only the part after the last "=" counts; no operator leaves it unchanged.
      {"1+1=2+3b1", "~010X=2+3b1~020X=2k3b1"},
      {"5", "5"},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    EXPECT_EQ(fx.engine.SeisuuBunriKeisan(r.E), r.out) << r.E;
    EXPECT_TRUE(fx.sink.empty()) << r.E;
    EXPECT_FALSE(fx.engine.failed()) << r.E;
  }
}

TEST(SeisuuBunriKeisan, BorrowingFromAnUnreadableIntegerStops) {
  EngineFixture fx;
  EXPECT_EQ(fx.engine.SeisuuBunriKeisan("99999999999999999999-3b1"), "99999999999999999999-3b1");
  ASSERT_EQ(fx.sink.boxes().size(), 1u);
  EXPECT_EQ(fx.sink.boxes()[0].caption, "Warning!!");
  EXPECT_EQ(fx.sink.boxes()[0].text, "int64 Over...");
  EXPECT_TRUE(fx.engine.failed());
}

TEST(IntegerAndFraction, LargestIntegersStillBorrowExactly) {
  // 9223372036854775800 - 1/3 borrows from the largest integer the bound allows.
  EngineFixture fx(1);
  const std::string text = fx.process("9223372036854775800-3b1");
  EXPECT_EQ(text.substr(text.rfind("020X=")), "020X=9223372036854775799k3b2~");
  EXPECT_TRUE(fx.sink.empty());
}

}  // namespace
}  // namespace ravlo::test
