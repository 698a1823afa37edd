#include <gtest/gtest.h>

#include "process/proc_type_table.h"
#include "tests/process/sum_test_util.h"

namespace ravlo::test {
namespace {

TEST(ProcAnsFinish, AppendsTheFinalAnswerEntries) {
  struct Row {
    const char* E;
    int procLastAns;
    int result;
    const char* appended;
  };
  const Row rows[] = {
      {"3b5", 0, 2, "~009X=3b5~020X=1k3b2"},
      {"3b5", 1, 1, "~020X=3b5"},
      {"1b7", 0, 5, "~053X=1b7~020X=7"},
      {"1b7", 1, 5, "~053X=1b7~020X=7"},
      {"m1b7", 0, 5, "~053X=m1b7~020X=m7"},
      {"2k3b1", 0, 3, "~020X=2k3b1"},
      {"2k3b1", 1, 4, "~040X=2k3b1~020X=3b7"},
      {"m2k3b1", 1, 4, "~040X=m2k3b1~020X=m3b7"},
      {"3b2", 0, 0, "~020X=3b2"},
      {"3b2", 1, 0, "~020X=3b2"},
      {"0", 0, 5, "~053X=0~020X=0"},
      {"5", 0, 5, "~053X=5~020X=5"},
      {"0b5", 0, -1, ""},
      {"3+4", 0, -1, ""},
      {"", 0, -1, ""},
      // Still reducible: reduced first, the way the sums reduce before they finish.
      {"4b2", 0, 0, "~001X=4b2~002Y=4b2~020X=2b1"},
      {"2k4b2", 1, 4, "~001X=2k4b2~002Y=2k4b2~040X=2k2b1~020X=2b5"},
      {"4b4", 0, 5, "~001X=4b4~002Y=4b4~053X=1b1~020X=1"},
      // A fraction part of zero leaves the whole number.
      {"m11b0", 0, 0, "~030X=m11b0~020X=0"},
      {"11k5b0", 0, 0, "~030X=11k5b0~020X=11"},
      // A mixed number whose fraction part is improper.
      {"2k3b4", 0, 2, "~009X=2k3b4~020X=3k3b1"},
      {"2k3b4", 1, 1, "~020X=3b10"},
      // The answer as a plain number text.
      {"(m3b2)", 0, 0, "~020X=m3b2"},
  };
  for (const auto& r : rows) {
    EngineFixture fx(0, r.procLastAns);
    SCOPED_TRACE(std::string(r.E) + " lastans " + std::to_string(r.procLastAns));
    EXPECT_EQ(fx.engine.ProcAnsFinish(r.E), r.result);
    EXPECT_EQ(fx.ctx.ProcText, r.appended);
  }
}

TEST(ProcAnsFinish, SpeaksOnlyThroughTheNumberReader) {
  EngineFixture fx;
  EXPECT_EQ(fx.engine.ProcAnsFinish("3b5"), 2);
  EXPECT_TRUE(fx.sink.empty());
}

TEST(BunCheck, Flags) {
  struct Row {
    Bunsuu64 f;
    bool zero, integer, improper, reducible, divisible;
  };
  const Row rows[] = {
      {{1, 0, 0, 0}, true, false, false, false, false},
      {{1, 2, 3, 1}, false, true, false, false, false},
      {{1, 0, 3, 5}, false, false, true, false, false},
      {{1, 0, 4, 2}, false, false, false, true, false},
      {{1, 0, 3, 6}, false, false, true, true, true},
      {{0, 0, 3, 0}, false, false, false, false, true},
      {{-1, 0, 1, 7}, false, false, true, false, true},
  };
  for (const auto& r : rows) {
    const BunCheckFlags c = BunCheck(r.f);
    EXPECT_EQ(c.zeroDenominator, r.zero);
    EXPECT_EQ(c.hasInteger, r.integer);
    EXPECT_EQ(c.improper, r.improper);
    EXPECT_EQ(c.reducible, r.reducible);
    EXPECT_EQ(c.divisible, r.divisible);
  }
}

TEST(YakubunKazu, CountsReducibleFractionTerms) {
  struct Row {
    const char* E;
    int mode;
    int count;
    bool differ;
  };
  const Row rows[] = {
      {"6b2+3b1", 1, 1, true},
      {"6b2+6b1", 1, -1, false},   // all denominators equal: left to the end
      {"6b2+6b1", 0, 1, false},
      {"6b2+4b2", 1, 2, true},
      {"3b1+4b1", 1, 0, true},
      {"2+4b2", 1, -1, false},     // integers are not fraction terms
      {"1k4b2+3", 0, 1, false},
      {"m4b2-6b3", 0, 2, true},
      {"(m4b2)+4b1", 0, 1, false},
      {"3b0+3b1", 0, 0, false},    // a zero numerator is not reducible
      {"0b3+3b1", 0, -999, false},
      {"", 0, 0, false},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    EXPECT_EQ(fx.engine.YakubunKazu(r.E, r.mode), r.count) << r.E;
    if (r.count != -999) {
      EXPECT_EQ(fx.ctx.sums.BunboChigau, r.differ) << r.E;
    }
  }
}

TEST(YakubunSiki, ReducesEveryReducibleTerm) {
  struct Row {
    const char* E;
    const char* reduced;
    int count;
  };
  const Row rows[] = {
      {"6b2+3b1", "3b1+3b1", 1},
      {"6b2-4b2+12b8", "3b1-2b1+3b2", 3},
      {"m4b2+1k6b4", "m2b1+1k3b2", 2},
      {"(m4b2)+5", "(m2b1)+5", 1},
      {"3b1+4b1", "3b1+4b1", 0},
      {"4b4", "1b1", 1},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    EXPECT_EQ(fx.engine.YakubunSiki(r.E), r.reduced) << r.E;
    EXPECT_EQ(fx.ctx.sums.YakubunSikiKazu, r.count) << r.E;
  }
}

TEST(TermCounts, KousuuAndInsuu) {
  EXPECT_EQ(ProcessEngine::KousuuCount(""), 0);
  EXPECT_EQ(ProcessEngine::KousuuCount("3b1"), 1);
  EXPECT_EQ(ProcessEngine::KousuuCount("3b1+4b1-5"), 3);
  EXPECT_EQ(ProcessEngine::KousuuCount("-3b1+4b1"), 2);
  EXPECT_EQ(ProcessEngine::KousuuCount("m3b1+(-4b1)"), 2);
  EXPECT_EQ(ProcessEngine::KousuuCount("1-1"), 2);
  EXPECT_EQ(ProcessEngine::InsuuCount(""), 0);
  EXPECT_EQ(ProcessEngine::InsuuCount("3b1"), 1);
  EXPECT_EQ(ProcessEngine::InsuuCount("3b1*4/5"), 3);
}

TEST(CalcProcMake, DeclinesWithoutAnError) {
  struct Row {
    const char* expr;
    bool doIt;
  };
  const Row rows[] = {
      {"3b1+3b1", false}, {"3b1:3b2", true}, {"2*3", true}, {"1+2", true},
      {"3b2", true},      {"2^3+1", true},   {"(3b1+3b2)-4b1", true}, {"", true},
  };
  for (const auto& r : rows) {
    EngineFixture fx;
    fx.ctx.ProcText = "old";
    EXPECT_EQ(fx.engine.CalcProcMake(r.expr, r.doIt), 0) << r.expr;
    EXPECT_TRUE(fx.ctx.ProcOK) << r.expr;
    EXPECT_EQ(fx.ctx.ProcType, 0) << r.expr;
    EXPECT_TRUE(fx.sink.empty()) << r.expr;
    // Not asked to, or a ratio: nothing else changes.
    const bool untouched = !r.doIt || std::string(r.expr).find(':') != std::string::npos;
    EXPECT_EQ(fx.ctx.ProcText, untouched ? "old" : "") << r.expr;
  }
}

TEST(CalcProcMake, WorksOnTheQuestionBeforeTheAnswer) {
  EngineFixture a, b;
  EXPECT_EQ(a.process("3b1+3b1=3b2"), b.process("3b1+3b1"));
  EXPECT_EQ(a.ctx.ProcType, 1);
  EXPECT_EQ(a.ctx.ProcText, "005X3b1+3b1~035X=[3B1+1]~020X=3b2~");
}

TEST(CalcProcMake, EmptiesTheSlotsOfTheLastProcess) {
  EngineFixture fx;
  fx.process("1k3b1+2k4b1");
  EXPECT_FALSE(fx.ctx.sums.TuubunDisp.empty());
  fx.process("3b1+3b1");
  EXPECT_EQ(fx.ctx.sums.TuubunDisp, "");
  EXPECT_EQ(fx.ctx.sums.MatomeSiki, "[3B1+1]");
}

TEST(CalcProcMake, CommonDenominatorFailureIsReported) {
  // The least common multiple of the two denominators passes the int64 bound.
  EngineFixture fx;
  EXPECT_EQ(fx.engine.CalcProcMake("4294967291b1+4294967279b1", true), 0);
  EXPECT_FALSE(fx.ctx.ProcOK);
  EXPECT_EQ(fx.ctx.ProcType, 0);
  EXPECT_EQ(fx.ctx.ProcText, "");
  const auto& e = fx.sink.entries();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].caption, "警告!");
  EXPECT_EQ(e[0].text, "積の結果がint64の範囲を超えた。");
  EXPECT_EQ(e[1].kind, RecordingSink::Kind::Beep);
  EXPECT_EQ(e[2].kind, RecordingSink::Kind::Box);
  EXPECT_EQ(e[2].caption, "報告!!");
  EXPECT_EQ(e[2].text, "◆通分に失敗しました！");
  EXPECT_EQ(e[2].buttons, BoxButtons::Ok);
}

TEST(CalcProcMake, GroupProcedureCommonDenominatorFailureIsReported) {
  EngineFixture fx(1);
  EXPECT_EQ(fx.engine.CalcProcMake("1k4294967291b1+2k4294967279b1", true), 0);
  EXPECT_FALSE(fx.ctx.ProcOK);
  ASSERT_FALSE(fx.sink.boxes().empty());
  EXPECT_EQ(fx.sink.boxes().back().text, "◆通分に失敗しました！");
}

TEST(CalcProcMake, AConversionThatOverflowsStopsTheProcess) {
  // The improper form of the mixed number does not fit: no step may show "n" for a value.
  EngineFixture fx;
  EXPECT_EQ(fx.engine.CalcProcMake("4611686018427387904k2b1+0", true), 0);
  EXPECT_FALSE(fx.ctx.ProcOK);
  EXPECT_EQ(fx.ctx.ProcText, "");
  ASSERT_EQ(fx.sink.boxes().size(), 1u);
  EXPECT_EQ(fx.sink.boxes()[0].text, "積の結果がint64の範囲を超えた。");
  for (int mode : {0, 1}) {
    EngineFixture each(mode);
    each.engine.CalcProcMake("4611686018427387904k2b1+1k2b1", true);
    EXPECT_EQ(each.ctx.ProcText.find('n'), std::string::npos) << each.ctx.ProcText;
  }
}

TEST(ProcessEngine, ZeroDivisionReport) {
  EngineFixture fx;
  fx.engine.reportZeroDivision();
  ASSERT_EQ(fx.sink.boxes().size(), 1u);
  EXPECT_EQ(fx.sink.boxes()[0].caption, "注意!!");
  EXPECT_EQ(fx.sink.boxes()[0].text, "０で割ることは許されません！");
  EXPECT_EQ(fx.sink.boxes()[0].buttons, BoxButtons::Ok);
  EXPECT_FALSE(fx.engine.failed());
}

TEST(BetsukaiSwitch, FlipsTheModeAndBuildsAgain) {
  EngineFixture fx;
  const std::string first = fx.process("1k3b1+2k4b1");
  EXPECT_EQ(fx.engine.BetsukaiSwitch("1k3b1+2k4b1"), 1);
  EXPECT_EQ(fx.ctx.BetsukaiMode, 1);
  EXPECT_EQ(fx.ctx.ProcText.substr(0, 4), "006X");
  EXPECT_NE(fx.ctx.ProcText, first);
  EXPECT_EQ(fx.engine.BetsukaiSwitch("1k3b1+2k4b1"), 0);
  EXPECT_EQ(fx.ctx.ProcText, first);
  // The mode stays for every later process.
  fx.engine.BetsukaiSwitch("1k3b1+2k4b1");
  EXPECT_EQ(fx.process("3-5b2").substr(0, 4), "029X");
}

}  // namespace
}  // namespace ravlo::test
