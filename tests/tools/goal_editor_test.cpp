// The weekly goals editor: the ten-line limit in the field, leaving it with 決定 or 中止, its
// keys, and the goals surviving a restart with the side panel showing them.
#include <gtest/gtest.h>

#include <QFontDialog>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "dialog_support.h"
#include "tools/jouken_form.h"
#include "tools/mokuhyou_edit_form.h"

namespace ravlo::test {
namespace {

struct Editor {
  explicit Editor(std::vector<std::string> goals = {"早起き", "音読"})
      : form(goals, settings, sink, [this] { ++redraws; }, nullptr) {
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  CalcSettings settings;
  RecordingSink sink;
  int redraws = 0;
  MokuhyouEditForm form;
};

TEST(GoalEditor, ShowsTheGoalsOneALine) {
  Editor e;
  EXPECT_EQ(e.form.windowTitle(), QStringLiteral("●今週の目標(10個)●"));
  EXPECT_EQ(e.form.goalEdit()->toPlainText(), QStringLiteral("早起き\n音読"));
  EXPECT_EQ(e.form.goalEdit()->lineWrapMode(), QPlainTextEdit::NoWrap);
  for (QWidget* w : namedControls(e.form)) EXPECT_FALSE(w->accessibleName().isEmpty());
  expectTidyLayout(e.form);
}

TEST(GoalEditor, TypingAnEleventhGoalIsRefusedAndTheTenLinesStay) {
  std::vector<std::string> ten;
  for (int i = 1; i <= 10; ++i) ten.push_back("目標" + std::to_string(i));
  Editor e(ten);
  QPlainTextEdit* memo = e.form.goalEdit();
  const QString before = memo->toPlainText();
  memo->moveCursor(QTextCursor::End);
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_TRUE(e.sink.empty());
  QTest::keyClicks(memo, "x");
  ASSERT_EQ(e.sink.boxes().size(), 1u);
  EXPECT_EQ(e.sink.boxes()[0].caption, "Warning!!");
  EXPECT_EQ(e.sink.boxes()[0].text, "目標は１０個までです。");
  EXPECT_EQ(memo->toPlainText(), before + "\n");
  // The field goes on from the ten lines.
  QTest::keyClick(memo, Qt::Key_Backspace);
  QTest::keyClicks(memo, "!");
  EXPECT_EQ(memo->toPlainText(), before + "!");
  QTest::keyClick(memo, Qt::Key_D, Qt::AltModifier);
  EXPECT_TRUE(e.form.confirmed());
  EXPECT_EQ(e.form.lines().back(), "目標10!");
}

TEST(GoalEditor, LettersAreTypedAndAltKeysLeave) {
  Editor e;
  QPlainTextEdit* memo = e.form.goalEdit();
  memo->moveCursor(QTextCursor::End);
  QTest::keyClicks(memo, "cde");
  EXPECT_TRUE(e.form.isVisible());
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("早起き\n音読cde"));
  QTest::keyClick(memo, Qt::Key_C, Qt::AltModifier);
  EXPECT_FALSE(e.form.isVisible());
  EXPECT_FALSE(e.form.confirmed());
}

TEST(GoalEditor, TheFontButtonOpensTheGoalFontAndCancelKeepsIt) {
  Editor e;
  e.settings.MOKUHYOU_FONTSIZE = 20;
  const std::string name = whileModal(
      [&] { e.form.button("FontButton")->click(); },
      [&](QWidget& d) { static_cast<QFontDialog&>(d).setCurrentFont(QFont("IPAGothic", 30)); });
  EXPECT_EQ(name, "GoalFontDialog");
  EXPECT_EQ(e.settings.MOKUHYOU_FONTSIZE, 20);
  EXPECT_GE(e.redraws, 2);
}

// The settings dialog's 編集Ｅ, the editor's 決定, and a restart: the goals come back from the
// settings file and the side panel shows the first.
TEST(GoalEditor, ConfirmedGoalsSurviveARestart) {
  QTemporaryDir dir;
  const std::filesystem::path folder(dir.path().toStdString());
  const std::filesystem::path ini = folder / "RavloRS02.ini";
  RecordingSink rec;
  {
    BunMainForm main(BunMainForm::Options{ini, folder, &rec, nullptr});
    main.show();
    JoukenForm jouken(main.state(), main.toolHooks(), &main, &main);
    jouken.show();
    const std::string name = whileModal(
        [&] { child<QAbstractButton>(jouken, "SpeedButton1")->click(); }, [](QWidget& d) {
          auto& editor = static_cast<MokuhyouEditForm&>(d);
          editor.goalEdit()->setPlainText(QStringLiteral("毎日音読する\n計算ドリル"));
          editor.confirm();
        });
    EXPECT_EQ(name, "MokuhyouEditForm");
    EXPECT_EQ(jouken.goalList()->count(), 2);
    EXPECT_EQ(main.sidePanel()->goalLabel()->accessibleDescription(), QStringLiteral("毎日音読する"));
    // 中止 changes nothing.
    whileModal([&] { child<QAbstractButton>(jouken, "SpeedButton1")->click(); }, [](QWidget& d) {
      auto& editor = static_cast<MokuhyouEditForm&>(d);
      editor.goalEdit()->setPlainText(QStringLiteral("ちがう目標"));
      editor.cancel();
    });
    EXPECT_EQ(main.settings().MOKUHYOU[0], "毎日音読する");
    jouken.close();

    ASSERT_TRUE(main.close());
  }
  BunMainForm again(BunMainForm::Options{ini, folder, &rec, nullptr});
  again.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(again.settings().MOKUHYOU_SOUSUU, 2);
  EXPECT_EQ(again.settings().MOKUHYOU[1], "計算ドリル");
  again.sidePanel()->GoalDsp();
  EXPECT_EQ(again.sidePanel()->goalLabel()->accessibleDescription(), QStringLiteral("毎日音読する"));
}

}  // namespace
}  // namespace ravlo::test
