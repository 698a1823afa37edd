// Start-up with whatever settings file there is, and the file written at exit.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <random>

#include "app/model/settings_file.h"
#include "window_fixture.h"

namespace ravlo::test {
namespace {

void expectSoundScreen(Window& w) {
  const CalcState& st = w.state();
  EXPECT_GT(st.CharW, 3);
  EXPECT_GT(st.CharH, st.CharW);
  EXPECT_GT(st.A4Height, 0);
  EXPECT_GE(w.settings().FONTSIZE, 4);
  EXPECT_EQ(w.settings().FONTSIZE, 14);
  EXPECT_TRUE(fontFamilyExists(w.settings().FONTNAME));
  EXPECT_GE(w.form().cursorTimer().interval(), 200);
  EXPECT_LE(w.form().cursorTimer().interval(), 2000);
  // And it still calculates.
  w.type("3b2+1=");
  EXPECT_EQ(w.state().InpSiki, "3b2+1=1k3b2");
}

TEST(SettingsAtStart, AFirstRunUsesDefaultsAndWritesTheFileAtExit) {
  auto w = std::make_unique<Window>();
  EXPECT_FALSE(std::filesystem::exists(w->ini()));
  EXPECT_EQ(w->settings().FONTNAME, "ＭＳ ゴシック");
  EXPECT_EQ(w->settings().FONTSIZE, 14);
  EXPECT_EQ(w->form().size(), QSize(500, 450));
  expectSoundScreen(*w);
  w->form().resize(520, 430);
  ASSERT_TRUE(w->closeWindow());
  ASSERT_TRUE(std::filesystem::exists(w->ini()));
  CalcSettings again;
  RecordingSink sink;
  SettingsLoad(again, w->ini(), sink);
  EXPECT_EQ(again.MAINWIDTH, 520);
  EXPECT_EQ(again.MAINHEIGHT, 430);
  EXPECT_EQ(again.MAINLEFT, w->form().pos().x());
}

TEST(SettingsAtStart, GarbageGivesTheDefaults) {
  std::mt19937 rng(7);
  std::string junk(3000, '\0');
  for (char& c : junk) c = static_cast<char>(rng() & 0xFF);
  QTemporaryDir dir;
  const std::filesystem::path folder(dir.path().toStdString());
  writeFile(folder / "RavloRS02.ini", junk);
  RecordingSink rec;
  BunMainForm form(BunMainForm::Options{folder / "RavloRS02.ini", folder, &rec});
  form.show();
  EXPECT_EQ(form.settings().FONTSIZE, 14);
  EXPECT_EQ(form.settings().GYOKEISUU, 5);
  EXPECT_GT(form.state().CharW, 3);
  form.state().JiInputText("2b1+2b1=");
  EXPECT_EQ(form.state().InpSiki, "2b1+2b1=1");
  form.close();
}

TEST(SettingsAtStart, OutOfRangeNumbersAreBroughtIn) {
  Window w(
      "[▼計算画面▼]\n"
      "FONTSIZE=99999\n"
      "MAINHEIGHT=-40\n"
      "MAINWIDTH=0\n"
      "CURSOLTEMPO=5\n"
      "PAGEA4BAI=100000\n"
      "GYOKEISUU=0\n"
      "[▼週の目標▼]\n"
      "SOUSUU=-3\n"
      "DSPBANGOU=99\n"
      "JIOKURI=5000\n");
  EXPECT_EQ(w.settings().FONTSIZE, 14);
  EXPECT_EQ(w.form().size(), QSize(500, 450));
  EXPECT_LE(w.settings().PAGEA4BAI, 400);
  EXPECT_GE(w.settings().GYOKEISUU, 1);
  EXPECT_LE(w.settings().JIOKURI, 200);
  EXPECT_TRUE(w.form().sidePanel()->goalLabel()->goalText().isEmpty());
  expectSoundScreen(w);
}

TEST(SettingsAtStart, AFontThatIsNotInstalledIsReplaced) {
  Window w(
      "[▼計算画面▼]\n"
      "FONTNAME=No Such Face 123\n"
      "[▼週の目標▼]\n"
      "FONTNAME=\n");
  EXPECT_EQ(w.settings().FONTNAME, "ＭＳ ゴシック");
  EXPECT_EQ(w.settings().MOKUHYOU_FONTNAME, "ＭＳ ゴシック");
  bool told = false;
  for (const auto& e : w.rec().entries()) {
    if (e.kind == RecordingSink::Kind::Status &&
        e.text.find("No Such Face 123") != std::string::npos) {
      told = true;
    }
  }
  EXPECT_TRUE(told);
  expectSoundScreen(w);
}

TEST(SettingsAtStart, AWindowOffTheScreenIsBroughtBack) {
  for (const char* place : {"MAINTOP=-20000\nMAINLEFT=30000\n", "MAINTOP=5000\nMAINLEFT=-5000\n",
                            "MAINTOP=-430\nMAINLEFT=10\n"}) {
    Window w(std::string("[▼計算画面▼]\n") + place + "MAINWIDTH=32000\nMAINHEIGHT=400\n");
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect window(w.form().pos(), w.form().size());
    EXPECT_TRUE(avail.contains(window.topLeft())) << place;
    EXPECT_LE(window.width(), avail.width()) << place;
  }
}

TEST(SettingsAtStart, TheInputPanelOpensOnTheScreen) {
  // A short window at the top edge: the panel's usual place is above the screen.
  Window w("[▼計算画面▼]\nMAINTOP=0\nMAINLEFT=0\nMAINWIDTH=300\nMAINHEIGHT=120\n");
  const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint panel = w.form().inputForm()->pos();
  EXPECT_TRUE(avail.contains(panel)) << panel.x() << "," << panel.y();
}

TEST(SettingsAtStart, TheInputPanelComesBackWhereItWas) {
  auto first = std::make_unique<Window>("[▼計算画面▼]\nMAINTOP=50\nMAINLEFT=70\n");
  const QPoint moved(first->form().x() + 30, first->form().y() + 20);
  first->form().inputForm()->move(moved);
  const std::filesystem::path ini = first->ini();
  ASSERT_TRUE(first->closeWindow());
  CalcSettings saved;
  RecordingSink sink;
  SettingsLoad(saved, ini, sink);
  EXPECT_EQ(QPoint(saved.INPUTLEFT, saved.INPUTTOP), moved);

  Window again("[▼計算画面▼]\nMAINTOP=50\nMAINLEFT=70\nINPUTTOP=" +
               std::to_string(saved.INPUTTOP) + "\nINPUTLEFT=" + std::to_string(saved.INPUTLEFT) +
               "\n");
  EXPECT_EQ(again.form().inputForm()->pos(), moved);
}

TEST(SettingsAtStart, AWindowOnTheScreenStaysWhereItWas) {
  Window w("[▼計算画面▼]\nMAINTOP=50\nMAINLEFT=70\nMAINWIDTH=400\nMAINHEIGHT=300\n");
  EXPECT_EQ(w.form().pos(), QPoint(70, 50));
  EXPECT_EQ(w.form().size(), QSize(400, 300));
}

TEST(SettingsAtStart, SettingsChangedInTheRunAreSaved) {
  auto w = std::make_unique<Window>("[▼過程表示▼]\nPROCDSP=0\n");
  w->key(Qt::Key_F5);
  w->key(Qt::Key_PageUp, Qt::ShiftModifier);
  ASSERT_TRUE(w->closeWindow());
  CalcSettings again;
  RecordingSink sink;
  SettingsLoad(again, w->ini(), sink);
  EXPECT_TRUE(again.PROCDSP);
  EXPECT_EQ(again.GYOKEISUU, 6);
}

TEST(CloseQuery, CancelKeepsTheProgramRunning) {
  int saves = 0;
  Window w;
  w.form().notebookHasUnsavedEdits = [] { return true; };
  w.form().saveNotebook = [&] {
    ++saves;
    return true;
  };
  w.rec().scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(w.closeWindow());
  EXPECT_TRUE(w.form().isVisible());
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].caption, "ご確認");
  EXPECT_EQ(w.rec().boxes()[0].text,
            "ノート画面の式が､編集されているのに保存されていません。\n\n終了する前に保存しますか？");
  EXPECT_EQ(w.rec().boxes()[0].buttons, BoxButtons::YesNoCancel);
  EXPECT_EQ(saves, 0);
  EXPECT_FALSE(std::filesystem::exists(w.ini()));

  w.rec().scriptAnswer(BoxAnswer::Yes);
  EXPECT_TRUE(w.closeWindow());
  EXPECT_EQ(saves, 1);
  EXPECT_TRUE(std::filesystem::exists(w.ini()));
}

TEST(CloseQuery, NoClosesWithoutSaving) {
  int saves = 0;
  Window w;
  w.form().notebookHasUnsavedEdits = [] { return true; };
  w.form().saveNotebook = [&] {
    ++saves;
    return true;
  };
  w.rec().scriptAnswer(BoxAnswer::No);
  EXPECT_TRUE(w.closeWindow());
  EXPECT_EQ(saves, 0);
}

TEST(CloseQuery, NothingIsAskedWithoutUnsavedEdits) {
  Window w;
  EXPECT_TRUE(w.closeWindow());
  EXPECT_TRUE(w.rec().boxes().empty());
}

}  // namespace
}  // namespace ravlo::test
