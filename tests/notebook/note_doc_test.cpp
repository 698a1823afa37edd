#include "notebook/model/note_doc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravlo {
namespace {

using Problems = std::vector<std::string>;

NoteDoc docWith(const Problems& problems) {
  NoteDoc doc;
  EXPECT_TRUE(doc.replaceProblems(problems));
  return doc;
}

Problems numbered(int n) {
  Problems p;
  for (int i = 1; i <= n; ++i) p.push_back(std::to_string(i) + "=");
  return p;
}

TEST(NoteDoc, SelectPreviousAndNextWrapThroughNone) {
  NoteDoc doc = docWith({"1=", "2=", "3="});
  doc.selectPrevious();
  EXPECT_EQ(doc.SelNo, 3);
  doc.selectPrevious();
  EXPECT_EQ(doc.SelNo, 2);
  doc.SelNo = 1;
  doc.selectPrevious();
  EXPECT_EQ(doc.SelNo, 0);
  doc.selectNext();
  EXPECT_EQ(doc.SelNo, 1);
  doc.SelNo = 3;
  doc.selectNext();
  EXPECT_EQ(doc.SelNo, 0);

  NoteDoc empty;
  empty.selectNext();
  EXPECT_EQ(empty.SelNo, 0);
  empty.selectPrevious();
  EXPECT_EQ(empty.SelNo, 0);
}

TEST(NoteDoc, AppendAndRemoveAtTheLimits) {
  NoteDoc doc = docWith(numbered(49));
  EXPECT_TRUE(doc.appendSiki("50="));
  EXPECT_TRUE(doc.full());
  EXPECT_FALSE(doc.appendSiki("51="));
  EXPECT_EQ(doc.SikiSuu, 50);
  EXPECT_EQ(doc.Siki(50), "50=");

  EXPECT_TRUE(doc.removeSiki(1));
  EXPECT_EQ(doc.SikiSuu, 49);
  EXPECT_EQ(doc.Siki(1), "2=");
  EXPECT_EQ(doc.Siki(49), "50=");
  EXPECT_EQ(doc.SikiTbl[49], "");  // the freed slot holds nothing
  EXPECT_TRUE(doc.removeSiki(49));
  EXPECT_EQ(doc.Siki(48), "49=");
  EXPECT_FALSE(doc.removeSiki(0));
  EXPECT_FALSE(doc.removeSiki(49));
  EXPECT_EQ(doc.SikiSuu, 48);

  NoteDoc empty;
  EXPECT_FALSE(empty.removeSiki(1));
}

TEST(NoteDoc, ReplaceTakesUpToFiftyLines) {
  NoteDoc doc = docWith({"1="});
  doc.SelNo = 1;
  EXPECT_FALSE(doc.replaceProblems(numbered(51)));
  EXPECT_EQ(doc.problems(), Problems{"1="});
  EXPECT_EQ(doc.SelNo, 1);
  EXPECT_TRUE(doc.replaceProblems(numbered(50)));
  EXPECT_EQ(doc.SikiSuu, 50);
  EXPECT_EQ(doc.SelNo, 0);
  EXPECT_TRUE(doc.replaceProblems({}));
  EXPECT_EQ(doc.SikiSuu, 0);
}

TEST(NoteDoc, ACountOutOfRangeNeverLeavesTheSlots) {
  NoteDoc doc;
  doc.SikiSuu = 80;
  EXPECT_EQ(doc.count(), 50);
  EXPECT_EQ(doc.problems().size(), 50u);
  EXPECT_FALSE(doc.appendSiki("x"));
  doc.SikiSuu = -3;
  EXPECT_EQ(doc.count(), 0);
  doc.SelNo = 7;
  EXPECT_FALSE(doc.hasSelection());
  doc.NoteSnapshot();
  EXPECT_EQ(doc.UndoSuu, 0);
}

TEST(NoteDoc, UndoClearsTheFlagOnlyWhenTheFileHoldsTheResult) {
  NoteDoc doc = docWith({"1=", "2="});
  doc.markSaved();
  doc.NoteSnapshot();
  doc.removeSiki(2);
  doc.HenkouFlag = 1;
  doc.NoteUndo();
  EXPECT_EQ(doc.HenkouFlag, 0);

  // Unsaved work before the undone step stays marked unsaved.
  doc.appendSiki("3=");
  doc.HenkouFlag = 1;
  doc.NoteSnapshot();
  doc.removeSiki(3);
  doc.NoteUndo();
  EXPECT_EQ(doc.problems(), (Problems{"1=", "2=", "3="}));
  EXPECT_EQ(doc.HenkouFlag, 1);

  // A title changed since the file counts too.
  doc.removeSiki(3);
  doc.NoteSnapshot();
  doc.HyoudaiStr = "新";
  doc.NoteUndo();
  EXPECT_EQ(doc.HenkouFlag, 1);
}

TEST(NoteDoc, ClearAllKeepsTitleAndFileName) {
  NoteDoc doc = docWith({"1=", "2="});
  doc.HyoudaiStr = "T";
  doc.NoteFileName = "/n.siki";
  doc.SelNo = 1;
  doc.HenkouFlag = 1;
  doc.NoteClearAll();
  EXPECT_EQ(doc.SikiSuu, 0);
  EXPECT_EQ(doc.SelNo, 0);
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_EQ(doc.SikiTbl[0], "");
  EXPECT_EQ(doc.HyoudaiStr, "T");
  EXPECT_EQ(doc.NoteFileName, "/n.siki");
}

TEST(NoteDoc, EditorResultGoesToTheSelectedProblem) {
  NoteDoc doc = docWith({"1=", "2="});
  EXPECT_FALSE(doc.setSelectedSiki("3b1="));
  EXPECT_EQ(doc.HenkouFlag, 0);
  doc.SelNo = 2;
  EXPECT_TRUE(doc.setSelectedSiki("3b1="));
  EXPECT_EQ(doc.problems(), (Problems{"1=", "3b1="}));
  EXPECT_EQ(doc.HenkouFlag, 1);
}

}  // namespace
}  // namespace ravlo
