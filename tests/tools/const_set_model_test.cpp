// The constants box without its window: storing, the list and its slots in the settings,
// the field commands, deleting, the calculator on the field, and the settings file.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/model/settings_file.h"
#include "tests/cp932_bytes.h"
#include "tools/model/const_set_model.h"

namespace ravlo::test {
namespace {

struct Box {
  Box() : model(settings, sink) { model.open(TeisuuOwner::InputPanel); }
  // Types into the input field and stores it.
  bool store(std::string text, std::string name = {}) {
    model.input = std::move(text);
    model.name = std::move(name);
    return model.add();
  }
  std::string lastBox() const {
    const auto boxes = sink.boxes();
    return boxes.empty() ? std::string() : boxes.back().caption + "|" + boxes.back().text;
  }
  CalcSettings settings;
  RecordingSink sink;
  ConstSetModel model;
};

TEST(ConstSetModel, StoringWritesTheEntryAndTheSlotAndSelectsIt) {
  Box b;
  EXPECT_TRUE(b.store("0.50", "  半分 "));
  EXPECT_EQ(b.lastBox(), "確認！|0> 0.5 #半分\n\nを保存しました。");
  EXPECT_TRUE(b.store("007"));
  EXPECT_EQ(b.model.entryText(1), "1> 007");
  EXPECT_EQ(b.model.selected, 1);
  EXPECT_EQ(b.settings.ATAI[0], "0.5 #半分");
  EXPECT_EQ(b.settings.ATAI[1], "007");
  EXPECT_EQ(b.settings.TEISUU_SOUSUU, 2);
}

TEST(ConstSetModel, RefusalsSayWhyAndStoreNothing) {
  Box b;
  b.store("0.5");
  b.sink.clear();
  for (auto [field, message] :
       {std::pair{"0.50", "確認！|< 0.5 > は同一の式があります。"},
        std::pair{"1234567890123456789", "確認！|有効数字18ケタ以上の値は､格納できません｡不悪！"},
        std::pair{"1..2", "報告!!|実数値に変換できませんでした。"},
        std::pair{"x", "報告!!|実数値に変換できませんでした。"}}) {
    EXPECT_FALSE(b.store(field)) << field;
    EXPECT_EQ(b.lastBox(), message) << field;
  }
  b.sink.clear();
  EXPECT_FALSE(b.store(""));
  EXPECT_TRUE(b.sink.empty());
  EXPECT_EQ(b.model.entries().size(), 1u);
}

TEST(ConstSetModel, ThirtyFiveAtMost) {
  Box b;
  for (int i = 0; i < 35; ++i) ASSERT_TRUE(b.store(std::to_string(i + 1)));
  EXPECT_FALSE(b.store("99"));
  EXPECT_EQ(b.lastBox(), "確認！|メモの値が 35 個を超えているので、\n\nもう格納できません。");
  EXPECT_EQ(b.settings.TEISUU_SOUSUU, 35);
  EXPECT_EQ(b.settings.ATAI[34], "35");
}

TEST(ConstSetModel, OpeningListsTheNonEmptySlotsAndKeepsTheSelection) {
  CalcSettings settings;
  RecordingSink sink;
  settings.ATAI[0] = "1.41 #ルート2";
  settings.ATAI[3] = "  ";
  settings.ATAI[7] = "2.5";
  ConstSetModel model(settings, sink);
  model.selected = 1;
  model.open(TeisuuOwner::InputPanel);
  ASSERT_EQ(model.entries().size(), 2u);
  EXPECT_EQ(model.entryText(0), "0> 1.41 #ルート2");
  EXPECT_EQ(model.entryText(1), "1> 2.5");
  EXPECT_EQ(model.selected, 1);
  model.close();
  EXPECT_EQ(settings.ATAI[1], "2.5");
  EXPECT_EQ(settings.ATAI[7], "");
  EXPECT_EQ(settings.TEISUU_SOUSUU, 2);
  EXPECT_FALSE(model.isOpen());
  // A selection past the end of a shorter list falls on its last entry.
  model.selected = 9;
  model.open(TeisuuOwner::InputPanel);
  EXPECT_EQ(model.selected, 1);
}

TEST(ConstSetModel, DeletingAsksRenumbersAndKeepsThePlace) {
  Box b;
  for (const char* v : {"1", "2", "3"}) b.store(v);
  b.model.selected = 1;
  b.sink.scriptAnswer(BoxAnswer::Cancel);
  b.model.deleteSelected();
  EXPECT_EQ(b.lastBox(),
            "確認!!|選択式\n\n　　　1> 2\n\nを削除します。二度と戻りません。\n\nそれでも ＯＫ ですか？");
  EXPECT_EQ(b.model.entries().size(), 3u);
  b.model.deleteSelected();
  ASSERT_EQ(b.model.entries().size(), 2u);
  EXPECT_EQ(b.model.entryText(1), "1> 3");
  EXPECT_EQ(b.model.selected, 1);
  b.model.deleteSelected();
  EXPECT_EQ(b.model.selected, 0);
  EXPECT_EQ(b.settings.ATAI[0], "1");
  EXPECT_EQ(b.settings.ATAI[1], "");

  b.sink.scriptAnswer(BoxAnswer::Cancel);
  b.model.deleteAll();
  EXPECT_EQ(b.lastBox(), "確認！|全部 削除します。二度と元に戻りません。\n\nそれでも ＯＫ ですか？");
  EXPECT_EQ(b.model.entries().size(), 1u);
  b.model.deleteAll();
  EXPECT_TRUE(b.model.entries().empty());
  EXPECT_EQ(b.model.selected, -1);
  EXPECT_EQ(b.settings.TEISUU_SOUSUU, 0);
  b.sink.clear();
  b.model.deleteSelected();
  EXPECT_EQ(b.lastBox(), "確認!!|下欄で、数値を選択してください。");
}

TEST(ConstSetModel, FieldCommands) {
  Box b;
  b.store("2.5", "x");
  b.model.input = "9";
  b.sink.scriptAnswer(BoxAnswer::Cancel);
  b.model.takeSelected();
  EXPECT_EQ(b.model.input, "9");
  EXPECT_EQ(b.sink.boxes().back().text,
            "現在の入力ｴﾃﾞｲﾀの内容を消去して、\n下欄の選択されている数値をコピーします。\n　いいですか？");
  b.model.takeSelected();
  EXPECT_EQ(b.model.input, "2.5");
  b.model.restoreInput();
  EXPECT_EQ(b.model.input, "9");
  b.model.clearInput();
  EXPECT_EQ(b.model.input, "");
  b.model.restoreInput();
  EXPECT_EQ(b.model.input, "9");
  EXPECT_EQ(b.model.selectedValue(), "2.5");

  b.model.input = "pai/2";
  EXPECT_EQ(b.model.pasteValue(), "3.141592653589793238/2");
  b.model.input = "一二三四五六七八九十一二三";
  b.sink.scriptAnswer(BoxAnswer::Cancel);
  b.model.copyInputToName();
  EXPECT_EQ(b.model.name, "x");
  EXPECT_EQ(b.lastBox(), "確認!!|上のｴﾃﾞｲﾀの内容をｺﾋﾟｰします。");
  b.model.copyInputToName();
  EXPECT_EQ(b.model.name, "一二三四五六七八九十一二");
}

TEST(ConstSetModel, TheCalculatorWritesItsResultIntoTheField) {
  Box b;
  b.model.input = "2,10";
  EXPECT_TRUE(b.model.calculate(RealFunc::Pow));
  EXPECT_EQ(b.lastBox(), "報告!!|2 の 10乗＝1024\nを計算しました。");
  EXPECT_EQ(b.model.input, "1024");
  EXPECT_EQ(b.model.savedInput, "2,10");
  b.model.input = "2";
  EXPECT_FALSE(b.model.calculate(RealFunc::ASin));
  EXPECT_EQ(b.model.input, "2");
  EXPECT_EQ(b.model.savedInput, "2,10");
}

TEST(ConstSetModel, ConstantsOutliveARestartInTheSettingsFile) {
  QTemporaryDir dir;
  const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "RavloRS02.ini";
  {
    Box b;
    b.store("pai", "円周率");
    b.store("007");
    b.model.close();
    ASSERT_TRUE(SettingsSave(b.settings, file, b.sink).saved);
  }
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  EXPECT_NE(bytes.find(testing_support::iconvToCp932("[▼定数値▼]\r\nSOUSUU=2\r\n")), std::string::npos);
  EXPECT_NE(bytes.find(testing_support::iconvToCp932("値0=3.14159265358979324 #円周率\r\n値1=007\r\n")),
            std::string::npos);
  EXPECT_NE(bytes.find(testing_support::iconvToCp932("値34=\r\n")), std::string::npos);

  CalcSettings again;
  RecordingSink sink;
  SettingsLoad(again, file, sink);
  ConstSetModel model(again, sink);
  model.open(TeisuuOwner::InputPanel);
  ASSERT_EQ(model.entries().size(), 2u);
  EXPECT_EQ(model.entries()[0], (TeisuuEntry{"3.14159265358979324", "#円周率"}));
  EXPECT_EQ(model.entryText(1), "1> 007");
}

}  // namespace
}  // namespace ravlo::test
