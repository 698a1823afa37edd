#include <gtest/gtest.h>

#include "process/proc_type_table.h"
#include "process/type_check.h"

namespace ravlo::test {
namespace {

TEST(SikiTypeCheck, ChoosesTheProcessType) {
  struct Row {
    const char* expr;
    int type;
  };
  const Row rows[] = {
      // Sums.
      {"3b1+3b1", 1},
      {"3b2-3b4", 1},
      {"2+3b1", 6},
      {"3b1-2", 6},
      {"2+1k3b1", 3},
      {"2+3b4", 5},
      {"1k3b1+3b4", 7},
      {"1k3b1+2k5b1", 8},
      {"1k3b1+2k5b1+3b1", 8},
      {"1k3b1+2+5b1", 2},
      {"1+2+3b1", 2},
      {"0.5+3b1", 4},
      {"1+3b4+5b1", 4},
      {"1k3b1+3b4+2", 4},
      {"0.5+0.25", 0},
      {"1+2", 0},
      {"3b1-(m3b2)", 1},
      {"(3b1+3b2)-4b1", 0},
      {"m2-3b1", 6},
      // Products and quotients.
      {"3b2*4b3", 10},
      {"3b2/4b3", 10},
      {"1k3b1*4b3", 11},
      {"2*4b3", 12},
      {"0.5*4b3", 12},
      {"2*1k3b1", 13},
      {"0.5*3", 13},
      {"0.5*1k3b1", 13},
      {"2*3", 0},
      // Mixtures, powers and single numbers are computed without a process.
      {"3b1+4b1*2", 0},
      {"2^3+1", 0},
      {"(3b2)^2+1", 0},
      {"(3b2)^2*3b1", 0},
      {"3b2", 0},
      {"m3b2", 0},
      {"", 0},
      // Terms that are not plain numbers the procedures can read.
      {"5!+3b1", 0},
      {"[3B1]+3b1", 0},
      {"5P2+3b1", 0},
      {"x+3b1", 0},
      {"0b3+3b1", 0},
      {"3b1+99999999999999999999b1", 0},
      {"2-m3b1", 0},
      {"1k3b4+2", 0},
      {"0k3b1+2", 0},
      {"3b+1", 0},
  };
  for (const auto& r : rows) {
    NullSink sink;
    EXPECT_EQ(SikiTypeCheck(r.expr, sink).type, r.type) << r.expr;
  }
}

TEST(SikiTypeCheck, CountsTermsAndOperators) {
  NullSink sink;
  const SikiProfile p = SikiTypeCheck("1k3b1-2+5b1+3b4-0.5", sink);
  EXPECT_EQ(p.plusCount, 2);
  EXPECT_EQ(p.minusCount, 2);
  EXPECT_EQ(p.termCount, 5);
  EXPECT_EQ(p.mixedCount, 1);
  EXPECT_EQ(p.improperCount, 1);
  EXPECT_EQ(p.properCount, 1);
  EXPECT_EQ(p.integerCount, 1);
  EXPECT_EQ(p.type, 4);

  const SikiProfile q = SikiTypeCheck("3b2*4/1k3b1", sink);
  EXPECT_EQ(q.mulCount, 1);
  EXPECT_EQ(q.divCount, 1);
  EXPECT_EQ(q.integerCount, 1);
  EXPECT_EQ(q.type, 13);
}

TEST(SikiTypeCheck, BracketsThatCannotBeRemovedStopTheCount) {
  NullSink sink;
  const SikiProfile p = SikiTypeCheck("(1+3b1)*2", sink);
  EXPECT_EQ(p.type, 0);
  EXPECT_EQ(p.termCount, 0);
  EXPECT_EQ(p.integerCount, 0);
}

TEST(ProcTypeTable, HeaderTexts) {
  EXPECT_EQ(procTypeHeader(0), "タイプ[00]::[指定外・直接計算]");
  EXPECT_EQ(procTypeHeader(2),
            "タイプ[02]::[分数の加減] <整数や帯分数をふくむ> ２数以上の場合 ▼別解F6▼");
  EXPECT_EQ(procTypeHeader(8), "タイプ[08]::[分数の加減] <帯分数のみ> ２数以上の場合 ▼別解F6▼");
  EXPECT_EQ(procTypeHeader(13), "タイプ[13]::[分数の乗除] <小数・整数(・帯分数)を含む> 場合");
  EXPECT_EQ(procTypeHeader(16),
            "タイプ[16]::[分数の乗除] <小数・整数・帯分数を含む分数> の場合");
  EXPECT_EQ(procTypeHeader(18), "タイプ[18]::[帯分数 ⇒ 仮分数] 変形のプロセス");
  EXPECT_EQ(procTypeHeader(-1), "");
  EXPECT_EQ(procTypeHeader(19), "");
  // Every header names its own number, and exactly the alternative-solution types say so.
  for (int t = 0; t < kProcTypeCount; ++t) {
    const std::string h(procTypeHeader(t));
    const std::string tag = std::string("タイプ[") + (t < 10 ? "0" : "") + std::to_string(t) + "]";
    EXPECT_EQ(h.rfind(tag, 0), 0u) << t;
    EXPECT_EQ(h.find("▼別解F6▼") != std::string::npos, procTypeHasBetsukai(t)) << t;
  }
}

}  // namespace
}  // namespace ravlo::test
