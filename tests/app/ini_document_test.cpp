#include "app/model/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace ravlo {
namespace {

using namespace std::string_literals;

struct LookupRow {
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

TEST(IniDocument, ReadsLikeTheProfileFunctions) {
  IniDocument doc = IniDocument::parse(
      "stray=before any section\n"
      "[One]\n"
      "Plain=1\n"
      "  Spaced Key  =  padded value \t\n"
      "dq=\"  kept spaces  \"\n"
      "sq='x'\n"
      "half=\"open\n"
      "empty=\n"
      "eq=a=b\n"
      "; commented=1\n"
      "# hashed=1\n"
      "=no key\n"
      "garbage line without equals\n"
      "Plain=second\n"
      "[ one ]\n"
      "Other=in the duplicate section\n"
      "[broken\n"
      "AfterBroken=still One's duplicate\n"
      "[▼計算画面▼]\n"
      "FONTNAME=ＭＳ ゴシック\n");
  const LookupRow rows[] = {
      {"One", "Plain", "1"},  // the first of two keys wins
      {"one", "PLAIN", "1"},  // ASCII case does not matter
      {" One ", "Spaced Key", "padded value"},
      {"One", "dq", "  kept spaces  "},
      {"One", "sq", "x"},
      {"One", "half", "\"open"},
      {"One", "empty", ""},
      {"One", "eq", "a=b"},
      {"One", "; commented", std::nullopt},
      {"One", "commented", std::nullopt},
      {"One", "hashed", std::nullopt},
      {"One", "", std::nullopt},
      {"One", "Other", std::nullopt},  // only the first section of a name is read
      {"One", "AfterBroken", std::nullopt},
      {"", "stray", std::nullopt},
      {"▼計算画面▼", "fontname", "ＭＳ ゴシック"},
      {"Missing", "Plain", std::nullopt},
  };
  for (const auto& row : rows)
    EXPECT_EQ(doc.value(row.section, row.key), row.expected) << row.section << "/" << row.key;
  EXPECT_EQ(doc.sectionNames(), (std::vector<std::string>{"One", "one", "▼計算画面▼"}));
  EXPECT_EQ(doc.keys("ONE"), (std::vector<std::string>{"Plain", "Spaced Key", "dq", "sq", "half",
                                                       "empty", "eq", "Plain"}));
}

TEST(IniDocument, KeepsEveryLineAndWritesCrLf) {
  const std::string lf = "; top comment\n\n[A]\nk=v\n  odd line\n\n[B]\nx = 1 \n";
  const std::string crlf = "; top comment\r\n\r\n[A]\r\nk=v\r\n  odd line\r\n\r\n[B]\r\nx = 1 \r\n";
  EXPECT_EQ(IniDocument::parse(lf).text(), crlf);
  EXPECT_EQ(IniDocument::parse(crlf).text(), crlf);
  // A lone CR ends a line too; a last line without a line end gets one.
  EXPECT_EQ(IniDocument::parse("[A]\rk=v\r\nx=1").text(), "[A]\r\nk=v\r\nx=1\r\n");
  EXPECT_EQ(IniDocument::parse("").text(), "");
}

TEST(IniDocument, SetValueChangesOnlyItsLine) {
  IniDocument doc = IniDocument::parse(
      "[A]\r\n"
      "k = old ; note\r\n"
      "same=  7\r\n"
      "; trailing comment\r\n"
      "\r\n"
      "[B]\r\n"
      "; no keys yet\r\n");
  doc.setValue("a", "K", "new");       // changed in place, its key keeps its spelling
  doc.setValue("A", "same", "7");      // same value: line left as it was
  doc.setValue("A", "added", "1");     // after the last key, before the comment
  doc.setValue("B", "first", "x");     // right after the header
  doc.setValue("C", "fresh", "y");     // a new section at the end, after a blank line
  EXPECT_EQ(doc.text(),
            "[A]\r\n"
            "k=new\r\n"
            "same=  7\r\n"
            "added=1\r\n"
            "; trailing comment\r\n"
            "\r\n"
            "[B]\r\n"
            "first=x\r\n"
            "; no keys yet\r\n"
            "\r\n"
            "[C]\r\n"
            "fresh=y\r\n");
  EXPECT_EQ(doc.value("A", "added"), "1");
  EXPECT_EQ(doc.value("C", "fresh"), "y");
}

TEST(IniDocument, NewSectionsOnAnEmptyDocumentStartAtTheTop) {
  IniDocument doc;
  doc.setValue("S", "a", "1");
  doc.setValue("T", "b", "2");
  doc.setValue("S", "c", "3");
  EXPECT_EQ(doc.text(), "[S]\r\na=1\r\nc=3\r\n\r\n[T]\r\nb=2\r\n");
}

TEST(IniDocument, ValuesReadBackAsWritten) {
  const std::string values[] = {
      "", "plain", " lead", "trail ", "\tboth\t", "\"quoted\"", "'single'", "\"", "\"\"",
      "a\"b", "x=y", "; not a comment", "全角　スペース　", "\"half",
  };
  for (const auto& value : values) {
    IniDocument doc;
    doc.setValue("S", "k", value);
    EXPECT_EQ(IniDocument::parse(doc.text()).value("S", "k"), value) << doc.text();
  }
}

TEST(IniDocument, LineBreaksAndNulsCannotBreakTheFile) {
  IniDocument doc;
  doc.setValue("S\n[T]", "k\r\nevil=1", "a\r\n[X]\nb=2\0c"s);
  IniDocument back = IniDocument::parse(doc.text());
  EXPECT_EQ(back.sectionNames().size(), 1u);
  EXPECT_EQ(back.keys(back.sectionNames()[0]).size(), 1u);
  EXPECT_EQ(doc.text().find('\0'), std::string::npos);
}

TEST(IniDocument, CodePageFileKeepsUndecodableLinesByteForByte) {
  const std::string bytes =
      "[\x81\xA5\x8E\xAE\x82\xCC\x95\x5C\x8E\xA6\x81\xA5]\r\n"  // [▼式の表示▼]
      "junk=\x80\xFF\x81\r\n"
      "KAKERU_ABR=0\r\n"
      "\x92\x6C" "0=\x82\xA0\r\n";  // 値0=あ
  bool lossless = true;
  IniDocument doc = IniDocument::fromFileBytes(bytes, &lossless);
  EXPECT_FALSE(lossless);
  EXPECT_EQ(doc.value("▼式の表示▼", "値0"), "あ");
  EXPECT_EQ(doc.value("▼式の表示▼", "junk"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  TextConversion same = doc.toCp932();
  EXPECT_EQ(same.text, bytes);
  EXPECT_TRUE(same.lossless);

  doc.setValue("▼式の表示▼", "KAKERU_ABR", "1");
  doc.setValue("▼式の表示▼", "値0", "①");
  EXPECT_EQ(doc.toCp932().text,
            "[\x81\xA5\x8E\xAE\x82\xCC\x95\x5C\x8E\xA6\x81\xA5]\r\n"
            "junk=\x80\xFF\x81\r\n"
            "KAKERU_ABR=1\r\n"
            "\x92\x6C" "0=\x87\x40\r\n");

  doc.setValue("▼式の表示▼", "new", "é");
  EXPECT_FALSE(doc.toCp932().lossless);
}

TEST(IniDocument, Utf8FileIsReadAsUtf8AndWrittenInTheCodePage) {
  bool lossless = false;
  IniDocument doc = IniDocument::fromFileBytes("\xEF\xBB\xBF[▼その他▼]\nWARI_PNT=3\n", &lossless);
  EXPECT_TRUE(lossless);
  EXPECT_EQ(doc.value("▼その他▼", "WARI_PNT"), "3");
  EXPECT_EQ(doc.toCp932().text, "[\x81\xA5\x82\xBB\x82\xCC\x91\xBC\x81\xA5]\r\nWARI_PNT=3\r\n");
}

TEST(IniDocument, SurvivesHostileBytes) {
  std::mt19937 rng(2024);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 200; ++round) {
    std::string junk;
    for (int n = 0; n < 300; ++n) {
      int b = byte(rng);
      // Plenty of the characters the parser cares about.
      if (b < 40) b = "[]=;\r\n\0 \t\""[b % 10];
      junk += static_cast<char>(b);
    }
    IniDocument doc = IniDocument::fromFileBytes(junk);
    doc.setValue("▼計算画面▼", "FONTSIZE", "14");
    IniDocument again = IniDocument::fromFileBytes(doc.toCp932().text);
    EXPECT_EQ(again.value("▼計算画面▼", "FONTSIZE"), "14");
  }
}

TEST(IniDocument, VeryLongLinesAndNuls) {
  std::string longValue(1 << 20, 'x');
  std::string file = "[S]\r\nlong=" + longValue + "\r\nnul=a\0b\r\n"s + std::string(100000, '[');
  IniDocument doc = IniDocument::fromFileBytes(file);
  EXPECT_EQ(doc.value("S", "long"), longValue);
  EXPECT_EQ(doc.value("S", "nul"), "a\0b"s);
  EXPECT_EQ(doc.toCp932().text, file + "\r\n");
}

}  // namespace
}  // namespace ravlo
