// F1 opens the help file with the desktop's viewer when the file is there, else the user
// guide in the help window.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QListWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include "app/help_form.h"
#include "window_fixture.h"

namespace ravlo::test {
namespace {

class ViewerStandIn : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

TEST(Help, AnExistingHelpFileGoesToTheViewer) {
  Window w;
  writeFile(w.folder() / "RavloRS02.chm", "help");
  ViewerStandIn viewer;
  QDesktopServices::setUrlHandler("file", &viewer, "open");
  w.form().action("HelpView")->trigger();
  QDesktopServices::unsetUrlHandler("file");
  ASSERT_EQ(viewer.opened.size(), 1);
  EXPECT_EQ(viewer.opened[0].toLocalFile().toStdString(),
            (w.folder() / "RavloRS02.chm").string());
  EXPECT_TRUE(w.rec().boxes().empty());
}

TEST(Help, AFolderOfThatNameIsNoHelpFileAndAGuideNeedsItsFirstPage) {
  Window w;
  std::filesystem::create_directory(w.folder() / "RavloRS02.chm");
  std::filesystem::create_directory(w.folder() / "help");
  writeFile(w.folder() / "help" / "keys.html", "<html></html>");
  w.key(Qt::Key_F1);
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].text, "RavloRS02.chm が見あたりません。");
  EXPECT_EQ(w.form().findChild<HelpForm*>(), nullptr);
}

TEST(Help, WithoutTheHelpFileTheGuideOpensOnItsFirstPageOnce) {
  Window w;
  const std::filesystem::path guide = w.folder() / "help";
  std::filesystem::copy(RAVLO_HELP_SOURCE_DIR, guide, std::filesystem::copy_options::recursive);
  w.key(Qt::Key_F1);
  EXPECT_TRUE(w.rec().boxes().empty());
  auto* help = w.form().findChild<HelpForm*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  QTextBrowser* browser = help->browser();
  EXPECT_EQ(browser->source().toLocalFile().toStdString(), (guide / "index.html").string());
  EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("目次")));

  // The contents list every page; choosing one shows it, and 戻る goes back.
  QListWidget* contents = help->contents();
  ASSERT_GE(contents->count(), 8);
  QListWidgetItem* item = contents->item(2);
  QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                    contents->visualItemRect(item).center());
  EXPECT_EQ(browser->source(), item->data(Qt::UserRole).toUrl());
  EXPECT_TRUE(help->windowTitle().contains(item->text()));
  EXPECT_EQ(contents->currentItem(), item);
  auto* back = help->findChild<QToolButton*>("HelpBack");
  ASSERT_NE(back, nullptr);
  QTest::mouseClick(back, Qt::LeftButton);
  EXPECT_EQ(browser->source().toLocalFile().toStdString(), (guide / "index.html").string());

  for (QWidget* widget : help->findChildren<QWidget*>()) {
    if (widget->objectName().startsWith("Help")) {
      EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    }
  }

  // A second F1 brings the same window forward.
  w.key(Qt::Key_F1);
  EXPECT_EQ(w.form().findChildren<HelpForm*>().size(), 1);
  EXPECT_TRUE(w.rec().boxes().empty());
}

}  // namespace
}  // namespace ravlo::test

#include "help_test.moc"
