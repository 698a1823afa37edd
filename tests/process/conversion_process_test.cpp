// The conversion commands and their worked solutions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/message_sink.h"
#include "core/number_theory.h"
#include "process/conversion_command.h"
#include "process/conversion_process.h"

namespace ravlo {
namespace {

struct Outcome {
  ConversionResult result;
  ProcessContext ctx;
  RecordingSink sink;
};

void convert(Outcome& o, ConversionKind kind, const std::string& line, int procDsp,
             int henkan = 1) {
  o.ctx.options.PROCDSP = procDsp;
  o.ctx.options.HENKAN_YAKUBUN = henkan;
  NumberTheory nt(o.sink);
  ConversionCommands commands(o.ctx, o.sink, nt);
  o.result = commands.run(kind, line);
}

TEST(ConversionProcess, WorkedSolutions) {
  struct Row {
    ConversionKind kind;
    const char* line;
    int henkan;
    int type;
    const char* procText;
  };
  using K = ConversionKind;
  const Row rows[] = {
      {K::Yaku, "6b4", 1, 9, "056X6b4~057A=6b4~059X=3b2~"},
      {K::Yaku, "1k6b4", 1, 9, "056X1k6b4~058A=1k6b4~059X=1k3b2~"},
      {K::Yaku, "6b4=3b2", 1, 9, "056X6b4~057A=6b4~059X=3b2~"},
      {K::Syou, "0.5", 1, 14, "070X0.5~071X=10b5~072A=10b5~073X=2b1~"},
      // The tidy-up keeps the 098 line, which repeats the 071 line.
      {K::Syou, "0.3", 1, 14, "070X0.3~098X=10b3~"},
      {K::Syou, "2.35", 1, 14, "070X2.35~071X=2k100b35~072A=2k100b35~073X=2k20b7~"},
      {K::Syou, "7", 1, 14, "054X7~055X=1b7~"},
      {K::Syou, "m7", 1, 14, "054Xm7~055X=m1b7~"},
      {K::Syou, "m2.35", 1, 14, "070Xm2.35~071X=m2k100b35~072A=m2k100b35~073X=m2k20b7~"},
      {K::Syou, "1b3+0.5=3b5=0.5", 1, 14, "070X0.5~071X=10b5~072A=10b5~073X=2b1~"},
      // A repeating decimal handed to the decimal command goes on as a repeating one.
      {K::Syou, "0.@3", 1, 15, "087X0.@3~086X=0.@1*3~089X=9b1*3~072X=9b3~002A=9b3~073X=3b1~"},
      // The answer of a line, in either command, without going round in circles.
      {K::Syou, "1b3=0.@3", 1, 15, "087X0.@3~086X=0.@1*3~089X=9b1*3~072X=9b3~002A=9b3~073X=3b1~"},
      {K::Junkan, "1b3=0.@3", 1, 15, "087X0.@3~086X=0.@1*3~089X=9b1*3~072X=9b3~002A=9b3~073X=3b1~"},
      {K::Junkan, "0.@3", 1, 15, "087X0.@3~086X=0.@1*3~089X=9b1*3~072X=9b3~002A=9b3~073X=3b1~"},
      {K::Junkan, "0.1@6", 1, 15,
       "080X0.1@6~081X=0.1+0.0@6~082X=10b1+0.0@6~077X=10b1+0.@6*10b1~078X=10b1+9b6*10b1~"
       "084X=10b1+90b6~004X=[10*9B1*9]+[90B6]~005X=90b9+90b6~035X=[90B9+6]~072X=90b15~"
       "002A=90b15~073X=6b1~"},
      {K::Junkan, "2.@3", 1, 15,
       "080X2.@3~082X=2+0.@3~072X=2+9b3~002A=2+9b3~090X=2+3b1~073X=2k3b1~"},
      {K::Junkan, "0.@01", 1, 15, "086X0.@01~073X=99b1~"},
      {K::Junkan, "0.0@1", 1, 15, "076X0.0@1~086X=0.@1*10b1~079X=9b1*10b1~073X=90b1~"},
      {K::Junkan, "0.00@3", 1, 15, "076X0.00@3~086X=0.@3*100b1~078X=9b3*100b1~072X=900b3~002A=900b3~073X=300b1~"},
      {K::Junkan, "0.5", 1, 14, "070X0.5~071X=10b5~072A=10b5~073X=2b1~"},
      {K::Tai, "3b7", 1, 17,
       "043X3b7~044X=[3B3*2+1]~045X=[3B3*2]+3b1~090X=3b3*2+3b1~097Y=3b3*2+3b1~010X=2+3b1~"
       "047X=2k3b1~"},
      {K::Tai, "3b6", 1, 17, "001X3b6~058A=3b6~043X=1b2~096X=2~"},
      // Without the reduction first the remainder 0 still reduces.
      {K::Tai, "3b6", 0, 17, "001X3b6~058A=3b6~043X=1b2~096X=2~"},
      {K::Tai, "4b10", 1, 17,
       "001X4b10~058A=4b10~043X=2b5~044X=[2B2*2+1]~045X=[2B2*2]+2b1~090X=2b2*2+2b1~"
       "097Y=2b2*2+2b1~010X=2+2b1~047X=2k2b1~"},
      {K::Tai, "4b10", 0, 17,
       "043X4b10~044X=[4B4*2+2]~045X=[4B4*2]+4b2~090X=4b4*2+4b2~097Y=4b4*2+4b2~010X=2+4b2~"
       "047X=2k4b2~"},
      {K::Tai, "1+4b3=2k3b1=3b7", 1, 17,
       "043X1+4b3~000X=2k3b1~000X=3b7~044X=[3B3*2+1]~045X=[3B3*2]+3b1~090X=3b3*2+3b1~"
       "097Y=3b3*2+3b1~010X=2+3b1~047X=2k3b1~"},
      {K::Ka, "2k3b1", 1, 18,
       "050X2k3b1~051X=2+3b1~052X=1b2+3b1~099X=1b2*3b3+3b1~060X=[1*3B2*3]+3b1~005X=3b6+3b1~"
       "035X=[3B6+1]~055X=3b7~"},
      {K::Ka, "2k6b2", 1, 18,
       "001X2k6b2~058A=2k6b2~050X=2k3b1~051X=2+3b1~052X=1b2+3b1~099X=1b2*3b3+3b1~"
       "060X=[1*3B2*3]+3b1~005X=3b6+3b1~035X=[3B6+1]~055X=3b7~"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    Outcome o;
    convert(o, row.kind, row.line, 1, row.henkan);
    EXPECT_TRUE(o.result.done);
    EXPECT_TRUE(o.result.processBuilt);
    EXPECT_EQ(o.ctx.ProcType, row.type);
    EXPECT_EQ(o.ctx.ProcText, row.procText);
    EXPECT_TRUE(o.sink.empty());
  }
}

// A negative value keeps its sign on every line.
TEST(ConversionProcess, NegativeValues) {
  struct Row {
    ConversionKind kind;
    const char* line;
    const char* procText;
  };
  using K = ConversionKind;
  const Row rows[] = {
      {K::Junkan, "m0.@3", "087Xm0.@3~086X=m0.@1*3~089X=m9b1*3~072X=m9b3~002A=m9b3~073X=m3b1~"},
      {K::Junkan, "m2.@3",
       "080Xm2.@3~082X=m(2+0.@3)~002X=m(2+9b3)~090X=m(2+3b1)~073X=m2k3b1~"},
      {K::Tai, "m3b7",
       "043Xm3b7~044X=m([3B3*2+1])~045X=m([3B3*2]+3b1)~097X=m(3b3*2+3b1)~010X=m(2+3b1)~"
       "047X=m2k3b1~"},
      {K::Ka, "m2k3b1",
       "050Xm2k3b1~051X=m(2+3b1)~052X=m(1b2+3b1)~099X=m(1b2*3b3+3b1)~060X=m([1*3B2*3]+3b1)~"
       "005X=m(3b6+3b1)~035X=m([3B6+1])~055X=m3b7~"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    Outcome o;
    convert(o, row.kind, row.line, 1);
    EXPECT_TRUE(o.result.done);
    EXPECT_EQ(o.ctx.ProcText, row.procText);
  }
}

TEST(ConversionProcess, ImproperStepsFollowTheProcessOfTheLine) {
  Outcome o;
  o.ctx.ProcText = "038X3b1+2k3b1~020X=2k3b2~";
  o.ctx.ProcType = 2;
  convert(o, ConversionKind::Ka, "3b1+2k3b1=2k3b2", 1);
  EXPECT_EQ(o.ctx.ProcType, 18);
  EXPECT_EQ(o.ctx.ProcText,
            "038X3b1+2k3b1~020X=2k3b2~050X=3b1+2k3b1~000X=2k3b2~051X=2+3b2~052X=1b2+3b2~"
            "099X=1b2*3b3+3b2~060X=[1*3B2*3]+3b2~005X=3b6+3b2~035X=[3B6+2]~055X=3b8~");
}

TEST(ConversionProcess, LinesWithoutTheProcessDisplay) {
  struct Row {
    ConversionKind kind;
    const char* line;
    const char* result;
    const char* status;
  };
  using K = ConversionKind;
  const Row rows[] = {
      {K::Yaku, "6b4", "6b4=3b2", "◆約分の過程を表示しました。"},
      {K::Yaku, "1k6b4", "1k6b4=1k3b2", "◆約分の過程を表示しました。"},
      {K::Syou, "2.35", "2.35=2k20b7", "◆小数を分数になおしました。"},
      {K::Syou, "7", "7=1b7", "◆小数を分数になおしました。"},
      {K::Syou, "0.@3", "0.@3=3b1", "◆循環小数を分数になおしました。"},
      {K::Junkan, "0.1@6", "0.1@6=6b1", "◆循環小数を分数になおしました。"},
      {K::Junkan, "12.@3", "12.@3=12k3b1", "◆循環小数を分数になおしました。"},
      {K::Junkan, "0.5@0", "0.5@0=2b1", "◆小数を分数になおしました。"},
      {K::JunkanOf, "3b1", "3b1=0.@3", "◆分数を循環小数になおしました。"},
      {K::JunkanOf, "6b1", "6b1=0.1@6", "◆分数を循環小数になおしました。"},
      {K::JunkanOf, "3b7", "3b7=2.@3", "◆分数を循環小数になおしました。"},
      {K::JunkanOf, "3b1+2=2k3b1", "3b1+2=2k3b1=2.@3", "◆分数を循環小数になおしました。"},
      {K::JunkanOf, "m7b15", "m7b15=m2.@142857", "◆分数を循環小数になおしました。"},
      {K::JunkanOf, "8b3", "8b3=0.375", "◆分数を循環小数になおしました。"},
      {K::Tai, "3b7", "3b7=2k3b1", ""},
      {K::Tai, "3b6", "3b6=2", ""},
      {K::Tai, "3b1+4b3=3b5", "3b1+4b3=3b5=1k3b2", ""},
      {K::Tai, "1+2=3b5&3b5", "1+2=3b5=1k3b2&3b5", ""},
      {K::Ka, "2k3b1", "2k3b1=3b7", ""},
      {K::Ka, "6", "6=1b6", ""},
      {K::Ka, "2k6b2", "2k6b2=3b7", ""},
      {K::Decimal, "4b1", "4b1=0.25", ""},
      {K::Decimal, "3b1", "3b1=0.33333333333333333u", ""},
      {K::Decimal, "1+1=3b1&3b1", "1+1=3b1=0.33333333333333333u&3b1", ""},
      {K::Decimal, "m2k2b1", "m2k2b1=m2.5", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    Outcome o;
    convert(o, row.kind, row.line, 0);
    EXPECT_TRUE(o.result.done);
    EXPECT_FALSE(o.result.processBuilt);
    EXPECT_EQ(o.result.line, row.result);
    EXPECT_EQ(o.sink.lastStatus(), row.status);
    EXPECT_TRUE(o.sink.boxes().empty());
    EXPECT_EQ(o.ctx.ProcText, "");
  }
}

TEST(ConversionProcess, DecimalNotes) {
  Outcome ends;
  convert(ends, ConversionKind::Decimal, "4b1", 0);
  EXPECT_EQ(ends.result.note, "【割り切れました】");
  Outcome repeats;
  convert(repeats, ConversionKind::Decimal, "3b1", 0);
  EXPECT_EQ(repeats.result.note, "【割り切れません】");
  // It ends only at the 62nd place: shown cut, as the answer chain shows it.
  Outcome late;
  convert(late, ConversionKind::Decimal, "4611686018427387904b461", 0);
  EXPECT_EQ(late.result.line, "4611686018427387904b461=0.0000000000000001u");
  EXPECT_EQ(late.result.note, "【割り切れました】");
}

TEST(ConversionProcess, Refusals) {
  struct Row {
    ConversionKind kind;
    const char* line;
    int procDsp;
    const char* caption;  // "" when nothing is said
    const char* text;
  };
  using K = ConversionKind;
  const Row rows[] = {
      {K::Yaku, "3b2", 1, "報告!!", "公約数がないので、\n約分できません。"},
      {K::Yaku, "5", 1, "報告!!", "分数でないので、\n約分できません。"},
      {K::Yaku, "1+4b2", 0, "報告!!", "分数でないので、\n約分できません。"},
      {K::Yaku, "1+1=4b2", 0, "報告!!", "分数でないので、\n約分できません。"},
      {K::Syou, "3b2", 1, "Report！", "小数を入力してください！"},
      {K::Syou, "1+2", 0, "Report！", "小数を入力してください！"},
      {K::Junkan, "3b2", 1, "Report！", "小数を入力してください！"},
      {K::Junkan, "1+2", 1, "Report！", "分数に直すのに失敗！"},
      {K::Tai, "4b3", 1, "ご報告！", "真分数(分母＞分子)は、帯分数に直せません。"},
      {K::Tai, "4b3", 0, "ご報告！", "真分数(分母＞分子)は、帯分数に直せません。"},
      {K::Tai, "0", 0, "ご報告！", "真分数(分母＞分子)は、帯分数に直せません。"},
      {K::Tai, "3b1+2=2.33333333333333333u", 0, "ご報告！", "…表示の小数の後は､ご遠慮を。"},
      {K::Ka, "3b1+2=2.33333333333333333u", 0, "Debug", "…表示の小数の後はご遠慮してね。"},
      {K::Ka, "3b7", 1, "ご報告！", "与えられた分数が、帯分数ではありません。"},
      {K::JunkanOf, "1+2", 0, "Report！", "まず分数に直すのに失敗！"},
      {K::JunkanOf, "4b8", 0, "Report！", "整数は循環小数に直せない。"},
      {K::JunkanOf, "7", 0, "Report！", "整数は循環小数に直せない。"},
      {K::JunkanOf, "38b1", 0, "Report!!",
       "循環幅が18ケタを超えるので、\n\n循環小数の表示ができません。\n\nしくしく･･･ (^_^)"},
      {K::Decimal, "1+2", 0, "", ""},
      {K::Tai, "1+2", 0, "", ""},
      {K::Decimal, "", 0, "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    Outcome o;
    convert(o, row.kind, row.line, row.procDsp);
    EXPECT_FALSE(o.result.done);
    EXPECT_EQ(o.ctx.ProcText, "");
    EXPECT_EQ(o.ctx.ProcType, 0);
    const auto boxes = o.sink.boxes();
    if (std::string(row.caption).empty()) {
      EXPECT_TRUE(boxes.empty());
      continue;
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, row.caption);
    EXPECT_EQ(boxes[0].text, row.text);
  }
}

TEST(ConversionProcess, KindNames) {
  EXPECT_EQ(conversionKindFromName("yaku"), ConversionKind::Yaku);
  EXPECT_EQ(conversionKindFromName("syou"), ConversionKind::Syou);
  EXPECT_EQ(conversionKindFromName("junkan"), ConversionKind::Junkan);
  EXPECT_EQ(conversionKindFromName("tai"), ConversionKind::Tai);
  EXPECT_EQ(conversionKindFromName("ka"), ConversionKind::Ka);
  EXPECT_EQ(conversionKindFromName("junkan-of"), ConversionKind::JunkanOf);
  EXPECT_EQ(conversionKindFromName("decimal"), ConversionKind::Decimal);
  EXPECT_FALSE(conversionKindFromName("Yaku").has_value());
}

}  // namespace
}  // namespace ravlo
