// F1 opens the help file with the desktop's viewer when the file is there.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QUrl>

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

TEST(Help, AFolderOfThatNameIsNoHelpFile) {
  Window w;
  std::filesystem::create_directory(w.folder() / "RavloRS02.chm");
  w.key(Qt::Key_F1);
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].text, "RavloRS02.chm が見あたりません。");
}

}  // namespace
}  // namespace ravlo::test

#include "help_test.moc"
