#include <gtest/gtest.h>

#include <string>

#include "expr/bracket_tidy.h"

namespace ravlo {
namespace {

TEST(KakkoHazusi, UnbracketsSingleNumbersAndMergesSigns) {
  struct Row {
    const char* in;
    bool keepGroups;
    const char* out;
    int result;
  };
  const Row rows[] = {
      {"3b1-(m3b2)", true, "3b1+3b2", 1},
      {"3b1-(m3b2)", false, "3b1+3b2", 1},
      {"(3b1+3b2)-4b1", false, "(3b1+3b2)-4b1", -1},
      {"(3b1+3b2)-4b1", true, "(3b1+3b2)-4b1", 0},
      {"(m2)^2", true, "(m2)^2", 0},
      {"(m2)^2+(m3)", true, "(m2)^2-3", 1},
      {"2*((1+2)^2)", true, "2*((1+2)^2)", 0},
      {"((1+2)*3)^2", true, "((1+2)*3)^2", 0},
      // The power belongs to the bracket that its ")" closes, not to the nearest "(".
      {"(m(3)+1)^2", true, "(m3+1)^2", 1},
      {"((2)^2+1)^3", true, "((2)^2+1)^3", 0},
      {"2-(m3)", true, "2+3", 1},
      {"2+(p3)", true, "2+3", 1},
      {"2+(m3)", true, "2-3", 1},
      {"2-(p3)", true, "2-3", 1},
      {"2*(3)+(4b1)", true, "2*3+4b1", 1},
      {"(m1k2b1)*(0.5)", true, "m1k2b1*0.5", 1},
      {"2-((3))", true, "2-((3))", 0},
      {"2-((3))", false, "2-((3))", -1},
      {"1+2", true, "1+2", 0},
      {"1-m2+p3", false, "1+2+3", 0},
      {"pm3", true, "m3", 0},
      {"mp3", true, "m3", 0},
      {"pp3", true, "3", 0},
      {"mm3", true, "3", 0},
      {"(x)", true, "x", 1},
      {"(3)<(m4)", true, "3<m4", 1},  // relation signs pass through untouched
      {"3)^2", true, "3)^2", 0},
      {"(3", true, "(3", 0},
      {"(3", false, "(3", -1},
      {"(", true, "(", 0},
      {"", true, "", 0},
  };
  for (const auto& r : rows) {
    KakkoContext ctx;
    ctx.KakkoResult = 42;
    EXPECT_EQ(KakkoHazusi(ctx, r.in, r.keepGroups), r.out) << r.in;
    EXPECT_EQ(ctx.KakkoResult, r.result) << r.in;
  }
}

TEST(JoujoKakkoHazusi, OpensProductGroupsAndCollectsTheSign) {
  struct Row {
    const char* in;
    const char* out;
    int kazu;
    int dropped;
  };
  const Row rows[] = {
      {"(m3b2)*(m2)", "3b2*2", 2, 2},
      {"(m3b2)*4b1", "m3b2*4b1", 1, 1},
      {"(m3)*(m2)/(m5)", "m3*2/5", 3, 3},
      {"(p3)*(2)", "3*2", 2, 0},
      {"3b2*4", "3b2*4", 0, 0},
      {"(3b2)+4", "(3b2)+4", -1, 0},
      {"2*(m3)-1", "2*(m3)-1", -1, 0},
      {"(mp3)*2", "-3*2", 1, 1},  // the leading "m" meets the group's "p"
      {"((m3))*2", "(m3)*2", 1, 0},
      {"(", "", 1, 0},
      {"()", "", 1, 0},
      {"", "", 0, 0},
  };
  for (const auto& r : rows) {
    KakkoContext ctx;
    ctx.KakkoKazu = 42;
    ctx.droppedMinusCount = 42;
    EXPECT_EQ(JoujoKakkoHazusi(ctx, r.in), r.out) << r.in;
    EXPECT_EQ(ctx.KakkoKazu, r.kazu) << r.in;
    EXPECT_EQ(ctx.droppedMinusCount, r.dropped) << r.in;
  }
}

TEST(KakkoTenkai, OpensEveryBracketOfASum) {
  struct Row {
    const char* in;
    const char* out;
  };
  const Row rows[] = {
      {"2-(3-1)", "2-3+1"},
      {"(1+2)-(3+4)", "1+2-3-4"},
      {"m(2+3b1)+1", "m2-3b1+1"},
      {"p(2+3b1)+1", "p2+3b1+1"},
      {"3+(m2b1)", "3-2b1"},
      {"3+(p2b1)", "3+2b1"},
      {"3+(2b1+1)", "3+2b1+1"},
      {"1+(2+3b1)-(1+3b2)", "1+2+3b1-1-3b2"},
      {"1+2", "1+2"},
      {"2-(3", "2-3"},
      {"-(", "-"},
      {"", ""},
  };
  for (const auto& r : rows) EXPECT_EQ(KakkoTenkai(r.in), r.out) << r.in;
}

}  // namespace
}  // namespace ravlo
