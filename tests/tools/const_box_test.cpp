// The constants box and its calculator over a real main window: opening, what they look
// like, the buttons and keys, inserting into the calculation screen, closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "dialog_support.h"
#include "tests/cp932_bytes.h"
#include "tools/calc_form.h"
#include "tools/const_box.h"
#include "tools/const_set_form.h"
#include "tools/siki_edit_form.h"
#include "tools/tool_windows.h"

namespace ravlo::test {
namespace {

bool hasNonAscii(const QString& s) {
  for (QChar c : s)
    if (c.unicode() > 0x7F) return true;
  return false;
}

struct Opened {
  explicit Opened(std::string_view ini = {}) : w(ini) {
    w.key(Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::processEvents();
  }
  ConstBox& box() { return w.form().constantsBox(); }
  ConstSetForm& form() { return *box().form(); }
  CalcForm& calc() { return *box().calculator(); }
  void click(const char* name) { QTest::mouseClick(form().button(name), Qt::LeftButton); }
  void typeInput(const QString& text) {
    form().inputEdit()->clear();
    QTest::keyClicks(form().inputEdit(), text);
  }
  Window w;
};

TEST(ConstBox, OpensWithItsCalculatorBesideTheMainWindow) {
  Opened o;
  ASSERT_TRUE(o.box().isOpen());
  ConstSetForm& f = o.form();
  CalcForm& c = o.calc();
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(c.isVisible());
  EXPECT_EQ(f.windowTitle(), QStringLiteral("◆定数設定＆代入　(⇔親窓 byＦ７)"));
  EXPECT_EQ(c.windowTitle(), QStringLiteral("◇計算ボックス"));
  EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(c.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(f.isModal());
  const QRect client = o.w.form().geometry();
  const int right = client.x() + client.width();
  const int top = o.w.form().frameGeometry().top() + 200;
  EXPECT_EQ(f.pos(), QPoint(right - 500, top));
  EXPECT_EQ(c.pos(), QPoint(right - 220, top));
  EXPECT_EQ(f.digitsEdit()->value(), 18);

  // One box: the menu item and Ctrl+W again leave it as it is.
  o.w.form().action("Box2")->trigger();
  const QWidgetList windows = QApplication::topLevelWidgets();
  EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                          [](QWidget* w) { return qobject_cast<ConstSetForm*>(w) != nullptr; }),
            1);
  // With the box open, F7 on the calculation screen goes to it rather than typing ")".
  o.w.type("2*(3");
  o.w.key(Qt::Key_F7);
  EXPECT_EQ(o.w.state().InpSiki, "2*(3");
}

TEST(ConstBox, EveryControlHasAJapaneseNameAndRoomForItsText) {
  Opened o;
  for (QWidget* d : {static_cast<QWidget*>(&o.form()), static_cast<QWidget*>(&o.calc())}) {
    for (QWidget* w : namedControls(*d)) {
      EXPECT_TRUE(hasNonAscii(w->accessibleName()))
          << w->objectName().toStdString() << " '" << w->accessibleName().toStdString() << "'";
    }
    expectTidyLayout(*d);
  }
  for (RealFunc f : realFuncs()) {
    EXPECT_EQ(o.calc().button(f)->text().toStdString(), realFuncSpec(f).caption);
    EXPECT_EQ(o.calc().button(f)->toolTip().toStdString(), realFuncSpec(f).hint);
  }
  EXPECT_EQ(o.form().button("AddButton")->toolTip(), QStringLiteral("ｺﾝﾎﾞﾎﾞｯｸｽに保存します。"));
}

// What the learner does: a π-like constant stored, inserted into 2* and computed.
TEST(ConstBox, AStoredConstantGoesIntoTheLineAndIsComputed) {
  Opened o;
  o.w.type("2*");
  o.typeInput(QStringLiteral("pai"));
  o.form().nameEdit()->setText(QStringLiteral("円周率"));
  o.click("AddButton");
  o.form().list()->hidePopup();
  QComboBox* list = o.form().list();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->currentText(), QStringLiteral("0> 3.14159265358979324 #円周率"));
  EXPECT_EQ(o.w.rec().boxes().back().text, "0> 3.14159265358979324 #円周率\n\nを保存しました。");

  o.click("InsertButton");
  EXPECT_EQ(o.w.state().InpSiki, "2*3.14159265358979324");
  EXPECT_TRUE(o.w.state().InpAccept);
  o.w.type("=");
  EXPECT_EQ(o.w.state().InpSiki.rfind("2*3.14159265358979324=", 0), 0u) << o.w.state().InpSiki;
  EXPECT_FALSE(o.w.state().InpAccept);

  // 貼: the field itself, pai written out.
  o.w.key(Qt::Key_Delete);
  o.typeInput(QStringLiteral("pai"));
  o.click("PasteButton");
  EXPECT_EQ(o.w.state().InpSiki, "3.141592653589793238");
}

TEST(ConstBox, CalculatorButtonsAndKeysWorkOnTheField) {
  Opened o;
  o.typeInput(QStringLiteral("2,10"));
  QTest::keyClick(o.form().inputEdit(), Qt::Key_N, Qt::AltModifier);
  EXPECT_EQ(o.form().inputEdit()->text(), QStringLiteral("1024"));
  QTest::mouseClick(o.calc().button(RealFunc::Sqrt), Qt::LeftButton);
  EXPECT_EQ(o.form().inputEdit()->text(), QStringLiteral("32"));
  o.calc().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&o.calc()));
  QTest::keyClick(&o.calc(), Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(o.form().inputEdit()->text(), QStringLiteral("0.03125"));
  // Alt+A in the calculator stores; Insert inserts the selection.
  o.calc().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&o.calc()));
  QTest::keyClick(&o.calc(), Qt::Key_A, Qt::AltModifier);
  // It may arrive as the box's own 追加 &A, which clicks a moment later.
  EXPECT_TRUE(QTest::qWaitFor([&] { return o.form().list()->count() == 1; }));
  o.form().list()->hidePopup();
  o.calc().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&o.calc()));
  QTest::keyClick(&o.calc(), Qt::Key_Insert);
  EXPECT_EQ(o.w.state().InpSiki, "0.03125");
}

TEST(ConstBox, TheNameLabelCopiesTheField) {
  Opened o;
  o.typeInput(QStringLiteral("1.41"));
  QTest::mouseClick(o.form().nameLabel(), Qt::LeftButton);
  EXPECT_EQ(o.form().nameEdit()->text(), QStringLiteral("1.41"));
}

TEST(ConstBox, ClosingKeepsTheListForTheNextOpeningAndTheSettingsFile) {
  Opened o("[▼定数値▼]\nSOUSUU=2\n値0=1.41 #ルート2\n値1=2.5\n");
  QComboBox* list = o.form().list();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(0), QStringLiteral("0> 1.41 #ルート2"));
  list->setCurrentIndex(1);
  o.typeInput(QStringLiteral("7"));
  o.click("AddButton");
  list->hidePopup();
  QTest::keyClick(o.form().inputEdit(), Qt::Key_C, Qt::AltModifier);
  EXPECT_FALSE(o.box().isOpen());
  EXPECT_FALSE(o.form().isVisible());
  EXPECT_FALSE(o.calc().isVisible());

  o.w.form().action("Box2")->trigger();
  EXPECT_TRUE(o.form().isVisible());
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(list->currentIndex(), 2);
  EXPECT_EQ(o.form().inputEdit()->text(), QStringLiteral("7"));

  ASSERT_TRUE(o.w.closeWindow());
  std::ifstream in(o.w.ini(), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  EXPECT_NE(bytes.find(testing_support::iconvToCp932("SOUSUU=3\r\n値0=1.41 #ルート2\r\n値1=2.5\r\n値2=7\r\n")),
            std::string::npos);
}

TEST(ConstBox, TheEditorCanTakeInsertsOnceItIsThere) {
  Opened o;
  std::string editorField;
  o.box().appendToEditor = [&](std::string_view v) {
    editorField += v;
    return true;
  };
  o.typeInput(QStringLiteral("exp"));
  o.click("PasteButton");
  EXPECT_EQ(editorField, "2.718281828459045235");
  EXPECT_EQ(o.w.state().InpSiki, "");
  // Ctrl+E without an editor opens one, modally over the main window.
  QTest::keyClick(o.form().inputEdit(), Qt::Key_E, Qt::ControlModifier);
  ASSERT_NE(o.w.form().toolWindows().editor(), nullptr);
  EXPECT_EQ(o.w.form().toolWindows().editor()->windowModality(), Qt::WindowModal);
  o.w.form().toolWindows().editor()->closeNow();
  // Handed to the editor and back, the box keeps its fields.
  o.box().open(TeisuuOwner::Editor);
  EXPECT_EQ(o.box().model().owner, TeisuuOwner::Editor);
  o.box().editorClosed();
  EXPECT_EQ(o.box().model().owner, TeisuuOwner::InputPanel);
  EXPECT_EQ(o.form().inputEdit()->text(), QStringLiteral("exp"));
}

}  // namespace
}  // namespace ravlo::test
