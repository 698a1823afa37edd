// The version window from the help menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>

#include "dialog_support.h"

namespace ravlo::test {
namespace {

TEST(VersionForm, NamesTheProductAndItsVersionAndClosesWithOk) {
  Window w;
  std::vector<std::string> labels;
  bool closedByOk = false;
  const std::string name = whileModal([&] { w.form().action("About1")->trigger(); }, [&](QWidget& d) {
    labels = labelTexts(d);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("バージョン情報"));
    for (QWidget* c : namedControls(d)) EXPECT_FALSE(c->accessibleName().isEmpty());
    auto* ok = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    closedByOk = !d.isVisible();
  });
  EXPECT_EQ(name, "AboutForm");
  EXPECT_TRUE(closedByOk);
  EXPECT_EQ(labels, (std::vector<std::string>{"分数計算器『ラヴロ(RS)』", "Version RS02 (Linux)"}));
}

}  // namespace
}  // namespace ravlo::test
