#include "app/model/calc_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "tests/app/settings_test_support.h"

namespace ravlo {
namespace {

using namespace std::string_literals;
using Member = std::function<std::string(const CalcSettings&)>;

std::string show(int v) { return std::to_string(v); }
std::string show(bool v) { return v ? "1" : "0"; }
std::string show(const std::string& v) { return v; }

#define MEMBER(name) [](const CalcSettings& s) { return show(s.name); }

CalcSettings readText(const std::string& text, std::vector<SettingIssue>* issues = nullptr) {
  CalcSettings s;
  auto found = readSettings(IniDocument::parse(text), s);
  if (issues) *issues = found;
  return s;
}

TEST(CalcSettings, DefaultsWriteEveryKeyInFileOrder) {
  IniDocument doc;
  writeSettings(CalcSettings{}, doc);
  EXPECT_EQ(doc.text(), testing_support::defaultSettingsUtf8());
}

struct KeyRow {
  std::string_view section;
  std::string key;
  std::string stored;
  Member member;
};

// Every key lands in its own member (values chosen away from the defaults).
TEST(CalcSettings, ReadsEveryKeyIntoItsMember) {
  const KeyRow rows[] = {
      {kSectionCalcScreen, "FONTNAME", "ＭＳ 明朝", MEMBER(FONTNAME)},
      {kSectionCalcScreen, "FONTSIZE", "20", MEMBER(FONTSIZE)},
      {kSectionCalcScreen, "MAINTOP", "-10", MEMBER(MAINTOP)},
      {kSectionCalcScreen, "MAINLEFT", "11", MEMBER(MAINLEFT)},
      {kSectionCalcScreen, "MAINHEIGHT", "612", MEMBER(MAINHEIGHT)},
      {kSectionCalcScreen, "MAINWIDTH", "813", MEMBER(MAINWIDTH)},
      {kSectionCalcScreen, "CURSOLTEMPO", "1250", MEMBER(CURSOLTEMPO)},
      {kSectionCalcScreen, "PAGEA4BAI", "250", MEMBER(PAGEA4BAI)},
      {kSectionCalcScreen, "GYOKEISUU", "12", MEMBER(GYOKEISUU)},
      {kSectionCalcScreen, "WAKIGAKI", "0", MEMBER(WAKIGAKI)},
      {kSectionCalcScreen, "SBARDSP", "0", MEMBER(SBARDSP)},
      {kSectionCalcScreen, "KAITOURAN_FLAG", "1", MEMBER(KAITOURAN_FLAG)},
      {kSectionNote, "FONTNAME", "ＭＳ Ｐゴシック", MEMBER(NOTE_FONTNAME)},
      {kSectionNote, "FONTSIZE", "9", MEMBER(NOTE_FONTSIZE)},
      {kSectionNote, "KANKAKU", "25", MEMBER(KANKAKU)},
      {kSectionNote, "NOTEBKTOP", "21", MEMBER(NOTEBKTOP)},
      {kSectionNote, "NOTEBKLEFT", "22", MEMBER(NOTEBKLEFT)},
      {kSectionNote, "NOTEBKHEIGHT", "623", MEMBER(NOTEBKHEIGHT)},
      {kSectionNote, "NOTEBKWIDTH", "624", MEMBER(NOTEBKWIDTH)},
      {kSectionNote, "PAGEA4BAIN", "300", MEMBER(PAGEA4BAIN)},
      {kSectionNote, "KAITOURAN_FLAG", "1", MEMBER(NOTE_KAITOURAN_FLAG)},
      {kSectionNote, "KAITOURAN_ITI", "80", MEMBER(KAITOURAN_ITI)},
      {kSectionSikiDisplay, "EQUAL_KAIGYO", "1", MEMBER(EQUAL_KAIGYO)},
      {kSectionSikiDisplay, "INPUTSTR_DSP", "1", MEMBER(INPUTSTR_DSP)},
      {kSectionSikiDisplay, "KAKERU_ABR", "1", MEMBER(KAKERU_ABR)},
      {kSectionSpeech, "EVERYINPUT", "1", MEMBER(EVERYINPUT)},
      {kSectionSpeech, "ALLSTRING", "1", MEMBER(ALLSTRING)},
      {kSectionSpeech, "WITHKETA", "1", MEMBER(WITHKETA)},
      {kSectionSpeech, "SEIBETU", "-7", MEMBER(SEIBETU)},
      {kSectionSpeech, "HAYASA", "1", MEMBER(HAYASA)},
      {kSectionSpeech, "OOKISA", "70", MEMBER(OOKISA)},
      {kSectionAnswer, "ANSSYU", "2", MEMBER(ANSSYU)},
      {kSectionAnswer, "SYOUDSP", "1", MEMBER(SYOUDSP)},
      {kSectionSikiEdit, "KEYTENYOU", "1", MEMBER(KEYTENYOU)},
      {kSectionSikiEdit, "RETKEYFLAG", "0", MEMBER(RETKEYFLAG)},
      {kSectionGoals, "SOUSUU", "3", MEMBER(MOKUHYOU_SOUSUU)},
      {kSectionGoals, "DSPBANGOU", "2", MEMBER(DSPBANGOU)},
      {kSectionGoals, "MOKUHYOU0", "計算を速く", MEMBER(MOKUHYOU[0])},
      {kSectionGoals, "MOKUHYOU2", "分数に強くなる", MEMBER(MOKUHYOU[2])},
      {kSectionGoals, "FONTNAME", "ＭＳ 明朝", MEMBER(MOKUHYOU_FONTNAME)},
      {kSectionGoals, "FONTSIZE", "30", MEMBER(MOKUHYOU_FONTSIZE)},
      {kSectionGoals, "FONTCOLOR", "16711680", MEMBER(FONTCOLOR)},
      {kSectionGoals, "JIOKURI", "80", MEMBER(JIOKURI)},
      {kSectionProcess, "PROCDSP", "1", MEMBER(PROCDSP)},
      {kSectionProcess, "ADVICEDSP", "1", MEMBER(ADVICEDSP)},
      {kSectionProcess, "PROCTEIDO", "1", MEMBER(PROCTEIDO)},
      {kSectionProcess, "PROCLASTANS", "1", MEMBER(PROCLASTANS)},
      {kSectionMemo, "SOUSUU", "50", MEMBER(MEMO_SOUSUU)},
      {kSectionMemo, "SIKI0", "3b2+1", MEMBER(SIKI[0])},
      {kSectionMemo, "SIKI49", "1k3b2", MEMBER(SIKI[49])},
      {kSectionConstants, "SOUSUU", "35", MEMBER(TEISUU_SOUSUU)},
      {kSectionConstants, "値0", "3.14 #円周率", MEMBER(ATAI[0])},
      {kSectionConstants, "値34", "9.8", MEMBER(ATAI[34])},
      {kSectionFactor, "WA_TYPE", "1", MEMBER(WA_TYPE)},
      {kSectionFactor, "1GYOU_SUU", "5", MEMBER(ICHIGYOU_SUU)},
      {kSectionOther, "WARI_TYPE", "1", MEMBER(WARI_TYPE)},
      {kSectionOther, "WARI_PNT", "0", MEMBER(WARI_PNT)},
  };
  IniDocument doc;
  for (const auto& row : rows) doc.setValue(row.section, row.key, row.stored);
  CalcSettings s;
  EXPECT_TRUE(readSettings(doc, s).empty());
  for (const auto& row : rows) EXPECT_EQ(row.member(s), row.stored) << row.section << row.key;

  // Written back, the same file comes out.
  IniDocument again;
  writeSettings(s, again);
  for (const auto& row : rows)
    EXPECT_EQ(again.value(row.section, row.key), row.stored) << row.section << row.key;
}

TEST(CalcSettings, ProcdspDecidesOverCalctypeAndBothAreWritten) {
  const std::string answer = "[▼答の表示▼]\nCALCTYPE=";
  const std::string process = "\n[▼過程表示▼]\nPROCDSP=";
  EXPECT_FALSE(readText(answer + "1" + process + "0").PROCDSP);
  EXPECT_TRUE(readText(answer + "0" + process + "1").PROCDSP);
  // A missing key is its default, whatever CALCTYPE said.
  EXPECT_FALSE(readText(answer + "1").PROCDSP);

  CalcSettings s;
  s.PROCDSP = true;
  IniDocument doc = IniDocument::parse(answer + "0" + process + "0");
  writeSettings(s, doc);
  EXPECT_EQ(doc.value(kSectionAnswer, "CALCTYPE"), "1");
  EXPECT_EQ(doc.value(kSectionProcess, "PROCDSP"), "1");
}

TEST(CalcSettings, GoalTextsFollowTheirCountAndStaleOnesStay) {
  CalcSettings s = readText(
      "[▼週の目標▼]\nSOUSUU=2\nDSPBANGOU=1\n"
      "MOKUHYOU0=一\nMOKUHYOU1=二\nMOKUHYOU2=三\nMOKUHYOU3=四\n");
  EXPECT_EQ(s.MOKUHYOU[0], "一");
  EXPECT_EQ(s.MOKUHYOU[1], "二");
  EXPECT_EQ(s.MOKUHYOU[2], "");  // beyond the count: not read
  EXPECT_EQ(s.MOKUHYOU[3], "");

  s.MOKUHYOU_SOUSUU = 1;
  s.DSPBANGOU = 0;
  s.MOKUHYOU[0] = "新しい目標";
  IniDocument doc = s.document;
  writeSettings(s, doc);
  EXPECT_EQ(doc.value(kSectionGoals, "MOKUHYOU0"), "新しい目標");
  EXPECT_EQ(doc.value(kSectionGoals, "MOKUHYOU1"), "二");
  EXPECT_EQ(doc.value(kSectionGoals, "MOKUHYOU3"), "四");
  EXPECT_EQ(doc.value(kSectionGoals, "SOUSUU"), "1");
}

TEST(CalcSettings, MemoAndConstantsAreAlwaysReadInFull) {
  CalcSettings s = readText(
      "[▼式のメモ▼]\nSOUSUU=0\nSIKI7=2x+3=7\n"
      "[▼定数値▼]\nSOUSUU=0\n値12=1.41 #ルート2\n");
  EXPECT_EQ(s.SIKI[7], "2x+3=7");
  EXPECT_EQ(s.ATAI[12], "1.41 #ルート2");
}

struct DamageRow {
  std::string_view section;
  std::string key;
  std::string stored;
  Member member;
  std::string expected;
  std::optional<SettingIssueKind> issue;
};

TEST(CalcSettings, DamagedValuesFollowTheirKeysRules) {
  using enum SettingIssueKind;
  const DamageRow rows[] = {
      // ranged: clamped to the nearest end
      {kSectionCalcScreen, "CURSOLTEMPO", "150", MEMBER(CURSOLTEMPO), "200", OutOfRange},
      {kSectionCalcScreen, "CURSOLTEMPO", "2001", MEMBER(CURSOLTEMPO), "2000", OutOfRange},
      {kSectionCalcScreen, "CURSOLTEMPO", "-0", MEMBER(CURSOLTEMPO), "200", OutOfRange},
      {kSectionCalcScreen, "PAGEA4BAI", "79", MEMBER(PAGEA4BAI), "80", OutOfRange},
      {kSectionCalcScreen, "PAGEA4BAI", "401", MEMBER(PAGEA4BAI), "400", OutOfRange},
      {kSectionCalcScreen, "GYOKEISUU", "0", MEMBER(GYOKEISUU), "1", OutOfRange},
      {kSectionCalcScreen, "GYOKEISUU", "13", MEMBER(GYOKEISUU), "12", OutOfRange},
      {kSectionCalcScreen, "MAINTOP", "-40000", MEMBER(MAINTOP), "-32768", OutOfRange},
      {kSectionNote, "KANKAKU", "1", MEMBER(KANKAKU), "2", OutOfRange},
      {kSectionNote, "PAGEA4BAIN", "400", MEMBER(PAGEA4BAIN), "300", OutOfRange},
      {kSectionNote, "KAITOURAN_ITI", "9", MEMBER(KAITOURAN_ITI), "10", OutOfRange},
      {kSectionSpeech, "HAYASA", "0", MEMBER(HAYASA), "1", OutOfRange},
      {kSectionSpeech, "OOKISA", "150", MEMBER(OOKISA), "100", OutOfRange},
      {kSectionGoals, "SOUSUU", "11", MEMBER(MOKUHYOU_SOUSUU), "10", OutOfRange},
      {kSectionGoals, "JIOKURI", "79", MEMBER(JIOKURI), "80", OutOfRange},
      {kSectionMemo, "SOUSUU", "51", MEMBER(MEMO_SOUSUU), "50", OutOfRange},
      {kSectionConstants, "SOUSUU", "-1", MEMBER(TEISUU_SOUSUU), "0", OutOfRange},
      {kSectionOther, "WARI_PNT", "-1", MEMBER(WARI_PNT), "0", OutOfRange},
      {kSectionOther, "WARI_PNT", "16", MEMBER(WARI_PNT), "15", OutOfRange},
      // choices and colours: the default
      {kSectionAnswer, "ANSSYU", "3", MEMBER(ANSSYU), "0", OutOfRange},
      {kSectionSikiDisplay, "KAKERU_ABR", "2", MEMBER(KAKERU_ABR), "0", OutOfRange},
      {kSectionFactor, "1GYOU_SUU", "7", MEMBER(ICHIGYOU_SUU), "10", OutOfRange},
      {kSectionFactor, "WA_TYPE", "-1", MEMBER(WA_TYPE), "0", OutOfRange},
      {kSectionGoals, "FONTCOLOR", "-1", MEMBER(FONTCOLOR), "255", OutOfRange},
      {kSectionGoals, "FONTCOLOR", "16777216", MEMBER(FONTCOLOR), "255", OutOfRange},
      {kSectionGoals, "DSPBANGOU", "1", MEMBER(DSPBANGOU), "0", OutOfRange},  // no goals
      // window and font sizes: a size beyond use is no size at all
      {kSectionCalcScreen, "MAINWIDTH", "0", MEMBER(MAINWIDTH), "500", OutOfRange},
      {kSectionCalcScreen, "MAINHEIGHT", "-40", MEMBER(MAINHEIGHT), "450", OutOfRange},
      {kSectionCalcScreen, "FONTSIZE", "1000", MEMBER(FONTSIZE), "14", OutOfRange},
      {kSectionNote, "FONTSIZE", "5", MEMBER(NOTE_FONTSIZE), "14", OutOfRange},
      // not numbers: the default
      {kSectionCalcScreen, "CURSOLTEMPO", "abc", MEMBER(CURSOLTEMPO), "400", NotANumber},
      {kSectionCalcScreen, "CURSOLTEMPO", "", MEMBER(CURSOLTEMPO), "400", NotANumber},
      {kSectionCalcScreen, "CURSOLTEMPO", "4 00", MEMBER(CURSOLTEMPO), "400", NotANumber},
      {kSectionCalcScreen, "CURSOLTEMPO", "99999999999", MEMBER(CURSOLTEMPO), "400", NotANumber},
      {kSectionCalcScreen, "CURSOLTEMPO", "５００", MEMBER(CURSOLTEMPO), "400", NotANumber},
      {kSectionCalcScreen, "WAKIGAKI", "yes", MEMBER(WAKIGAKI), "1", NotANumber},
      {kSectionProcess, "PROCDSP", "true", MEMBER(PROCDSP), "0", NotANumber},
      {kSectionSpeech, "SEIBETU", "2147483648", MEMBER(SEIBETU), "0", NotANumber},
      // accepted as they stand
      {kSectionCalcScreen, "CURSOLTEMPO", "$1F4", MEMBER(CURSOLTEMPO), "500", std::nullopt},
      {kSectionCalcScreen, "CURSOLTEMPO", "0x1f4", MEMBER(CURSOLTEMPO), "500", std::nullopt},
      {kSectionCalcScreen, "CURSOLTEMPO", "+600", MEMBER(CURSOLTEMPO), "600", std::nullopt},
      {kSectionGoals, "FONTCOLOR", "$FF0000", MEMBER(FONTCOLOR), "16711680", std::nullopt},
      {kSectionCalcScreen, "WAKIGAKI", "-5", MEMBER(WAKIGAKI), "1", std::nullopt},
      {kSectionCalcScreen, "KAITOURAN_FLAG", "7", MEMBER(KAITOURAN_FLAG), "1", std::nullopt},
      {kSectionSpeech, "SEIBETU", "-2147483648", MEMBER(SEIBETU), "-2147483648", std::nullopt},
      // texts
      {kSectionCalcScreen, "FONTNAME", "", MEMBER(FONTNAME), "ＭＳ ゴシック", Empty},
      {kSectionNote, "FONTNAME", "ab\0cd"s, MEMBER(NOTE_FONTNAME), "ab", std::nullopt},
      {kSectionGoals, "FONTNAME", "\0"s, MEMBER(MOKUHYOU_FONTNAME), "ＭＳ ゴシック", Empty},
  };
  for (const auto& row : rows) {
    std::vector<SettingIssue> issues;
    CalcSettings s = readText("[" + std::string(row.section) + "]\n" + row.key + "=" + row.stored,
                              &issues);
    std::string where = std::string(row.section) + row.key + "=" + row.stored;
    EXPECT_EQ(row.member(s), row.expected) << where;
    if (row.issue) {
      ASSERT_EQ(issues.size(), 1u) << where;
      EXPECT_EQ(issues[0].kind, *row.issue) << where;
      EXPECT_EQ(issues[0].key, row.key);
      EXPECT_EQ(issues[0].section, row.section);
      EXPECT_EQ(issues[0].value, row.stored);
      EXPECT_EQ(issues[0].used, row.expected) << where;
    } else {
      EXPECT_TRUE(issues.empty()) << where;
    }
  }
}

TEST(CalcSettings, ShownGoalMustExist) {
  const std::pair<std::string, int> rows[] = {
      {"SOUSUU=3\nDSPBANGOU=2", 2},
      {"SOUSUU=3\nDSPBANGOU=3", 0},
      {"SOUSUU=0\nDSPBANGOU=0", 0},
      {"SOUSUU=10\nDSPBANGOU=9", 9},
      {"SOUSUU=12\nDSPBANGOU=9", 9},  // the count is brought to 10 first
  };
  for (const auto& [lines, shown] : rows)
    EXPECT_EQ(readText("[▼週の目標▼]\n" + lines).DSPBANGOU, shown) << lines;
}

TEST(CalcSettings, MissingSectionsAndKeysAreDefaults) {
  std::vector<SettingIssue> issues;
  CalcSettings s = readText("[▼計算画面▼]\nFONTSIZE=20\n[unknown]\nCURSOLTEMPO=900\n", &issues);
  EXPECT_TRUE(issues.empty());
  EXPECT_EQ(s.FONTSIZE, 20);
  EXPECT_EQ(s.CURSOLTEMPO, 400);
  EXPECT_EQ(s.NOTE_FONTSIZE, 14);
  EXPECT_TRUE(s.RETKEYFLAG);
  EXPECT_EQ(s.WARI_PNT, 10);
  EXPECT_EQ(s.document.value("unknown", "CURSOLTEMPO"), "900");
}

TEST(CalcSettings, ParseSettingInt) {
  const std::pair<std::string, std::optional<int>> rows[] = {
      {"0", 0},
      {"-12", -12},
      {"+7", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483648},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"$ff", 255},
      {"-$10", -16},
      {"0X7fffffff", 2147483647},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"0", 0},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"12a", std::nullopt},
      {"1.5", std::nullopt},
      {"1e3", std::nullopt},
      {" 1", std::nullopt},
  };
  for (const auto& [text, expected] : rows) {
    int v = 12345;
    bool ok = parseSettingInt(text, v);
    EXPECT_EQ(ok, expected.has_value()) << text;
    if (expected) {
      EXPECT_EQ(v, *expected) << text;
    }
  }
}

}  // namespace
}  // namespace ravlo
