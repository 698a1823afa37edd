// A notebook as the original program writes it, through open, compute all, save and open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "note_test_support.h"
#include "notebook/model/note_compute.h"
#include "notebook/model/note_files.h"

namespace ravlo {
namespace {

using note_testing::readBytes;
using note_testing::sjis;
using note_testing::TempDir;
using note_testing::writeBytes;
using Problems = std::vector<std::string>;

// 1/2 + 1/3 + 1/4 + … + 1/36: 141 bytes before the "=".
std::string longSum() {
  std::string s = "2b1";
  for (int d = 3; d <= 36; ++d) s += "+" + std::to_string(d) + "b1";
  return s + "=";
}

TEST(NoteRoundTrip, CodePageNotebookThroughComputeAndSave) {
  // "#分数の練習", then answered, unanswered, a solved equation with "＝" (81 81), a ratio and
  // a problem longer than 128 bytes.
  const std::string file = std::string("#\x95\xaa\x90\x94\x82\xcc\x97\xfb\x8fK\r\n") +
                           "3b2+1=1k3b2&1k3b2\r\n" + "5b3*2=\r\n" + "2x+3=7&x\x81\x81" "2\r\n" +
                           "4:6=\r\n" + longSum() + "\r\n";
  ASSERT_EQ(file, sjis("#分数の練習\r\n3b2+1=1k3b2&1k3b2\r\n5b3*2=\r\n2x+3=7&x＝2\r\n4:6=\r\n" +
                       longSum() + "\r\n"));
  ASSERT_GT(longSum().size(), 128u);

  TempDir dir;
  const std::string path = dir.file("renshuu.siki");
  writeBytes(path, file);
  NoteDoc doc;
  RecordingSink sink;
  CalcSettings settings;
  NoteFiles files(doc, sink);
  ASSERT_TRUE(files.NoteReadFile(path));
  EXPECT_EQ(doc.HyoudaiStr, "分数の練習");
  EXPECT_EQ(doc.count(), 5);
  EXPECT_EQ(doc.Siki(5), longSum());
  // Unchanged, it is written back byte for byte.
  ASSERT_EQ(files.NoteWriteFile(path), 1);
  EXPECT_EQ(readBytes(path), file);

  NoteCompute compute(doc, sink, settings);
  ASSERT_TRUE(compute.computeAll(false));
  EXPECT_TRUE(sink.empty());
  const Problems computed = doc.problems();
  EXPECT_EQ(computed[0], "3b2+1=1k3b2&1k3b2");
  EXPECT_EQ(computed[1], "5b3*2=1k5b1&1k5b1");
  EXPECT_EQ(computed[2], "2x+3=7&x＝2");
  EXPECT_EQ(computed[3], "4:6=2:3&2:3");
  EXPECT_EQ(computed[4].rfind(longSum(), 0), 0u);
  EXPECT_NE(computed[4].find('&'), std::string::npos);
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(files.NoteSave(), NoteSaveResult::Saved);

  NoteDoc again;
  NoteFiles reader(again, sink);
  ASSERT_TRUE(reader.NoteReadFile(path));
  EXPECT_EQ(again.HyoudaiStr, "分数の練習");
  EXPECT_EQ(again.problems(), computed);
  EXPECT_EQ(readBytes(path).rfind("#\x95\xaa\x90\x94", 0), 0u);  // still the code page
  EXPECT_TRUE(sink.empty());
}

}  // namespace
}  // namespace ravlo
