// The worked solutions of products and quotients, through the engine's CalcProcMake.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bunsuu64.h"
#include "core/message_sink.h"
#include "process/advice_table.h"
#include "process/process_engine.h"
#include "process/product_steps.h"

namespace ravlo {
namespace {

struct ProductRun {
  int rc = 0;
  ProcessContext ctx;
  RecordingSink sink;
};

void make(ProductRun& r, const std::string& expr, int lastAns = 0) {
  r.ctx.options.PROCLASTANS = lastAns;
  ProcessEngine engine(r.ctx, r.sink);
  r.rc = engine.CalcProcMake(expr, true);
}

TEST(ProductProcess, WorkedSolutions) {
  struct Row {
    const char* expr;
    int lastAns;
    int type;
    const char* procText;
  };
  const Row rows[] = {
      // 2 and 4 cancel by 2, 9 and 3 by 3.
      {"3b2*4b9", 0, 10, "001X3b2*4b9~062Z=3b2*4b9~064X=[1*2B1*3]~009X=2b3~020X=1k2b1~"},
      {"3b2*4b9", 1, 10, "001X3b2*4b9~062Z=3b2*4b9~064X=[1*2B1*3]~020X=2b3~"},
      // The 069 line merges into the 001 line.
      {"3b2/9b4", 0, 10,
       "061X3b2/9b4~001X=3b2*4b9~062Z=3b2*4b9~064X=[1*2B1*3]~009X=2b3~020X=1k2b1~"},
      {"1k3b1*4b3", 0, 11,
       "066X1k3b1*4b3~001X=3b4*4b3~062Z=3b4*4b3~064X=[1*1B1*1]~053X=1b1~020X=1~"},
      {"2b1*3b1", 0, 10, "060X2b1*3b1~065X=[2*3B1*1]~020X=6b1~"},
      {"m(2b1)*3b2", 0, 10,
       "093Xm(2b1)*3b2~001X=m2b1*3b2~062Z=m2b1*3b2~064X=m[1*3B1*1]~020X=m3b1~"},
      {"(m3b2)*(m2)", 0, 12,
       "093X(m3b2)*(m2)~067X=3b2*2~060X=3b2*1b2~065X=[3*1B2*2]~009X=3b4~020X=1k3b1~"},
      {"2*4b3", 0, 12, "067X2*4b3~001X=1b2*4b3~062Z=1b2*4b3~064X=[1*2B1*3]~009X=2b3~020X=1k2b1~"},
      {"2*1k3b1", 1, 13, "068X2*1k3b1~060X=1b2*3b4~065X=[1*3B2*4]~020X=3b8~"},
      {"0.5*3", 0, 13, "068X0.5*3~001X=10b5*1b3~062Z=10b5*1b3~064X=[2*1B1*3]~009X=2b3~020X=1k2b1~"},
      {"3b1*3", 0, 12, "067X3b1*3~001X=3b1*1b3~062Z=3b1*1b3~064X=[1*1B1*1]~053X=1b1~020X=1~"},
      {"3b2*4b9=1k2b1", 0, 10, "001X3b2*4b9~062Z=3b2*4b9~064X=[1*2B1*3]~009X=2b3~020X=1k2b1~"},
      // Zero factors: two lines and no more.
      {"0*3b2", 0, 12, "063X0*3b2~020X=0~"},
      {"3b2*0", 0, 12, "063X3b2*0~020X=0~"},
      {"0/3b2", 0, 12, "094X0/3b2~020X=0~"},
      {"3b0*2b1", 0, 10, "063X3b0*2b1~020X=0~"},
      // A decimal with a whole part is made improper like a mixed number: 1.5 x 3 = 4 1/2.
      {"1.5*3", 0, 13,
       "068X1.5*3~001X=10b15*1b3~062Z=10b15*1b3~064X=[2*1B3*3]~009X=2b9~020X=4k2b1~"},
      // A sign in front of a later factor is not lost.
      {"2b1*m3b2", 0, 10, "093X2b1*m3b2~001X=m2b1*3b2~062Z=m2b1*3b2~064X=m[1*3B1*1]~020X=m3b1~"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expr);
    ProductRun r;
    make(r, row.expr, row.lastAns);
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.ctx.ProcType, row.type);
    EXPECT_EQ(r.ctx.ProcText, row.procText);
    EXPECT_TRUE(r.sink.empty());
  }
}

TEST(ProductProcess, DivisionByZeroShowsTheMessageAndAnEmptyProcess) {
  for (const char* expr : {"3b2/0", "0/0*3b2", "0*3b2/0", "2/3b0*4b5"}) {
    SCOPED_TRACE(expr);
    ProductRun r;
    make(r, expr);
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.ctx.ProcText, "");
    EXPECT_NE(r.ctx.ProcType, 0);
    ASSERT_EQ(r.sink.boxes().size(), 1u);
    EXPECT_EQ(r.sink.boxes()[0].caption, "注意!!");
    EXPECT_EQ(r.sink.boxes()[0].text, "０で割ることは許されません！");
  }
}

TEST(ProductProcess, CancellationSlotsForTheZLine) {
  ProductRun r;
  make(r, "3b2*4b9");
  const ProductSlots& s = r.ctx.products;
  EXPECT_EQ(s.KiyakuSiki, "[1*2B1*3]");
  EXPECT_EQ(s.KiyakuKotae, "2b3");
  EXPECT_EQ(s.KiyakuBunboMax, 1);
  EXPECT_EQ(s.KiyakuBunsiMax, 1);
  EXPECT_EQ(s.ZSign, 1);
  EXPECT_EQ(s.bunsiStacks, (std::vector<std::vector<int64_t>>{{2, 1}, {9, 3}}));
  EXPECT_EQ(s.bunboStacks, (std::vector<std::vector<int64_t>>{{3, 1}, {4, 2}}));
  ASSERT_EQ(r.ctx.factors.size(), 2u);
  EXPECT_EQ(r.ctx.factors[1], (Bunsuu64{1, 0, 4, 9}));

  ProductRun neg;
  make(neg, "m(2b1)*3b2");
  EXPECT_EQ(neg.ctx.products.ZSign, 2);

  // 8/9 x 3/4 x 3/2: the 3 of the first denominator is divided twice.
  ProductRun twice;
  make(twice, "9b8*4b3*2b3");
  EXPECT_EQ(twice.ctx.products.KiyakuBunboMax, 2);
  EXPECT_EQ(twice.ctx.products.bunboStacks[0], (std::vector<int64_t>{9, 3, 1}));
  EXPECT_EQ(twice.ctx.products.KiyakuKotae, "1b1");

  ProductRun none;
  make(none, "2b1*3b1");
  EXPECT_EQ(none.ctx.products.KiyakuBunboMax, 0);
  EXPECT_EQ(none.ctx.products.KiyakuBunsiMax, 0);
}

TEST(ProductProcess, PreparationSlots) {
  ProductRun r;
  make(r, "1k3b1/2*0.5");
  EXPECT_EQ(r.ctx.products.KaBunsuuSiki, "3b4/1b2*10b5");
  EXPECT_EQ(r.ctx.products.GyakusuuSiki, "3b4*2b1*10b5");
  EXPECT_EQ(r.ctx.products.ZeroKake, 0);
  EXPECT_EQ(r.ctx.products.ZeroWari, 0);
}

TEST(ProductProcess, OverflowStopsTheProcessAfterTheMessage) {
  ProductRun r;
  make(r, "3b4000000000*7b4000000000*11b4000000000");
  EXPECT_EQ(r.rc, 0);
  EXPECT_FALSE(r.ctx.ProcOK);
  EXPECT_EQ(r.ctx.ProcText, "");
  ASSERT_FALSE(r.sink.boxes().empty());
  EXPECT_EQ(r.sink.boxes().back().text, "積の結果がint64の範囲を超えた。");
}

TEST(ProductProcess, FactorsThatAreNotPlainNumbersAreLeftToTheEvaluator) {
  for (const char* expr : {"3b2*0b3", "3!*3b2", "2*3"}) {
    SCOPED_TRACE(expr);
    ProductRun r;
    make(r, expr);
    EXPECT_EQ(r.rc, 0);
    EXPECT_TRUE(r.ctx.ProcOK);
  }
}

}  // namespace
}  // namespace ravlo

namespace ravlo {
namespace {

// The ordinary detail level still draws the first line of a product, whose advice is 1.
TEST(ProductProcess, FirstLineSurvivesTheDetailFilter) {
  ProductRun r;
  make(r, "3b2*4b9");
  ProcessOptions ordinary;
  ordinary.PROCTEIDO = 0;
  const auto shown = shownProcEntries(r.ctx.ProcText, ordinary);
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].entry.advice, 1);
  EXPECT_EQ(shown[1].entry.advice, 62);
  EXPECT_EQ(shown[1].entry.tag, 'Z');
}

}  // namespace
}  // namespace ravlo
