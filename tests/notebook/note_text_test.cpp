// File names, answer removal and the checker as the notebook uses them.
#include <gtest/gtest.h>

#include <string>

#include "expr/inp_check_state.h"
#include "notebook/model/file_chooser.h"
#include "notebook/model/note_answer.h"
#include "notebook/model/note_line_check.h"
#include "notebook/model/siki_ext_fix.h"

namespace ravlo {
namespace {

TEST(SikiExtFix, EveryNameEndsInSiki) {
  struct Row {
    const char* path;
    const char* fixed;
  } rows[] = {
      {"C:\\a.b\\note", "C:\\a.b\\note.siki"},
      {"x.txt", "x.siki"},
      {"x", "x.siki"},
      {"/home/k/a.b/note", "/home/k/a.b/note.siki"},
      {"/home/k/note.tar.gz", "/home/k/note.tar.siki"},
      {"/home/k/note.", "/home/k/note.siki"},
      {"/home/k/note.TXT", "/home/k/note.siki"},
      {"/home/k/note.sikiX", "/home/k/note.siki"},
      {"/home/k/note.siki", "/home/k/note.siki"},
      // The file that was opened under this name, not a new one beside it.
      {"/home/k/NOTE.SIKI", "/home/k/NOTE.SIKI"},
      {"/home/k/n.Siki", "/home/k/n.Siki"},
      {"/home/k/ノート.テキスト", "/home/k/ノート.siki"},
      {"", ".siki"},
  };
  for (const Row& row : rows) EXPECT_EQ(SikiExtFix(row.path), row.fixed) << row.path;
}

TEST(NoteAnswer, RemovalKeepsTheQuestion) {
  NullSink sink;
  struct Row {
    const char* text;
    bool has;
    const char* cut;
  } rows[] = {
      {"2x+3=7&x＝2", true, "2x+3=7"},
      {"3b2+1=1k3b2&1k3b2", true, "3b2+1="},
      {"3b2+1=", true, "3b2+1="},
      {"3b2+1", false, "3b2+1"},
      {"4:6=2:3&2:3", true, "4:6="},
      {"3b1+2=2k3b1=3b7=2.33333333333333333u", true, "3b1+2="},
      // An answered inequality holds no "=", and still has an answer to remove.
      {"2x+3<7&x＜2", true, "2x+3<7"},
      {"2x+3<7", false, "2x+3<7"},
      {"", false, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(NoteHasAnswer(row.text), row.has) << row.text;
    EXPECT_EQ(NoteCutAnswer(row.text, sink), row.cut) << row.text;
  }
}

TEST(NoteLineCheck, StoredFormsAndBadPlaces) {
  InpCheckState st;
  EXPECT_EQ(NoteLineCheck(st, "3b2+1=1k3b2&1k3b2"), 0u);
  EXPECT_EQ(NoteLineCheck(st, "2x+3=7&x＝2"), 0u);
  EXPECT_EQ(NoteLineCheck(st, "x+x=2x&x＝(不定)"), 0u);
  EXPECT_EQ(NoteLineCheck(st, "2(1+1)="), 0u);  // "×" may be left out in the notebook
  EXPECT_EQ(NoteLineCheck(st, ""), 0u);
  EXPECT_EQ(NoteLineCheck(st, "1+*2"), 3u);
  EXPECT_EQ(st.InpErrNo, 4);
  EXPECT_EQ(NoteLineCheck(st, "2x+*3=7&x＝2"), 4u);
  // Without "x" the part after "&" is checked too.
  EXPECT_EQ(NoteLineCheck(st, "1+2=3&3*"), 0u);
  EXPECT_EQ(NoteLineCheck(st, "1+2=3&+)"), 8u);
  // A problem that ends in a half-typed mixed number is refused as "=" refuses it.
  EXPECT_EQ(NoteLineCheck(st, "1+1k5"), 6u);
  EXPECT_EQ(st.InpErrNo, 9);
}

TEST(DialogFilter, WindowsFilterIntoLabelAndPatterns) {
  using Entries = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(dialogFilterEntries("分数式ファイル (*.siki)|*.SIKI|すべてのファイル (*.*)|*.*"),
            (Entries{{"分数式ファイル (*.siki)", "*.SIKI"}, {"すべてのファイル (*.*)", "*.*"}}));
  EXPECT_EQ(dialogFilterEntries(""), Entries{});
  EXPECT_EQ(dialogFilterEntries("only a label"), Entries{});
  EXPECT_EQ(dialogFilterEntries("a|*.a;*.b|b|"), (Entries{{"a", "*.a;*.b"}}));
}

}  // namespace
}  // namespace ravlo
