// The expression memo without its window: its entries in the settings and in the settings
// file, adding, deleting, Look and the selection kept between openings.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/model/calc_settings.h"
#include "app/model/settings_file.h"
#include "core/message_sink.h"
#include "tests/cp932_bytes.h"
#include "tools/model/siki_memo.h"

namespace ravlo::test {
namespace {

struct Memo {
  CalcSettings settings;
  RecordingSink sink;
  ToolSession session;
  SikiMemo open() { return SikiMemo(settings, sink, session); }
};

TEST(SikiMemo, OpensWithTheFilledSlotsInOrderAndClosesThemUpFromSlotZero) {
  Memo m;
  m.settings.SIKI[0] = "3b2+1";
  m.settings.SIKI[2] = "x^2";
  m.settings.SIKI[49] = "1k3b2";
  SikiMemo memo = m.open();
  EXPECT_EQ(memo.entries(), (std::vector<std::string>{"3b2+1", "x^2", "1k3b2"}));
  EXPECT_EQ(memo.selected(), 0);
  memo.close();
  EXPECT_EQ(m.settings.SIKI[0], "3b2+1");
  EXPECT_EQ(m.settings.SIKI[1], "x^2");
  EXPECT_EQ(m.settings.SIKI[2], "1k3b2");
  EXPECT_EQ(m.settings.SIKI[49], "");
  EXPECT_EQ(m.settings.MEMO_SOUSUU, 3);
}

TEST(SikiMemo, AddsAtTheEndAndSelectsTheNewEntry) {
  Memo m;
  SikiMemo memo = m.open();
  EXPECT_FALSE(memo.MemoAdd(""));
  EXPECT_TRUE(memo.MemoAdd("1+2"));
  EXPECT_TRUE(memo.MemoAdd("1+2 "));
  EXPECT_EQ(memo.selected(), 1);
  EXPECT_TRUE(m.sink.empty());
}

TEST(SikiMemo, RefusesTheSameTextTwice) {
  Memo m;
  SikiMemo memo = m.open();
  memo.MemoAdd("1+2");
  memo.MemoAdd("3");
  EXPECT_FALSE(memo.MemoAdd("1+2"));
  EXPECT_EQ(memo.count(), 2);
  ASSERT_EQ(m.sink.boxes().size(), 1u);
  EXPECT_EQ(m.sink.boxes()[0].caption, "確認！");
  EXPECT_EQ(m.sink.boxes()[0].text, "同一の式があります。");
}

TEST(SikiMemo, RefusesAFiftyFirstEntry) {
  Memo m;
  for (int i = 0; i < 50; ++i) m.settings.SIKI[static_cast<std::size_t>(i)] = std::to_string(i);
  SikiMemo memo = m.open();
  EXPECT_FALSE(memo.MemoAdd("50"));
  EXPECT_EQ(memo.count(), 50);
  ASSERT_EQ(m.sink.boxes().size(), 1u);
  EXPECT_EQ(m.sink.boxes()[0].caption, "確認！");
  EXPECT_EQ(m.sink.boxes()[0].text, "メモの式が 50 を超えているので、\n\nもう格納できません。");
}

TEST(SikiMemo, DeletesTheSelectedEntryAfterAsking) {
  Memo m;
  SikiMemo memo = m.open();
  for (const char* t : {"a1", "a2", "a3"}) memo.MemoAdd(t);
  memo.select(1);
  m.sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(memo.deleteSelected());
  EXPECT_EQ(memo.count(), 3);
  EXPECT_TRUE(memo.deleteSelected());
  EXPECT_EQ(memo.entries(), (std::vector<std::string>{"a1", "a3"}));
  EXPECT_EQ(memo.selectedText(), "a3");
  // The last entry deleted while selected: nothing is selected, and nothing more to delete.
  EXPECT_TRUE(memo.deleteSelected());
  EXPECT_EQ(memo.selected(), -1);
  EXPECT_FALSE(memo.deleteSelected());
  EXPECT_EQ(m.sink.boxes().size(), 3u);
  EXPECT_EQ(m.sink.boxes()[0].text, "選択式を削除します。二度と戻りません。\n\nそれでも ＯＫ ですか？");
}

TEST(SikiMemo, DeletesEverythingAfterAsking) {
  Memo m;
  SikiMemo memo = m.open();
  memo.MemoAdd("a1");
  m.sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(memo.deleteAll());
  EXPECT_TRUE(memo.deleteAll());
  EXPECT_EQ(memo.count(), 0);
  EXPECT_EQ(memo.selected(), -1);
  EXPECT_EQ(m.sink.boxes()[0].text, "全部 削除します。二度と元に戻りません。\n\nそれでも ＯＫ ですか？");
}

TEST(SikiMemo, LookShowsTheExpressionWithItsComment) {
  Memo m;
  SikiMemo memo = m.open();
  memo.look();  // nothing selected
  memo.MemoAdd("x^2+1 # kadai");
  memo.look();
  ASSERT_EQ(m.sink.entries().size(), 1u);
  EXPECT_EQ(m.sink.entries()[0].kind, RecordingSink::Kind::Small);
  EXPECT_EQ(m.sink.entries()[0].text, "@x^2+1 # kadai");
  EXPECT_EQ(m.sink.entries()[0].caption, "式の分数形表示");
  EXPECT_EQ(m.sink.entries()[0].displayMs, 10000);
}

TEST(SikiMemo, TheNextOpeningSelectsTheSameIndex) {
  Memo m;
  {
    SikiMemo memo = m.open();
    for (const char* t : {"a1", "a2", "a3"}) memo.MemoAdd(t);
    memo.select(1);
    memo.close();
  }
  EXPECT_EQ(m.open().selectedText(), "a2");
}

TEST(SikiMemo, SurvivesARestartThroughTheSettingsFile) {
  QTemporaryDir dir;
  const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "RavloRS02.ini";
  const std::string entry = "x^2+1 # 宿題の式";
  {
    Memo m;
    SikiMemo memo = m.open();
    memo.MemoAdd("3b2+1");
    memo.MemoAdd(entry);
    memo.close();
    ASSERT_TRUE(SettingsSave(m.settings, file, m.sink).saved);
  }
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  using testing_support::iconvToCp932;
  const std::string section = iconvToCp932("[▼式のメモ▼]\r\nSOUSUU=2\r\nSIKI0=3b2+1\r\nSIKI1=");
  EXPECT_NE(bytes.find(section + iconvToCp932(entry) + "\r\nSIKI2=\r\n"), std::string::npos);

  Memo next;
  SettingsLoad(next.settings, file, next.sink);
  EXPECT_EQ(next.open().entries(), (std::vector<std::string>{"3b2+1", entry}));
}

}  // namespace
}  // namespace ravlo::test
