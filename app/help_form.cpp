#include "app/help_form.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ravlo {
namespace {

QToolButton* toolButton(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setObjectName(name);
  b->setAccessibleName(caption);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

QUrl withoutFragment(const QUrl& url) { return url.adjusted(QUrl::RemoveFragment); }

}  // namespace

HelpForm::HelpForm(const std::filesystem::path& firstPage, QWidget* owner)
    : QWidget(owner, Qt::Window) {
  setObjectName("HelpForm");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kHelpFormCaption));
  setAccessibleName(QString::fromUtf8(kHelpFormCaption));

  home_ = toolButton(QStringLiteral("目次"), "HelpHome", this);
  back_ = toolButton(QStringLiteral("戻る"), "HelpBack", this);
  forward_ = toolButton(QStringLiteral("進む"), "HelpForward", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(home_);
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch();

  contents_ = new QListWidget(this);
  contents_->setObjectName("HelpContents");
  contents_->setAccessibleName(QStringLiteral("目次"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setAccessibleName(QStringLiteral("ヘルプの本文"));
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);

  auto* splitter = new QSplitter(this);
  splitter->setObjectName("HelpSplitter");
  splitter->setAccessibleName(QStringLiteral("目次と本文"));
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({170, 550});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);
  resize(760, 560);

  connect(home_, &QToolButton::clicked, browser_, &QTextBrowser::home);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  // source() still names the page before while this signal is sent.
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { pageChanged(url); });
  // A click or Enter on an entry; a style may report one click as both.
  const auto openEntry = [this](QListWidgetItem* item) {
    const QUrl target = item->data(Qt::UserRole).toUrl();
    if (target != browser_->source()) browser_->setSource(target);
  };
  connect(contents_, &QListWidget::itemActivated, this, openEntry);
  connect(contents_, &QListWidget::itemClicked, this, openEntry);
  back_->setEnabled(false);
  forward_->setEnabled(false);

  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(firstPage.string())));
  fillContents();
  pageChanged(browser_->source());
}

// The contents page's links to other pages, in order, each page once.
void HelpForm::fillContents() {
  const QUrl base = browser_->source();
  auto* first = new QListWidgetItem(browser_->documentTitle(), contents_);
  first->setData(Qt::UserRole, base);
  for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (!format.isAnchor() || format.anchorHref().isEmpty()) continue;
      const QUrl target = base.resolved(QUrl(format.anchorHref()));
      if (!target.isLocalFile() || target.hasFragment()) continue;
      bool listed = false;
      for (int i = 0; i < contents_->count() && !listed; ++i)
        listed = contents_->item(i)->data(Qt::UserRole).toUrl() == target;
      if (listed) continue;
      auto* item = new QListWidgetItem(fragment.text().trimmed(), contents_);
      item->setData(Qt::UserRole, target);
    }
  }
}

void HelpForm::pageChanged(const QUrl& url) {
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? QString::fromUtf8(kHelpFormCaption)
                                 : QString::fromUtf8(kHelpFormCaption) + " - " + title);
  const QUrl page = withoutFragment(url);
  for (int i = 0; i < contents_->count(); ++i) {
    if (contents_->item(i)->data(Qt::UserRole).toUrl() == page) {
      contents_->setCurrentRow(i);
      return;
    }
  }
}

}  // namespace ravlo
