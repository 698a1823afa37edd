#include "process/advice_table.h"

#include <gtest/gtest.h>

#include <string>

namespace ravlo {
namespace {

TEST(AdviceTable, HundredTextsEachEndingWithItsNumber) {
  EXPECT_EQ(kAdviceCount, 100);
  EXPECT_EQ(adviceText(0), "");
  for (int n = 1; n < kAdviceCount; ++n) {
    SCOPED_TRACE(n);
    const std::string_view t = adviceText(n);
    ASSERT_FALSE(t.empty());
    // Two texts write their number with three digits.
    const std::string tag = (n == 17 || n == 46) ? "[0" + std::to_string(n) + "]"
                                                 : "[" + std::to_string(n) + "]";
    const std::size_t at = t.rfind(tag);
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_EQ(at + tag.size(), t.size());
  }
}

TEST(AdviceTable, OutsideTheTableIsEmpty) {
  EXPECT_EQ(adviceText(-1), "");
  EXPECT_EQ(adviceText(100), "");
  EXPECT_EQ(adviceText(999), "");
}

TEST(AdviceTable, ExactTexts) {
  struct Row {
    int n;
    const char* text;
  };
  // Full-width spaces written as escapes so that they cannot be mistaken for plain ones.
  const Row rows[] = {
      {1, "⇒ 約分できるものは､まず約分しよう。[1]"},
      {2, "⇔ [約分] 約分は､分母・分子を同じ数で割ります。||\u3000\u3000(割り切れなくなるまで､割るよ)▼[2]"},
      {5, "⇒ 分母が同じ分数は､分母を一つにして、||\u3000 分子だけの加減を行います。▼[5]"},
      {17, "⇒ 整数のグループを計算しましょう。[017]"},
      {20, "⇒ 計算終了しました。ホっ!! 時間があれば検算しよう！\u3000(^_^) [20]"},
      {21, "⇒ (\u3000) の中の帯分数を､整数部と分数部に分けよう。[21]"},
      {42, "⇒  ＋(－◆) の ( ) を外すと －◆ になるよ。[42]"},
      {46, "⇔ 前の分数は、分母で割り切れて(約分できて)、整数になりました。[046]"},
      {47, "⇔ 整数と真分数を合体して､帯分数ができました。||\u3000 ◎結局､[商]と[分母]分の[余り]､に直せるんだね！ <終わり>[47]"},
      {62, "⇒ かけてある分数どうしでは､どの分母と分子の間でも||\u3000 約分できるよ。割れるものから割っていこう。[62]"},
      {73, "⇒ 既約分数（約分の終わった分数）になりました。(~_~) <終わり>[73]"},
      {74, "⇒ [方針①]いったん帯分数を仮分数に直し､||\u3000\u3000\u3000通分して計算します。▼[74]"},
      {84, "⇒ 通分しよう。||\u3000 [整数部があれば分離しておき､最後に合体します] [84]"},
      {90, "⇔\u3000↓\u3000(途中経過)[90]"},
      {91, "⇒ (  ）をはずそう。＋－の符号に注意すること。[91]"},
      {93, "⇒ (  ）を外す。<－>の個数が奇数個なら､式の先頭を<－>にしよう。[93]"},
      {99, "⇔ ▼分母をそろえる(通分する)ために､<分母＝分子>の分数をかけます。||\u3000<分母＝分子>の分数は１と同じなので､かけても大きさは変わらないよ。[99]"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.n);
    EXPECT_EQ(adviceText(r.n), r.text);
  }
}

TEST(AdviceTable, FullWidthSpacesWhereTheTextsHaveThem) {
  const std::string fw = "\u3000";
  int withFullWidth = 0;
  for (int n = 0; n < kAdviceCount; ++n)
    if (std::string(adviceText(n)).find(fw) != std::string::npos) ++withFullWidth;
  EXPECT_EQ(withFullWidth, 22);
  EXPECT_EQ(std::string(adviceText(91)).find(fw), std::string::npos);  // two plain spaces
}

TEST(AdviceTable, DetailFilterHidesOneFourAndThirtyFiveExceptFirst) {
  ProcessOptions ordinary;
  ordinary.PROCTEIDO = 0;
  ProcessOptions detailed;
  detailed.PROCTEIDO = 1;
  for (int n = 0; n < kAdviceCount; ++n) {
    SCOPED_TRACE(n);
    const bool hidden = n == 1 || n == 4 || n == 35;
    EXPECT_EQ(isDetailOnlyAdvice(n), hidden);
    EXPECT_TRUE(processEntryShown(1, n, ordinary));
    EXPECT_EQ(processEntryShown(2, n, ordinary), !hidden);
    EXPECT_TRUE(processEntryShown(2, n, detailed));
  }
}

TEST(AdviceTable, AdviceLineNeedsANumberAndTheSetting) {
  ProcessOptions on;
  on.ADVICEDSP = 1;
  ProcessOptions off;
  off.ADVICEDSP = 0;
  EXPECT_TRUE(adviceLineShown(20, on));
  EXPECT_FALSE(adviceLineShown(0, on));
  EXPECT_FALSE(adviceLineShown(20, off));
}

TEST(AdviceTable, EntriesOfATidyText) {
  const auto e = procEntries("001X3b2*4b9~062Z=3b2*4b9~000X=6b3~");
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].advice, 1);
  EXPECT_EQ(e[0].tag, 'X');
  EXPECT_EQ(e[0].expr, "3b2*4b9");
  EXPECT_EQ(e[1].advice, 62);
  EXPECT_EQ(e[1].tag, 'Z');
  EXPECT_EQ(e[1].expr, "=3b2*4b9");
  EXPECT_EQ(e[2].advice, 0);
  EXPECT_TRUE(procEntries("").empty());
  // Text after the last "~" is not an entry; an entry without a tag has no advice.
  const auto odd = procEntries("3b2~020X=1k2b1");
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_EQ(odd[0].advice, 0);
  EXPECT_EQ(odd[0].expr, "3b2");
}

TEST(AdviceTable, ShownEntriesOfASumAndAProduct) {
  // 1/3 + 1/4 in detail: the 004 and 035 lines are drawn only at the detailed level.
  const std::string sum = "003X3b1+4b1~004X=[3*4B1*4]+[4*3B1*3]~005X=12b4+12b3~035X=[12B4+3]~020X=12b7~";
  ProcessOptions o;
  o.ADVICEDSP = 1;
  o.PROCTEIDO = 0;
  auto shown = shownProcEntries(sum, o);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].entry.advice, 3);
  EXPECT_EQ(shown[1].entry.advice, 5);
  EXPECT_EQ(shown[2].entry.advice, 20);
  EXPECT_TRUE(shown[2].adviceShown);
  o.PROCTEIDO = 1;
  EXPECT_EQ(shownProcEntries(sum, o).size(), 5u);

  // A product's first line carries advice 1 and stays at the ordinary level.
  const std::string product = "001X3b2*4b9~062Z=3b2*4b9~064X=[1*2B1*3]~009X=2b3~020X=1k2b1~";
  o.PROCTEIDO = 0;
  o.ADVICEDSP = 0;
  shown = shownProcEntries(product, o);
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].entry.advice, 1);
  EXPECT_FALSE(shown[0].adviceShown);
}

struct FakeSettings {
  bool PROCDSP = true;
  bool ADVICEDSP = true;
  bool PROCTEIDO = false;
  bool PROCLASTANS = true;
};

TEST(AdviceTable, OptionsFromTheSettingsRecordKeepTheUnsavedFlag) {
  ProcessOptions current;
  current.HENKAN_YAKUBUN = 0;
  const ProcessOptions o = processOptionsFrom(FakeSettings{}, current);
  EXPECT_EQ(o.PROCDSP, 1);
  EXPECT_EQ(o.ADVICEDSP, 1);
  EXPECT_EQ(o.PROCTEIDO, 0);
  EXPECT_EQ(o.PROCLASTANS, 1);
  EXPECT_EQ(o.HENKAN_YAKUBUN, 0);
  EXPECT_EQ(ProcessOptions{}.HENKAN_YAKUBUN, 1);  // starts on with every program start
}

}  // namespace
}  // namespace ravlo
