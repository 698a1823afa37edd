// Base-n mode: switching it, what it does to speaking every key, and the conversions typed in it.
#include <gtest/gtest.h>

#include "app/model/conversion_router.h"
#include "app/model/nsin_mode.h"
#include "calc_state_support.h"
#include "core/base_n_line.h"

#include "tests/param_names.h"

namespace ravlo {
namespace {

using testing_support::Session;

TEST(NsinModeSwitch, OnShowsTheFormatAndOffRestoresSpeaking) {
  Session s([](CalcSettings& c) { c.EVERYINPUT = 1; });
  const int repaints = s.view.repaints;
  NsinModeSwitch(*s);
  EXPECT_TRUE(s->NsinMode);
  EXPECT_EQ(s.settings.EVERYINPUT, 0);
  EXPECT_EQ(s->LineMark().text, "Ｎ ");
  ASSERT_EQ(s.sink.entries().size(), 2u);
  EXPECT_EQ(s.sink.entries()[0].text, "Ｎ進法変換モードに入りました！!");
  EXPECT_EQ(s.sink.entries()[1].caption, "ｎ進法の変換！");
  EXPECT_EQ(s.sink.entries()[1].text,
            "◇書式◇\n\n　1232(n) ････ｎ進数の1234を10進数にする\n　1232>(n) ････10進数の1234をｎ進数にする\n"
            "　1232(n>m) ････ｎ進数の1234をｍ進数にする");
  EXPECT_GT(s.view.repaints, repaints);
  // Typing is silent in the mode.
  s.type("1");
  EXPECT_TRUE(s.voice.spoken.empty());

  s.sink.clear();
  NsinModeSwitch(*s);
  EXPECT_FALSE(s->NsinMode);
  EXPECT_EQ(s.settings.EVERYINPUT, 1);
  EXPECT_EQ(s->LineMark().text, "■ ");
  EXPECT_EQ(s.sink.lastStatus(), "Ｎ進法変換モードを出ました！!");
  EXPECT_TRUE(s.sink.boxes().empty());
}

struct HenkanRow {
  const char* line;
  const char* result;
};

class NsinHenkanRows : public ::testing::TestWithParam<HenkanRow> {};

TEST_P(NsinHenkanRows, ConvertAndClose) {
  Session s;
  s->NsinMode = true;
  s->InpSiki = GetParam().line;
  EXPECT_TRUE(NsinHenkan(*s));
  EXPECT_EQ(s->InpSiki, GetParam().result);
  EXPECT_FALSE(s->InpAccept);
  EXPECT_FALSE(s.view.erased.empty());
  EXPECT_TRUE(s.sink.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Forms, NsinHenkanRows,
                         ::testing::Values(HenkanRow{"255>(16", "255(10)=FF(16)"},
                                           HenkanRow{"255>(16)", "255(10)=FF(16)"},
                                           HenkanRow{"11(2", "11(2)=3(10)"},
                                           HenkanRow{"12(3>5", "12(3)=10(5)"},
                                           HenkanRow{"FF(16", "FF(16)=255(10)"}),
    ravlo::test_names::RowName<&HenkanRow::line>{});

TEST(NsinHenkan, ABadBaseShowsTheFormatWithTheBracketNote) {
  Session s;
  s->NsinMode = true;
  s->InpSiki = "12(1";
  EXPECT_FALSE(NsinHenkan(*s));
  const auto boxes = s.sink.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "ｎ進法の変換！");
  EXPECT_EQ(boxes[0].text, kNsinFormatHelp);
  EXPECT_NE(boxes[0].text.find("＊最後の ） は省略可"), std::string::npos);
  EXPECT_EQ(s->InpSiki, "12(1");
  EXPECT_TRUE(s->InpAccept);
}

TEST(NsinHenkan, DoneLinesAndOrdinaryModeAreLeftAlone) {
  Session s;
  s->NsinMode = true;
  s->InpSiki = "11(2)=3(10)";
  EXPECT_FALSE(NsinHenkan(*s));
  EXPECT_EQ(s->InpSiki, "11(2)=3(10)");
  s->NsinMode = false;
  s->InpSiki = "11(2";
  EXPECT_FALSE(NsinHenkan(*s));
  EXPECT_TRUE(s.sink.empty());
}

TEST(NsinHenkan, TypedWithTheKeysAndClosedByEquals) {
  Session s;
  NsinModeSwitch(*s);
  s.type("255");
  s.press(vk::Period);  // ">"
  s.type("(16)");
  ASSERT_EQ(s->InpSiki, "255>(16)");
  // "=" is handed on to the conversion; the router runs it.
  EXPECT_EQ(s->JiInput('='), kJiRefused);
  ASSERT_EQ(s.commands.ran.size(), 1u);
  runConversionCommand(*s, s.commands.ran[0]);
  EXPECT_EQ(s->InpSiki, "255(10)=FF(16)");
  EXPECT_FALSE(s->InpAccept);
}

TEST(NsinHenkan, BracketsAfterANumberOnlyInTheMode) {
  // The base follows the number directly even when "×" may not be left out elsewhere.
  Session s;
  s.type("12(");
  EXPECT_EQ(s->InpSiki, "12");
  NsinModeSwitch(*s);
  s.type("(3");
  s.press(vk::Period);
  s.type("5)");
  EXPECT_EQ(s->InpSiki, "12(3>5)");
  EXPECT_TRUE(NsinHenkan(*s));
  EXPECT_EQ(s->InpSiki, "12(3)=10(5)");
}

}  // namespace
}  // namespace ravlo
