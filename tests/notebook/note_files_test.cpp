#include "notebook/model/note_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "note_test_support.h"
#include "notebook/model/note_commands.h"
#include "notebook/model/siki_file.h"

namespace ravlo {
namespace {

using note_testing::readBytes;
using note_testing::RecordingNoteView;
using note_testing::ScriptedChooser;
using note_testing::sjis;
using note_testing::TempDir;
using note_testing::writeBytes;
using Problems = std::vector<std::string>;

constexpr const char* kOpenFailed = "ご指定のﾌｧｲﾙをOpenできませんでした。";

class NoteFilesTest : public ::testing::Test {
 protected:
  NoteFilesTest() {
    files.setView(&view);
    files.setChooser(&chooser);
  }
  // A notebook with unsaved problems, as typed.
  void typed(const Problems& problems, const std::string& title = "") {
    doc.replaceProblems(problems);
    doc.HyoudaiStr = title;
    doc.HenkouFlag = 1;
  }
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> t;
    for (const auto& b : sink.boxes()) t.push_back(b.caption + "|" + b.text);
    return t;
  }
  std::size_t filesIn(const TempDir& d) const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(d.path())) ++n;
    return n;
  }

  TempDir dir;
  NoteDoc doc;
  RecordingSink sink;
  RecordingNoteView view;
  ScriptedChooser chooser;
  NoteFiles files{doc, sink};
};

// ---- opening ----

TEST_F(NoteFilesTest, OpenReadsACodePageFile) {
  const std::string path = dir.file("renshuu.siki");
  writeBytes(path, sjis("#分数の練習\r\n3b2+1=1k3b2&1k3b2\r\n5b3*2=\r\n2x+3=7&x＝2\r\n"));
  typed({"old="}, "古い表題");
  doc.SelNo = 1;
  doc.HenkouFlag = 0;
  chooser.openAnswers = {path};
  EXPECT_TRUE(files.NoteOpen());
  EXPECT_EQ(chooser.openTitles, std::vector<std::string>{"分数式ﾌｧｲﾙ(拡張子.siki)を開く"});
  EXPECT_EQ(chooser.openFilters,
            std::vector<std::string>{"分数式ファイル (*.siki)|*.SIKI|すべてのファイル (*.*)|*.*"});
  EXPECT_EQ(doc.HyoudaiStr, "分数の練習");
  EXPECT_EQ(doc.problems(), (Problems{"3b2+1=1k3b2&1k3b2", "5b3*2=", "2x+3=7&x＝2"}));
  EXPECT_EQ(doc.NoteFileName, path);
  EXPECT_EQ(doc.SelNo, 0);
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(view.redraws, 1);
  EXPECT_EQ(view.noteEditorOpens, 0);
}

TEST_F(NoteFilesTest, OpenReadsAUtf8FileAndAFileWithoutTitle) {
  const std::string utf8 = dir.file("u.siki");
  writeBytes(utf8, "#５年　分数のわり算\n3b2/4=\n");
  EXPECT_TRUE(files.NoteReadFile(utf8));
  EXPECT_EQ(doc.HyoudaiStr, "５年　分数のわり算");
  EXPECT_EQ(doc.problems(), Problems{"3b2/4="});

  const std::string plain = dir.file("p.siki");
  writeBytes(plain, "1+1=\r\n");
  EXPECT_TRUE(files.NoteReadFile(plain));
  EXPECT_EQ(doc.HyoudaiStr, "");
}

TEST_F(NoteFilesTest, OpenAsksAboutUnsavedChanges) {
  const std::string path = dir.file("a.siki");
  writeBytes(path, "1+1=\r\n");
  typed({"9="});

  sink.scriptAnswer(BoxAnswer::Cancel);
  chooser.openAnswers = {path};
  EXPECT_FALSE(files.NoteOpen());
  EXPECT_EQ(boxTexts(), std::vector<std::string>{
                            "ご確認|現在のノートは、編集されています。\n\n保存しておきますか？"});
  EXPECT_EQ(sink.boxes()[0].buttons, BoxButtons::YesNoCancel);
  EXPECT_TRUE(chooser.openTitles.empty());
  EXPECT_EQ(doc.problems(), Problems{"9="});

  sink.scriptAnswer(BoxAnswer::No);
  EXPECT_TRUE(files.NoteOpen());
  EXPECT_EQ(doc.problems(), Problems{"1+1="});
}

TEST_F(NoteFilesTest, OpenSavesFirstOnYes) {
  const std::string mine = dir.file("mine.siki");
  const std::string other = dir.file("other.siki");
  writeBytes(other, "2+2=\r\n");
  typed({"9="});
  doc.NoteFileName = mine;
  sink.scriptAnswer(BoxAnswer::Yes);
  chooser.openAnswers = {other};
  EXPECT_TRUE(files.NoteOpen());
  EXPECT_EQ(readBytes(mine), "9=\r\n");
  EXPECT_EQ(doc.problems(), Problems{"2+2="});
  EXPECT_EQ(doc.NoteFileName, other);
}

TEST_F(NoteFilesTest, OpenKeepsTheNotebookWhenTheOfferedSaveIsCancelled) {
  const std::string other = dir.file("other.siki");
  writeBytes(other, "2+2=\r\n");
  typed({"9="});
  sink.scriptAnswer(BoxAnswer::Yes);
  chooser.saveAnswers = {std::nullopt};
  chooser.openAnswers = {other};
  EXPECT_FALSE(files.NoteOpen());
  EXPECT_TRUE(chooser.openTitles.empty());
  EXPECT_EQ(doc.problems(), Problems{"9="});
  EXPECT_EQ(doc.HenkouFlag, 1);
}

TEST_F(NoteFilesTest, OpenCancelledChangesNothing) {
  typed({"9="}, "T");
  doc.HenkouFlag = 0;
  EXPECT_FALSE(files.NoteOpen());
  EXPECT_EQ(chooser.openTitles.size(), 1u);
  EXPECT_EQ(doc.problems(), Problems{"9="});
  EXPECT_EQ(doc.HyoudaiStr, "T");
}

TEST_F(NoteFilesTest, FilesThatCannotBeReadLeaveTheNotebookAlone) {
  const std::string binary = dir.file("pic.png");
  writeBytes(binary, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
  const std::string latin1 = dir.file("latin1.siki");
  writeBytes(latin1, "caf\xE9=\r\n\xFF\r\n");
  const std::string huge = dir.file("huge.siki");
  writeBytes(huge, std::string(kMaxSikiFileBytes + 1, '\n'));
  std::string many;
  for (int i = 0; i < 51; ++i) many += "1+1=\r\n";
  const std::string tooMany = dir.file("many.siki");
  writeBytes(tooMany, many);
  std::filesystem::create_directory(dir.file("folder.siki"));

  const std::string notSiki =
      "ご注意！|ご指定のﾌｧｲﾙは分数式ﾌｧｲﾙではないので、読み込めませんでした。\n\nﾉｰﾄはそのままです。";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {dir.file("missing.siki"), std::string("ご注意！|") + kOpenFailed},
      {dir.file("folder.siki"), std::string("ご注意！|") + kOpenFailed},
      {binary, notSiki},
      {latin1, notSiki},
      {huge, notSiki},
      {tooMany, "ご注意！|ご指定のﾌｧｲﾙには式が51問あります。\n\nﾉｰﾄに読み込める式は50問までです。"},
  };
  for (const auto& [path, message] : cases) {
    typed({"keep="}, "表題");
    doc.NoteFileName = "/before.siki";
    doc.SelNo = 1;
    sink.clear();
    sink.scriptAnswer(BoxAnswer::No);
    chooser.openAnswers = {path};
    EXPECT_FALSE(files.NoteOpen()) << path;
    ASSERT_EQ(sink.boxes().size(), 2u) << path;
    EXPECT_EQ(boxTexts()[1], message) << path;
    EXPECT_EQ(doc.problems(), Problems{"keep="}) << path;
    EXPECT_EQ(doc.HyoudaiStr, "表題");
    EXPECT_EQ(doc.NoteFileName, "/before.siki");
    EXPECT_EQ(doc.SelNo, 1);
    EXPECT_EQ(doc.HenkouFlag, 1);
  }
}

TEST_F(NoteFilesTest, RefusedLinesAreLoadedAndSentToTheEditor) {
  const std::string path = dir.file("bad.siki");
  writeBytes(path, "1+*2=\r\n3b2+1=\r\nabc\r\n");
  EXPECT_TRUE(files.NoteReadFile(path));
  EXPECT_EQ(doc.problems(), (Problems{"1+*2=", "3b2+1=", "abc"}));
  EXPECT_EQ(boxTexts(),
            std::vector<std::string>{"ご注意!!|読み込んだ式に、不正箇所がありました。\n"
                                     "｢適切さチェック｣を行った後で、｢反映終了｣して下さい。"});
  EXPECT_EQ(view.noteEditorOpens, 1);
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteFilesTest, UndoAfterOpeningDoesNotBringBackTheOldNotebook) {
  NoteCommands cmd(doc, sink);
  typed({"a=", "b="});
  doc.SelNo = 1;
  sink.scriptAnswer(BoxAnswer::Ok);
  cmd.deleteSelected();  // leaves an undo copy of the old notebook
  const std::string path = dir.file("n.siki");
  writeBytes(path, "#N\r\n1+1=\r\n");
  ASSERT_TRUE(files.NoteReadFile(path));
  cmd.NoteUndo();
  EXPECT_EQ(doc.problems(), Problems{"1+1="});
  EXPECT_EQ(doc.HenkouFlag, 0);
}

// ---- saving ----

TEST_F(NoteFilesTest, SaveWithoutChangesDoesNothing) {
  typed({"1="});
  doc.HenkouFlag = 0;
  EXPECT_EQ(files.NoteSave(), NoteSaveResult::NotNeeded);
  EXPECT_TRUE(chooser.saveStarts.empty());
  doc.NoteFileName = dir.file("n.siki");
  EXPECT_EQ(files.NoteSave(), NoteSaveResult::NotNeeded);
  EXPECT_FALSE(std::filesystem::exists(dir.file("n.siki")));
}

TEST_F(NoteFilesTest, FirstSaveAsksForANameAndFixesTheExtension) {
  typed({"3b2+1=1k3b2&1k3b2", "", "2x+3=7&x＝2"}, "第１回　分数");
  chooser.saveAnswers = {dir.file("kadai")};
  EXPECT_EQ(files.NoteSave(), NoteSaveResult::Saved);
  EXPECT_EQ(chooser.saveStarts, std::vector<std::string>{""});
  const std::string path = dir.file("kadai.siki");
  EXPECT_EQ(doc.NoteFileName, path);
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_EQ(readBytes(path), sjis("#第１回　分数\r\n3b2+1=1k3b2&1k3b2\r\n\r\n2x+3=7&x＝2\r\n"));
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(filesIn(dir), 1u);  // no temporary file left behind
}

TEST_F(NoteFilesTest, SaveWritesTheCurrentFileUnasked) {
  const std::string path = dir.file("n.siki");
  writeBytes(path, "old=\r\n");
  typed({"new="});
  doc.NoteFileName = path;
  EXPECT_EQ(files.NoteSave(), NoteSaveResult::Saved);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(readBytes(path), "new=\r\n");
}

TEST_F(NoteFilesTest, SaveOfAnotherExtensionAsksBeforeReplacingTheSikiFile) {
  const std::string txt = dir.file("n.txt");
  const std::string siki = dir.file("n.siki");
  writeBytes(siki, "precious=\r\n");
  typed({"new="});
  doc.NoteFileName = txt;
  sink.scriptAnswer(BoxAnswer::No);
  EXPECT_EQ(files.NoteSave(), NoteSaveResult::Cancelled);
  EXPECT_EQ(boxTexts(),
            std::vector<std::string>{"名前を付けて保存の確認|n.siki は既に存在します。\n上書きしますか?"});
  EXPECT_EQ(readBytes(siki), "precious=\r\n");
  EXPECT_EQ(doc.NoteFileName, txt);
  EXPECT_EQ(doc.HenkouFlag, 1);

  sink.scriptAnswer(BoxAnswer::Yes);
  EXPECT_EQ(files.NoteSave(), NoteSaveResult::Saved);
  EXPECT_EQ(readBytes(siki), "new=\r\n");
  EXPECT_EQ(doc.NoteFileName, siki);
  EXPECT_FALSE(std::filesystem::exists(txt));
}

TEST_F(NoteFilesTest, SaveAsAlwaysWrites) {
  typed({"1="});
  doc.HenkouFlag = 0;
  doc.NoteFileName = dir.file("old.siki");
  chooser.saveAnswers = {dir.file("x.txt")};
  EXPECT_EQ(files.NoteSaveAs(), NoteSaveResult::Saved);
  EXPECT_EQ(chooser.saveStarts, std::vector<std::string>{dir.file("old.siki")});
  EXPECT_EQ(readBytes(dir.file("x.siki")), "1=\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.txt")));
  EXPECT_EQ(doc.NoteFileName, dir.file("x.siki"));
}

TEST_F(NoteFilesTest, SaveAsOverAnExistingFile) {
  const std::string path = dir.file("n.siki");
  writeBytes(path, "old=\r\n");
  typed({"new="});
  // "No" returns to the dialog, which is then cancelled.
  sink.scriptAnswer(BoxAnswer::No);
  chooser.saveAnswers = {path, std::nullopt};
  EXPECT_EQ(files.NoteSaveAs(), NoteSaveResult::Cancelled);
  EXPECT_EQ(chooser.saveStarts.size(), 2u);
  EXPECT_EQ(readBytes(path), "old=\r\n");
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(doc.NoteFileName, "");

  sink.clear();
  sink.scriptAnswer(BoxAnswer::Yes);
  chooser.saveAnswers = {dir.file("n.SIKI.bak")};  // becomes n.SIKI.siki: a new file
  EXPECT_EQ(files.NoteSaveAs(), NoteSaveResult::Saved);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(readBytes(dir.file("n.SIKI.siki")), "new=\r\n");

  doc.HenkouFlag = 1;
  sink.scriptAnswer(BoxAnswer::Yes);
  chooser.saveAnswers = {path};
  EXPECT_EQ(files.NoteSaveAs(), NoteSaveResult::Saved);
  EXPECT_EQ(boxTexts(),
            std::vector<std::string>{"名前を付けて保存の確認|n.siki は既に存在します。\n上書きしますか?"});
  EXPECT_EQ(sink.boxes()[0].buttons, BoxButtons::YesNo);
  EXPECT_EQ(readBytes(path), "new=\r\n");
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteFilesTest, SaveAsCancelled) {
  typed({"1="});
  EXPECT_EQ(files.NoteSaveAs(), NoteSaveResult::Cancelled);
  chooser.saveAnswers = {std::string()};
  EXPECT_EQ(files.NoteSaveAs(), NoteSaveResult::Cancelled);
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(filesIn(dir), 0u);
}

TEST_F(NoteFilesTest, AFolderThatCannotBeWrittenKeepsTheOldFile) {
  const std::filesystem::path locked = dir.path() / "locked";
  std::filesystem::create_directory(locked);
  const std::string path = (locked / "n.siki").string();
  writeBytes(path, "old=\r\n");
  std::filesystem::permissions(locked, std::filesystem::perms(0555));
  typed({"new="}, "T");
  doc.NoteFileName = path;
  NoteSaveResult result;
  {
    note_testing::ScopedUnprivileged user;
    ASSERT_TRUE(user.effective()) << "cannot test folder permissions here";
    result = files.NoteSave();
  }
  EXPECT_EQ(result, NoteSaveResult::Failed);
  EXPECT_EQ(readBytes(path), "old=\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(doc.NoteFileName, path);
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "ご注意！");
  EXPECT_TRUE(sink.boxes()[0].text.starts_with(
      "ﾌｧｲﾙに保存できませんでした。\n変更はまだ保存されていません。\n\n" + path + "\n"));
}

TEST_F(NoteFilesTest, AFailedSaveAsKeepsTheFormerFileName) {
  writeBytes(dir.file("plain"), "x");
  typed({"1="});
  doc.NoteFileName = dir.file("before.siki");
  chooser.saveAnswers = {dir.file("plain") + "/n.siki"};  // a file used as a folder
  EXPECT_EQ(files.NoteSaveAs(), NoteSaveResult::Failed);
  EXPECT_EQ(doc.NoteFileName, dir.file("before.siki"));
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(sink.boxes().size(), 1u);
}

TEST_F(NoteFilesTest, WriteFileFailsQuietly) {
  typed({"1="});
  doc.NoteFileName = "/x.siki";
  EXPECT_EQ(files.NoteWriteFile(dir.path().string()), -1);  // a folder
  EXPECT_FALSE(files.lastWriteError().empty());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(doc.NoteFileName, "/x.siki");
  EXPECT_EQ(files.NoteWriteFile(""), -1);
  EXPECT_EQ(files.NoteWriteFile(dir.file("ok.siki")), 1);
  EXPECT_EQ(doc.HenkouFlag, 0);
}

// ---- both ways ----

TEST_F(NoteFilesTest, AFullNotebookSurvivesSaveAndOpen) {
  Problems problems;
  for (int i = 1; i <= 50; ++i)
    problems.push_back(i % 3 == 0 ? std::to_string(i) + "x+3=7&x＝" + std::to_string(i)
                                  : std::to_string(i) + "b1+3b2=");
  typed(problems, "まとめ ５０問");
  chooser.saveAnswers = {dir.file("all")};
  ASSERT_EQ(files.NoteSave(), NoteSaveResult::Saved);

  NoteDoc other;
  NoteFiles reader(other, sink);
  ASSERT_TRUE(reader.NoteReadFile(dir.file("all.siki")));
  EXPECT_EQ(other.problems(), problems);
  EXPECT_EQ(other.HyoudaiStr, "まとめ ５０問");
  EXPECT_TRUE(sink.empty());
}

TEST_F(NoteFilesTest, AnEmptyProblemIsGoneAfterReadingBack) {
  typed({"1=", "", "2="});
  chooser.saveAnswers = {dir.file("e.siki")};
  ASSERT_EQ(files.NoteSave(), NoteSaveResult::Saved);
  EXPECT_EQ(readBytes(dir.file("e.siki")), "1=\r\n\r\n2=\r\n");
  ASSERT_TRUE(files.NoteReadFile(dir.file("e.siki")));
  EXPECT_EQ(doc.problems(), (Problems{"1=", "2="}));
}

TEST_F(NoteFilesTest, AnEmptyNotebookIsAnEmptyFile) {
  typed({});
  chooser.saveAnswers = {dir.file("empty")};
  ASSERT_EQ(files.NoteSave(), NoteSaveResult::Saved);
  EXPECT_EQ(readBytes(dir.file("empty.siki")), "");
  typed({"x="}, "T");
  ASSERT_TRUE(files.NoteReadFile(dir.file("empty.siki")));
  EXPECT_EQ(doc.SikiSuu, 0);
  EXPECT_EQ(doc.HyoudaiStr, "");
}

// ---- encodings ----

TEST_F(NoteFilesTest, SavingKeepsTheEncodingTheFileWasReadIn) {
  struct Row {
    std::string bytes, saved;
  };
  const Row rows[] = {
      {"#分数\r\n1+2=\r\n", "#分数\r\n1+2=\r\n3b2=\r\n"},
      {"\xEF\xBB\xBF#分数\r\n1+2=\r\n", "\xEF\xBB\xBF#分数\r\n1+2=\r\n3b2=\r\n"},
      {sjis("#分数\r\n1+2=\r\n"), sjis("#分数\r\n1+2=\r\n3b2=\r\n")},
  };
  for (const Row& row : rows) {
    const std::string path = dir.file("e.siki");
    writeBytes(path, row.bytes);
    ASSERT_TRUE(files.NoteReadFile(path));
    ASSERT_EQ(files.NoteWriteFile(path), 1);
    EXPECT_EQ(readBytes(path), row.bytes);  // unchanged: the same bytes
    doc.appendSiki("3b2=");
    ASSERT_EQ(files.NoteWriteFile(path), 1);
    EXPECT_EQ(readBytes(path), row.saved);
  }
  // A cleared page is a new notebook: code page 932 again.
  doc.NoteClearAll();
  doc.appendSiki("1=");
  doc.HyoudaiStr = "分数";
  ASSERT_EQ(files.NoteWriteFile(dir.file("n.siki")), 1);
  EXPECT_EQ(readBytes(dir.file("n.siki")), sjis("#分数\r\n1=\r\n"));
}

// What the program would write differently still comes back as it was while unchanged.
TEST_F(NoteFilesTest, AnUnchangedNotebookIsWrittenBackByteForByte) {
  const std::string rows[] = {
      "#T\n1+2=\n\n  3b1= \t\n",  // LF ends, an empty line, blanks around a problem
      "#a\r\n#b\r\n1=",         // two titles, no line end at the end
      "\xED\x40=\r\n",           // the NEC-selected code of 纊, also written FA 5C
      "#\xE3\x82\xA1\r\n",        // code-page bytes that are UTF-8 by chance
  };
  for (const std::string& bytes : rows) {
    const std::string path = dir.file("b.siki");
    writeBytes(path, bytes);
    ASSERT_TRUE(files.NoteReadFile(path));
    ASSERT_EQ(files.NoteWriteFile(dir.file("c.siki")), 1);
    EXPECT_EQ(readBytes(dir.file("c.siki")), bytes);
  }
  // Once changed it is written in the program's own form.
  doc.appendSiki("2=");
  ASSERT_EQ(files.NoteWriteFile(dir.file("c.siki")), 1);
  EXPECT_EQ(readBytes(dir.file("c.siki")), "#\xE3\x82\xA1\r\n2=\r\n");
}

TEST_F(NoteFilesTest, TextTheCodePageCannotHoldIsSavedInUtf8) {
  typed({"1+2="}, "分数😀");
  const std::string path = dir.file("u.siki");
  ASSERT_EQ(files.NoteWriteFile(path), 1);
  EXPECT_EQ(readBytes(path), "#分数😀\r\n1+2=\r\n");
  ASSERT_TRUE(files.NoteReadFile(path));
  EXPECT_EQ(doc.HyoudaiStr, "分数😀");
}

}  // namespace
}  // namespace ravlo
