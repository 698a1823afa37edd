// What reaches the speech engine: kana, digits, spaces and pauses only.
#include "app/model/speakable_kana.h"

#include <gtest/gtest.h>

#include <string>

#include "app/model/siki_reading.h"

#include "tests/param_names.h"

namespace ravlo {
namespace {

// Every character of text is one the engine can say.
::testing::AssertionResult onlySpeakable(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string ch = text.substr(i, len);
    if (!isSpeakableCharacter(ch)) {
      return ::testing::AssertionFailure() << "\"" << ch << "\" at byte " << i << " of " << text;
    }
    i += len;
  }
  return ::testing::AssertionSuccess();
}

struct KanaCase {
  const char* reading;
  const char* kana;
};

class Kana : public ::testing::TestWithParam<KanaCase> {};

TEST_P(Kana, WordsBecomeKana) { EXPECT_EQ(SpeakableKana(GetParam().reading), GetParam().kana); }

INSTANTIATE_TEST_SUITE_P(
    Readings, Kana,
    ::testing::Values(
        KanaCase{"1と2ぶんの1", "1と2ぶんの1"},
        KanaCase{"3てん1 4 ", "3てん1 4 "},
        KanaCase{"かっこ閉じる", "かっことじる"},
        KanaCase{"分数式 分母 始め,", "ぶんすうしき ぶんぼ はじめ、"},
        KanaCase{",分子 終わり,", "、ぶんし おわり、"},
        KanaCase{"。以下省略", "。いかしょうりゃく"},
        KanaCase{"。答えは", "。こたえわ"},
        KanaCase{"2のじょうZ", "2のじょう"},
        KanaCase{"2の3じょう^2", "2の3じょう2"},
        KanaCase{"0てん1 @6", "0てん1 じゅんかん6"},
        KanaCase{"2かけるxたす1イコール5。答えはx＝2",
                 "2かけるエックスたす1イコール5。こたえわエックスイコール2"},
        KanaCase{"x≦3", "エックスしょうなりイコール3"},
        KanaCase{"x≧3", "エックスだいなりイコール3"},
        KanaCase{"x＜3", "エックスしょうなり3"},
        KanaCase{"x＞3", "エックスだいなり3"},
        KanaCase{"。答えはx＝かっこ不定かっこ閉じる", "。こたえわエックスイコールかっこふていかっことじる"},
        KanaCase{"x＝かっこ不能かっこ閉じる", "エックスイコールかっこふのうかっことじる"},
        KanaCase{"5P2たす5C2", "5ピー2たす5シー2"},
        KanaCase{"7わる2イコール3R1", "7わる2イコール3あまり1"},
        KanaCase{"１２＋３", "12たす3"},
        // anything else is left out: other kanji, stray marks, a lone long-vowel mark
        KanaCase{"漢字3$%#", "3"},
        KanaCase{"ー1", "1"},
        KanaCase{"", ""}),
    ravlo::test_names::RowName<&KanaCase::reading>{});

// Every token, alone and in a line, comes out speakable.
TEST(KanaForTheEngine, EveryTokenOfTheAlphabetIsSpeakable) {
  const std::string alphabet = "0123456789bk.@upm+-*/^!PC()[]KBxyz<>:=&RQ_";
  for (char c : alphabet) {
    const std::string token(1, c);
    for (bool whole : {false, true}) {
      const std::string kana = SpeakableKana(SikiSpeakText(token, whole));
      EXPECT_TRUE(onlySpeakable(kana)) << "token " << token;
    }
  }
  for (const char* line : {"[m2K3B1]+(m3b1)^2-5P2*5C2/2.5=", "2x+1<=5&x≦2", "4:6=2:3&2:3",
                           "3b1+2=2k3b1=3b7=2.33333333333333333u&2k3b1", "2*x=x+x&x＝(不定)",
                           "7/2=3R1", "Q12_0.1@6=6b1", "2^"}) {
    const std::string kana = SpeakableKana(SikiSpeakText(line, true));
    EXPECT_TRUE(onlySpeakable(kana)) << line;
    EXPECT_FALSE(kana.empty()) << line;
  }
}

TEST(KanaForTheEngine, BrokenUtf8IsDroppedByteByByte) {
  EXPECT_EQ(SpeakableKana(std::string("1\xE3\x81") + "2"), "12");
  EXPECT_EQ(SpeakableKana(std::string("\xFF") + "あ"), "あ");
}

TEST(KanaForTheEngine, TheSpeakableSetIsKanaDigitsSpacesAndPauses) {
  for (const char* ok : {"あ", "ん", "ア", "ヴ", "ー", "1", " ", "、", "。"}) {
    EXPECT_TRUE(isSpeakableCharacter(ok)) << ok;
  }
  for (const char* no : {"+", "=", "a", ",", ".", "漢", "＝", "１", "", "ab"}) {
    EXPECT_FALSE(isSpeakableCharacter(no)) << no;
  }
}

}  // namespace
}  // namespace ravlo
