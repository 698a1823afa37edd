#pragma once
// The help window: the user guide's pages in a browser, its table of contents beside them,
// buttons for the contents page, back and forward. One per main window.
#include <QWidget>
#include <filesystem>

class QListWidget;
class QUrl;
class QTextBrowser;
class QToolButton;

namespace ravlo {

inline constexpr const char* kHelpFormCaption = "『ラヴロ』のヘルプ";

class HelpForm final : public QWidget {
  Q_OBJECT

 public:
  // firstPage: the guide's contents page; its links make the table of contents.
  HelpForm(const std::filesystem::path& firstPage, QWidget* owner);

  QTextBrowser* browser() const { return browser_; }
  QListWidget* contents() const { return contents_; }

 private:
  void fillContents();
  void pageChanged(const QUrl& url);

  QTextBrowser* browser_ = nullptr;
  QListWidget* contents_ = nullptr;
  QToolButton* home_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
};

}  // namespace ravlo
