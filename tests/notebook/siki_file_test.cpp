#include "notebook/model/siki_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "note_test_support.h"

namespace ravlo {
namespace {

using note_testing::sjis;
using Problems = std::vector<std::string>;

SikiFileContent decodeOk(std::string_view bytes) {
  SikiFileDecode d = decodeSikiFile(bytes);
  EXPECT_EQ(d.status, SikiFileStatus::Ok);
  return d.content;
}

// ---- writing ----

TEST(SikiFileWrite, TitleThenEveryProblemInCodePageWithCrLf) {
  TextConversion out = encodeSikiFile(
      "分数のたし算", {"3b2+1=1k3b2&1k3b2", "5b3*2=", "2x+3=7&x＝2"});
  EXPECT_TRUE(out.lossless);
  EXPECT_EQ(out.text, sjis("#分数のたし算\r\n3b2+1=1k3b2&1k3b2\r\n5b3*2=\r\n2x+3=7&x＝2\r\n"));
  // "＝" is the code page's double-byte 0x81 0x81, never UTF-8.
  EXPECT_NE(out.text.find("x\x81\x81" "2\r\n"), std::string::npos);
}

TEST(SikiFileWrite, NoTitleNoHashLineAndEmptySlotsAsEmptyLines) {
  EXPECT_EQ(encodeSikiFile("", {"1+2=", "", "3b1="}).text, "1+2=\r\n\r\n3b1=\r\n");
  EXPECT_EQ(encodeSikiFile("", {}).text, "");
  EXPECT_EQ(encodeSikiFile("T", {}).text, "#T\r\n");
}

TEST(SikiFileWrite, TextsThatWouldReadBackAsSomethingElse) {
  // A problem starting with "#" would come back as the title; a LF would split it. Only a
  // LF ends a line, so a CR stays.
  EXPECT_EQ(encodeSikiFile("a\nb", {"#1+2", "1\n+2", "1\r2"}).text,
            "#a b\r\n #1+2\r\n1 +2\r\n1\r2\r\n");
  EXPECT_EQ(decodeOk("#a\r\r\n1\r2\r\n").title, "a\r");
  EXPECT_EQ(decodeOk("#a\r\r\n1\r2\r\n").problems, Problems{"1\r2"});
}

// Saving picks a form whose bytes read back as the texts that were saved.
TEST(SikiFileWrite, BytesThatWouldReadAsAnotherEncodingAreSavedAsUtf8) {
  struct Row {
    std::string title;
    SikiEncoding asked, written;
  };
  const Row rows[] = {
      {"分数", SikiEncoding::Cp932, SikiEncoding::Cp932},
      {"ﾃｽﾄ", SikiEncoding::Cp932, SikiEncoding::Cp932},
      {"分数😀", SikiEncoding::Cp932, SikiEncoding::Utf8},  // the code page lacks it
      {"繧｡", SikiEncoding::Cp932, SikiEncoding::Utf8},    // its code-page bytes are "ァ"
      {"分数", SikiEncoding::Utf8, SikiEncoding::Utf8},
      // "ý" alone is code page 932 by chance ("ﾃｽ"): only the mark keeps it UTF-8.
      {"ý", SikiEncoding::Utf8, SikiEncoding::Utf8Bom},
      {"ý", SikiEncoding::Utf8Bom, SikiEncoding::Utf8Bom},
  };
  for (const Row& row : rows) {
    const SikiFileBytes file = sikiFileBytes(row.title, {"1+2="}, row.asked);
    EXPECT_EQ(file.encoding, row.written) << row.title;
    const SikiFileContent back = decodeOk(file.bytes);
    EXPECT_EQ(back.title, row.title);
    EXPECT_EQ(back.encoding, row.written) << row.title;
  }
}

TEST(SikiFileWrite, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  TextConversion out = encodeSikiFile("分数😀", {"1+2="});
  EXPECT_FALSE(out.lossless);
  EXPECT_EQ(out.text, sjis("#分数?\r\n1+2=\r\n"));
}

// ---- reading ----

TEST(SikiFileRead, TheExampleFileInCodePage932) {
  SikiFileContent c = decodeOk(sjis("#分数の練習\r\n3b2+1=1k3b2&1k3b2\r\n5b3*2=\r\n2x+3=7&x＝2\r\n"));
  EXPECT_EQ(c.title, "分数の練習");
  EXPECT_EQ(c.problems, (Problems{"3b2+1=1k3b2&1k3b2", "5b3*2=", "2x+3=7&x＝2"}));
  // The solver's "x＝2" is its own text, not a typing error.
  EXPECT_EQ(c.errorCount, 0);
}

TEST(SikiFileRead, Utf8FilesWithAndWithoutByteOrderMark) {
  const std::string body = "#ぶんすう　第１回\r\n2x+3<7&x＜2\r\nx+x=2x&x＝(不定)\r\n";
  for (const std::string& bytes : {body, "\xEF\xBB\xBF" + body, sjis(body)}) {
    SikiFileContent c = decodeOk(bytes);
    EXPECT_EQ(c.title, "ぶんすう　第１回");
    EXPECT_EQ(c.problems, (Problems{"2x+3<7&x＜2", "x+x=2x&x＝(不定)"}));
    EXPECT_EQ(c.errorCount, 0);
  }
}

TEST(SikiFileRead, TitleLines) {
  EXPECT_EQ(decodeOk("1+2=\r\n").title, "");
  EXPECT_EQ(decodeOk("#first\r\n1=\r\n#second\r\n").title, "second");
  EXPECT_EQ(decodeOk("#\r\n").title, "");
  // The title keeps its blanks; only the line end goes.
  EXPECT_EQ(decodeOk("#  T  \r\n").title, "  T  ");
  // A "#" after a blank is a problem, trimmed.
  SikiFileContent c = decodeOk("#T\r\n #x\r\n");
  EXPECT_EQ(c.title, "T");
  EXPECT_EQ(c.problems, Problems{"#x"});
  EXPECT_EQ(c.errorCount, 1);
}

TEST(SikiFileRead, BlankLinesAndLinesOfBlanks) {
  SikiFileContent c = decodeOk("\r\n1+2=\r\n\n\r\n   \r\n\t 3b1= \t\r\n\r\n");
  // The empty lines are skipped; the line of blanks is an empty problem.
  EXPECT_EQ(c.problems, (Problems{"1+2=", "", "3b1="}));
  EXPECT_EQ(c.errorCount, 0);
}

TEST(SikiFileRead, LineEndsLfOnlyAndMissingAtTheEnd) {
  EXPECT_EQ(decodeOk("#T\n1+2=\n3b1=").problems, (Problems{"1+2=", "3b1="}));
  EXPECT_EQ(decodeOk("1+2=\r").problems, Problems{"1+2="});
}

TEST(SikiFileRead, LongLinesAreReadWhole) {
  // An answered problem is easily longer than 128 bytes; it stays one problem.
  const std::string line(200, '1');
  EXPECT_EQ(decodeOk(line + "\r\n2=\r\n").problems, (Problems{line, "2="}));
  std::string title;
  for (int i = 0; i < 60; ++i) title += "あ";
  EXPECT_EQ(decodeOk("#" + title + "\r\n").title, title);
  EXPECT_EQ(decodeOk(sjis("#" + title + "\r\n")).title, title);
  const std::string equation = std::string(127, '1') + "x=2&x＝2";
  EXPECT_EQ(decodeOk(sjis(equation + "\r\n")).problems, Problems{equation});
}

TEST(SikiFileRead, ProblemsTheCheckerRefusesAreCountedAndKept) {
  SikiFileContent c = decodeOk("1+*2=\r\n3b2+1=\r\n(1+2=\r\nabc\r\n2x+3=7&x=+\r\n");
  EXPECT_EQ(c.problems.size(), 5u);
  // The equation is checked before its "&" only, so its damaged answer passes.
  EXPECT_EQ(c.errorCount, 3);
  // Twenty digits in a row are refused without the typing warning per line.
  EXPECT_EQ(decodeOk(std::string(20, '9') + "=\r\n").errorCount, 1);
}

TEST(SikiFileRead, FiftyProblemsFitAndTheFiftyFirstIsRefused) {
  std::string fifty;
  for (int i = 1; i <= 50; ++i) fifty += std::to_string(i) + "+1=\r\n";
  SikiFileDecode ok = decodeSikiFile("#T\r\n\r\n" + fifty + "\r\n\r\n");
  EXPECT_EQ(ok.status, SikiFileStatus::Ok);
  EXPECT_EQ(ok.content.problems.size(), 50u);
  EXPECT_EQ(ok.content.problems.back(), "50+1=");

  SikiFileDecode over = decodeSikiFile(fifty + "51+1=\r\n");
  EXPECT_EQ(over.status, SikiFileStatus::TooManyProblems);
  EXPECT_EQ(over.problemLines, 51u);
}

TEST(SikiFileRead, TenThousandLines) {
  std::string many;
  for (int i = 0; i < 10000; ++i) many += "1+2=\r\n";
  SikiFileDecode d = decodeSikiFile(many);
  EXPECT_EQ(d.status, SikiFileStatus::TooManyProblems);
  EXPECT_EQ(d.problemLines, 10000u);

  std::string blanks(20000, '\n');
  SikiFileContent c = decodeOk(blanks + "1+2=" + blanks);
  EXPECT_EQ(c.problems, Problems{"1+2="});
}

TEST(SikiFileRead, OneHugeLineWithoutLineEnds) {
  SikiFileContent c = decodeOk(std::string(kMaxSikiFileBytes, '1'));
  ASSERT_EQ(c.problems.size(), 1u);
  EXPECT_EQ(c.problems[0].size(), kMaxSikiFileBytes);
}

TEST(SikiFileRead, BinaryAndForeignBytesAreNoNotebook) {
  EXPECT_EQ(decodeSikiFile(std::string("1+2=\r\n\0\r\n", 8)).status, SikiFileStatus::NotText);
  // UTF-16 with its byte-order mark, as another editor may save it.
  EXPECT_EQ(decodeSikiFile(std::string("\xFF\xFE" "1\0+\0" "2\0", 8)).status,
            SikiFileStatus::NotText);
  EXPECT_EQ(decodeSikiFile("1+2=\xFF\r\n").status, SikiFileStatus::NotText);
  EXPECT_EQ(decodeSikiFile("\x82").status, SikiFileStatus::NotText);  // lead byte cut off
  EXPECT_EQ(decodeSikiFile(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)).status,
            SikiFileStatus::NotText);
}

TEST(SikiFileRead, EmptyFile) {
  SikiFileContent c = decodeOk("");
  EXPECT_EQ(c.title, "");
  EXPECT_TRUE(c.problems.empty());
}

TEST(SikiFileRead, RandomBytesNeverBreakTheReader) {
  std::mt19937 random(20261209);
  const std::string alphabet = "0123456789bk.@m+-*/=&x#[]():\r\n \t\x81\x82\xA0\xE0\xFF";
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(random() % 1500, '\0');
    const bool fromAlphabet = round % 2 == 0;
    for (char& c : bytes)
      c = fromAlphabet ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
    SikiFileDecode d = decodeSikiFile(bytes);
    ASSERT_LE(d.content.problems.size(), 50u);
    if (d.status != SikiFileStatus::Ok) continue;
    ASSERT_EQ(d.content.problems.size(), d.problemLines);
    ASSERT_LE(d.content.errorCount, static_cast<int>(d.problemLines));
    for (const std::string& p : d.content.problems) {
      ASSERT_EQ(p.find('\n'), std::string::npos);
      ASSERT_TRUE(p.empty() || (static_cast<unsigned char>(p.front()) > 0x20 &&
                                static_cast<unsigned char>(p.back()) > 0x20));
    }
  }
}

// ---- encodings ----

struct EncodingRow {
  const char* name;
  std::string bytes;
  SikiEncoding encoding;
  std::string title;  // as read
};

class SikiFileEncoding : public ::testing::TestWithParam<EncodingRow> {};

// Every notebook is written back in the form it was read in, byte for byte.
TEST_P(SikiFileEncoding, IsDetectedAndWrittenBackUnchanged) {
  const EncodingRow& row = GetParam();
  SikiFileContent c = decodeOk(row.bytes);
  EXPECT_EQ(c.encoding, row.encoding);
  EXPECT_EQ(c.title, row.title);
  TextConversion back = encodeSikiFile(c.title, c.problems, c.encoding);
  EXPECT_TRUE(back.lossless);
  EXPECT_EQ(back.text, row.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SikiFileEncoding,
    ::testing::Values(
        EncodingRow{"Ascii", "#T\r\n1+2=\r\n", SikiEncoding::Cp932, "T"},
        EncodingRow{"CodePage", sjis("#分数\r\n2x+3=7&x＝2\r\n"), SikiEncoding::Cp932, "分数"},
        EncodingRow{"Utf8", "#分数\r\n2x+3=7&x＝2\r\n", SikiEncoding::Utf8, "分数"},
        EncodingRow{"Utf8WithMark", "\xEF\xBB\xBF#分数\r\n1=\r\n", SikiEncoding::Utf8Bom, "分数"},
        // Half-width katakana in the code page: "ﾃｽ" is C3 BD, also the UTF-8 of "ý".
        EncodingRow{"HalfWidthKana", "#\xC3\xBD\r\n1+2=\r\n", SikiEncoding::Cp932, "ﾃｽ"},
        // "繧｡" in the code page is E3 82 A1, the UTF-8 of "ァ": read as UTF-8, but the file
        // still comes back as it was.
        EncodingRow{"CodePageThatIsUtf8", "#\xE3\x82\xA1\r\n1+2=\r\n", SikiEncoding::Utf8,
                    "ァ"}),
    [](const ::testing::TestParamInfo<EncodingRow>& row) { return std::string(row.param.name); });

TEST(SikiFileEncoding, HalfWidthKanaWrittenInTheCodePageReadsBack) {
  for (const std::string title : {"ﾃｽ", "ﾉｰﾄ ﾃｽﾄ", "ｶﾞｯｺｳ"}) {
    TextConversion out = encodeSikiFile(title, {"1+2="});
    EXPECT_EQ(out.text, sjis("#" + title + "\r\n1+2=\r\n"));
    SikiFileContent back = decodeOk(out.text);
    EXPECT_EQ(back.title, title);
    EXPECT_EQ(back.encoding, SikiEncoding::Cp932);
  }
}

// ---- both ways ----

TEST(SikiFileRoundTrip, WrittenNotebooksReadBackUnchanged) {
  std::mt19937 random(7);
  const std::vector<std::string> pieces = {"3b2", "+", "1k3b2", "*", "(", ")", "m", "=", "&",
                                           "0.1@6", "x", "＝", "2", "[", "B", "]", "#", " "};
  for (int round = 0; round < 500; ++round) {
    Problems problems(random() % 51);
    for (std::string& p : problems) {
      const int n = 1 + static_cast<int>(random() % 12);
      for (int i = 0; i < n; ++i) p += pieces[random() % pieces.size()];
      // What reading makes of a stored text: trimmed, at most one piece long.
      while (!p.empty() && p.back() == ' ') p.pop_back();
      while (!p.empty() && p.front() == ' ') p.erase(p.begin());
    }
    const std::string title = round % 3 ? "第" + std::to_string(round) + "回　#分数" : "";
    SikiFileContent back = decodeOk(encodeSikiFile(title, problems).text);
    std::erase(problems, "");  // empty problems are empty lines, which reading skips
    ASSERT_EQ(back.title, title);
    ASSERT_EQ(back.problems, problems);
  }
}

}  // namespace
}  // namespace ravlo
