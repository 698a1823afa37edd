#include <gtest/gtest.h>

#include "tests/process/sum_test_util.h"

namespace ravlo::test {
namespace {

struct WorkedRow {
  const char* expr;
  int betsukai;
  int procLastAns;
  int type;
  const char* procText;
};

void expectWorked(const WorkedRow& r) {
  EngineFixture fx(r.betsukai, r.procLastAns);
  SCOPED_TRACE(std::string(r.expr) + " mode " + std::to_string(r.betsukai) + " lastans " +
               std::to_string(r.procLastAns));
  EXPECT_EQ(fx.process(r.expr), r.procText);
  EXPECT_EQ(fx.ctx.ProcType, r.type);
  EXPECT_TRUE(fx.ctx.ProcOK);
  EXPECT_TRUE(fx.sink.empty());
}

TEST(SumProcess, WorkedSolutions) {
  const WorkedRow rows[] = {
      // 1 1/3 + 2 1/4 in both ways; the one-denominator result merges into the 009 line, and
      // the 075 line into the 006 line that shows the same expression.
      {"1k3b1+2k4b1", 0, 0, 8,
       "074X1k3b1+2k4b1~003X=3b4+4b9~004X=[3*4B4*4]+[4*3B9*3]~005X=12b16+12b27~"
       "035X=[12B16+27]~009X=12b43~020X=3k12b7~"},
      {"1k3b1+2k4b1", 1, 0, 8,
       "006X1k3b1+2k4b1~007X=(1+3b1)+(2+4b1)~090X=1+3b1+2+4b1~041X=(1+2)+(3b1+4b1)~"
       "004X=3+([3*4B1*4]+[4*3B1*3])~005X=3+(12b4+12b3)~035X=3+([12B4+3])~091X=3+(12b7)~"
       "010X=3+12b7~020X=3k12b7~"},
      {"1k3b1+2k4b1", 0, 1, 8,
       "074X1k3b1+2k4b1~003X=3b4+4b9~004X=[3*4B4*4]+[4*3B9*3]~005X=12b16+12b27~"
       "035X=[12B16+27]~020X=12b43~"},
      // Fractions that cancel: the integer group first, then the fraction part unbracketed.
      {"1k3b1-1k3b1", 1, 0, 8,
       "006X1k3b1-1k3b1~007X=(1+3b1)-(1+3b1)~090X=1+3b1-1-3b1~041X=(1-1)+(3b1-3b1)~"
       "090X=0+(3b1-3b1)~090X=3b1-3b1~035X=[3B1-1]~030X=[3B0]~020X=0~"},
      {"2k3b1-1k3b1", 1, 0, 8,
       "006X2k3b1-1k3b1~007X=(2+3b1)-(1+3b1)~090X=2+3b1-1-3b1~041X=(2-1)+(3b1-3b1)~"
       "035X=1+([3B1-1])~091X=1+([3B0])~018X=1+0~020X=1~"},
      // A fraction part that reduces to a whole number.
      {"1k4b1+2k4b3", 1, 0, 8,
       "006X1k4b1+2k4b3~007X=(1+4b1)+(2+4b3)~090X=1+4b1+2+4b3~041X=(1+2)+(4b1+4b3)~"
       "035X=3+([4B1+3])~091X=3+(4b4)~001X=3+4b4~002Y=3+4b4~013X=3+1b1~090X=3+1~020X=4~"},
      // The three-line example of the common denominator.
      {"3b1+4b1", 0, 0, 1,
       "003X3b1+4b1~004X=[3*4B1*4]+[4*3B1*3]~005X=12b4+12b3~035X=[12B4+3]~020X=12b7~"},
      // Equal denominators: no 003/004 lines and no early reduction.
      {"3b1+3b2", 0, 0, 1, "005X3b1+3b2~035X=[3B1+2]~001X=3b3~002Y=3b3~053X=1b1~020X=1~"},
      {"6b2+6b1", 0, 0, 1, "005X6b2+6b1~035X=[6B2+1]~001X=6b3~002Y=6b3~020X=2b1~"},
      {"6b2+3b1", 0, 0, 1, "001X6b2+3b1~002Y=6b2+3b1~005X=3b1+3b1~035X=[3B1+1]~020X=3b2~"},
      {"3b1-3b2", 0, 0, 1, "005X3b1-3b2~035X=[3B1-2]~015X=[3Bm1]~020X=m3b1~"},
      {"m3b1+3b2", 0, 0, 1, "005Xm3b1+3b2~035X=[3Bm1+2]~020X=3b1~"},
      // The bracket is taken off; the line it leaves is shown again as the 005 line.
      {"3b1-(m3b2)", 0, 0, 1,
       "091X3b1-(m3b2)~005X=3b1+3b2~035X=[3B1+2]~001X=3b3~002Y=3b3~053X=1b1~020X=1~"},
      {"3b1-(m4b1)", 0, 0, 1,
       "091X3b1-(m4b1)~003X=3b1+4b1~004X=[3*4B1*4]+[4*3B1*3]~005X=12b4+12b3~035X=[12B4+3]~"
       "020X=12b7~"},
      // Decimals first become fractions.
      {"0.5+3b1", 0, 0, 4,
       "008X0.5+3b1~001X=10b5+3b1~002Y=10b5+3b1~003X=2b1+3b1~004X=[2*3B1*3]+[3*2B1*2]~"
       "005X=6b3+6b2~035X=[6B3+2]~020X=6b5~"},
      // Integers and mixed numbers, all improper first.
      {"1k3b1+2+5b1", 0, 0, 2,
       "038X1k3b1+2+5b1~003X=3b4+2+5b1~004X=[3*5B4*5]+[1*15B2*15]+[5*3B1*3]~"
       "005X=15b20+15b30+15b3~035X=[15B20+30+3]~009X=15b53~020X=3k15b8~"},
      {"1k3b1+5b1", 1, 0, 2,
       "006X1k3b1+5b1~007X=(1+3b1)+5b1~090X=1+3b1+5b1~090X=1+(3b1+5b1)~"
       "004X=1+([3*5B1*5]+[5*3B1*3])~005X=1+(15b5+15b3)~035X=1+([15B5+3])~091X=1+(15b8)~"
       "010X=1+15b8~020X=1k15b8~"},
      // A mixed number and an improper fraction.
      {"1k3b1+3b4", 0, 0, 7, "074X1k3b1+3b4~005X=3b4+3b4~035X=[3B4+4]~009X=3b8~020X=2k3b2~"},
      {"1k3b1+3b4", 1, 0, 7,
       "075X1k3b1+3b4~006X=1k3b1+1k3b1~007X=(1+3b1)+(1+3b1)~090X=1+3b1+1+3b1~"
       "041X=(1+1)+(3b1+3b1)~035X=2+([3B1+1])~091X=2+(3b2)~010X=2+3b2~020X=2k3b2~"},
      // An integer and an improper fraction.
      {"2+3b4", 0, 0, 5,
       "012X2+3b4~011X=1b2*3b3+3b4~005X=3b6+3b4~035X=[3B6+4]~009X=3b10~020X=3k3b1~"},
      {"2+3b4", 1, 0, 5,
       "013X2+3b4~006X=2+1k3b1~090X=2+(1+3b1)~090X=2+1+3b1~017X=(2+1)+3b1~010X=3+3b1~"
       "020X=3k3b1~"},
      // The 012 line and the 039 line show one expression: the later stays.
      {"2+3b6", 0, 0, 5, "039X2+3b6~000X=2+2~020X=4~"},
      // An integer and a proper fraction with the improper final form.
      {"3-5b2", 0, 1, 6,
       "012X3-5b2~011X=1b3*5b5-5b2~005X=5b15-5b2~035X=[5B15-2]~009X=5b13~040X=2k5b3~"
       "020X=5b13~"},
  };
  for (const auto& r : rows) expectWorked(r);
}

TEST(IntegerAndFraction, WorkedSolutions) {
  const WorkedRow rows[] = {
      {"3-5b2", 1, 0, 6,
       "029X3-5b2~090X=(2+1)-5b2~090X=2+1-5b2~090X=2+(1-5b2)~005X=2+(5b5-5b2)~"
       "035X=2+[5B5-2]~010X=2+5b3~020X=2k5b3~"},
      {"3-5b2", 0, 0, 6,
       "012X3-5b2~011X=1b3*5b5-5b2~005X=5b15-5b2~035X=[5B15-2]~009X=5b13~020X=2k5b3~"},
      {"2+1k3b1", 0, 0, 3,
       "038X2+1k3b1~012X=2+3b4~011X=1b2*3b3+3b4~005X=3b6+3b4~035X=[3B6+4]~009X=3b10~"
       "020X=3k3b1~"},
      {"2+1k3b1", 1, 0, 3,
       "006X2+1k3b1~090X=2+(1+3b1)~090X=2+1+3b1~017X=(2+1)+3b1~010X=3+3b1~020X=3k3b1~"},
      {"2+3b1", 0, 0, 6, "010X2+3b1~020X=2k3b1~"},
      {"2+3b1", 1, 0, 6, "010X2+3b1~020X=2k3b1~"},
      {"3b1+2", 0, 0, 6, "092X3b1+2~010X=2+3b1~020X=2k3b1~"},
      {"3b1+2", 1, 0, 6, "010X3b1+2~020X=2k3b1~"},
      {"m2-3b1", 0, 0, 6, "014Xm2-3b1~010X=m(2+3b1)~020X=m2k3b1~"},
      {"2-3k4b1", 1, 0, 3,
       "006X2-3k4b1~024X=2-(3+4b1)~022X=2-3-4b1~025X=(2-3)-4b1~027X=m1-4b1~010X=m(1+4b1)~"
       "020X=m1k4b1~"},
      {"2k3b1-0", 1, 0, 3, "036X2k3b1-0~020X=2k3b1~"},
      {"2k3b1-0", 0, 0, 3,
       "038X2k3b1-0~012X=3b7-0~011X=3b7-1b0*3b3~005X=3b7-3b0~035X=[3B7-0]~009X=3b7~"
       "020X=2k3b1~"},
  };
  for (const auto& r : rows) expectWorked(r);
}

TEST(TuubunSiki, WritesEveryTermOverTheLeastCommonDenominator) {
  struct Row {
    const char* E;
    const char* result;
    int hitsuyou;
    const char* disp;
  };
  const Row rows[] = {
      {"3b4+4b9", "12b16+12b27", 1, "[3*4B4*4]+[4*3B9*3]"},
      {"3b1+3b2", "3b1+3b2", 0, ""},
      {"m3b1+4b1", "m12b4+12b3", 1, "m[3*4B1*4]+[4*3B1*3]"},
      {"1k3b1+4b1", "1k12b4+12b3", 1, "[1K3*4B1*4]+[4*3B1*3]"},
      {"2+3b1-6b1", "6b12+6b2-6b1", 1, "[1*6B2*6]+[3*2B1*2]-[6B1]"},
      {"(m3b4)+2b1", "m6b8+6b3", 1, "m[3*2B4*2]+[2*3B1*3]"},
      // A zero keeps its fraction form for the one-denominator step.
      {"3b0+4b1", "12b0+12b3", 1, "[3*4B0*4]+[4*3B1*3]"},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    EXPECT_EQ(fx.engine.TuubunSiki(r.E), r.result) << r.E;
    EXPECT_EQ(fx.ctx.sums.TuubunHitsuyou, r.hitsuyou) << r.E;
    EXPECT_EQ(fx.ctx.sums.TuubunDisp, r.disp) << r.E;
    EXPECT_TRUE(fx.sink.empty());
  }
  EngineFixture one;
  EXPECT_EQ(one.engine.TuubunSiki("3b1"), "3b1");
  EXPECT_EQ(one.engine.TuubunSiki("3b1+4b1+5b1"), "60b20+60b15+60b12");
  EXPECT_EQ(one.ctx.factors.size(), 3u);
}

TEST(TuubunSiki, FailsWhenTheCommonDenominatorPassesTheBound) {
  EngineFixture fx;
  EXPECT_EQ(fx.engine.TuubunSiki("4294967291b1+4294967279b1"), "n");
  EXPECT_EQ(fx.ctx.sums.TuubunHitsuyou, -1);
  ASSERT_EQ(fx.sink.boxes().size(), 1u);
  EXPECT_EQ(fx.sink.boxes()[0].text, "積の結果がint64の範囲を超えた。");
}

TEST(BunboMatome, OneDenominatorForAllNumerators) {
  struct Row {
    const char* E;
    bool bracketNeg;
    const char* out;
    const char* siki;
    const char* kekka;
    const char* tai;
  };
  const Row rows[] = {
      {"12b16+12b27", false, "[12B16+27]=12b43", "[12B16+27]", "12b43", "3k12b7"},
      {"3b1-3b2", false, "[3B1-2]~015X=[3Bm1]=m3b1", "[3B1-2]", "m3b1", "m3b1"},
      {"3b1-3b2", true, "[3B1-2]~015X=[3Bm1]=m3b1", "[3B1-2]", "(m3b1)", "m3b1"},
      {"3b1-3b1", false, "[3B1-1]=[3B0]=0", "[3B1-1]", "[3B0]", "0"},
      {"m3b1+3b2", false, "[3Bm1+2]=3b1", "[3Bm1+2]", "3b1", "3b1"},
      {"m3b1-3b2", false, "[3Bm1-2]~015X=[3Bm3]=m3b3", "[3Bm1-2]", "m3b3", "m1"},
      {"(m4b5)+4b5", false, "[4Bm5+5]=[4B0]=0", "[4Bm5+5]", "[4B0]", "0"},
      // Fractions reduced to whole numbers stand with integers over 1.
      {"2+1b2-7+1b2", false, "[1B2+2-7+2]~015X=[1Bm1]=m1b1", "[1B2+2-7+2]", "m1b1", "m1"},
      {"3b2", false, "[3B2]=3b2", "[3B2]", "3b2", "3b2"},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    SCOPED_TRACE(r.E);
    EXPECT_EQ(fx.engine.BunboMatome(r.E, r.bracketNeg), r.out);
    EXPECT_EQ(fx.ctx.sums.MatomeSiki, r.siki);
    EXPECT_EQ(fx.ctx.sums.MatomeKekka, r.kekka);
    EXPECT_EQ(fx.ctx.sums.MatomeTai, r.tai);
    EXPECT_TRUE(fx.sink.empty());
  }
}

TEST(SeisuuBunri, SplitsIntegerAndFractionGroups) {
  struct Row {
    const char* E;
    const char* result;
    const char* bunri;
    const char* seisuu;
    const char* bunsuu;
  };
  const Row rows[] = {
      {"1k3b1+2k4b1", "1+3b1+2+4b1", "(1+3b1)+(2+4b1)", "1+2", "3b1+4b1"},
      {"m1k3b1-2+5b1", "m1-3b1-2+5b1", "m(1+3b1)-2+5b1", "m1-2", "m3b1+5b1"},
      {"3b1-1k4b1", "3b1-1-4b1", "3b1-(1+4b1)", "m1", "3b1-4b1"},
      {"(m1k3b1)+1k3b1", "m1-3b1+1+3b1", "m(1+3b1)+(1+3b1)", "m1+1", "m3b1+3b1"},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    SCOPED_TRACE(r.E);
    EXPECT_EQ(fx.engine.SeisuuBunri(r.E), r.result);
    EXPECT_EQ(fx.ctx.sums.BunriSiki, r.bunri);
    EXPECT_EQ(fx.ctx.sums.SeisuuGroup, r.seisuu);
    EXPECT_EQ(fx.ctx.sums.BunsuuGroup, r.bunsuu);
  }
}

TEST(NumberFormRewrites, ImproperMixedAndDecimal) {
  struct Row {
    const char* E;
    const char* taiToKa;
    const char* kaToTai;
    const char* syousuu;
  };
  const Row rows[] = {
      {"1k3b1+2k4b1", "3b4+4b9", "", "1k3b1+2k4b1"},
      {"m1k3b1+2", "(m3b4)+2", "", "m1k3b1+2"},
      {"3b4+2", "", "1k3b1+2", "3b4+2"},
      {"m3b4+2", "", "(m1k3b1)+2", "m3b4+2"},
      {"1b5+3b1", "", "5+3b1", "1b5+3b1"},
      {"m1b5+3b1", "", "m5+3b1", "m1b5+3b1"},
      {"3b1+2", "", "", "3b1+2"},
      // A whole number written as a mixed number over 1 keeps its integer part.
      {"2k1b3+1", "1b5+1", "5+1", "2k1b3+1"},
      {"0.5+3b1", "", "", "10b5+3b1"},
      {"m1.25-0.1@6", "(m100b125)-0.1@6", "", "m1k100b25-90b15"},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    SCOPED_TRACE(r.E);
    EXPECT_EQ(fx.engine.TaiToKaAll(r.E), r.taiToKa);
    EXPECT_EQ(fx.engine.KaToTaiAll(r.E), r.kaToTai);
    EXPECT_EQ(fx.engine.SyousuuToBunAll(r.E), r.syousuu);
    EXPECT_TRUE(fx.sink.empty());
  }
}

}  // namespace
}  // namespace ravlo::test
