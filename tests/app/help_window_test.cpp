// The help opens in the editor's own window, whatever the desktop offers:
// F1 and the menu item show the guide, its contents links move within it.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

#include "app/help.h"
#include "app/menu_table.h"
#include "editor_fixture.h"

namespace tavisk {
namespace {

// Stands in for the desktop's opener and remembers what it was handed.
class DesktopOpener : public QObject {
  Q_OBJECT
 public:
  DesktopOpener() { QDesktopServices::setUrlHandler("file", this, "Open"); }
  ~DesktopOpener() override { QDesktopServices::unsetUrlHandler("file"); }
  QList<QUrl> Opened;
 public slots:
  void Open(const QUrl& url) { Opened.append(url); }
};

struct Link {
  QString href;
  int position;
};

std::vector<Link> LinksOf(const QTextDocument& document) {
  std::vector<Link> links;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().isAnchor() && !fragment.charFormat().anchorHref().isEmpty()) {
        links.push_back({fragment.charFormat().anchorHref(), fragment.position()});
      }
    }
  }
  return links;
}

bool HasAnchor(const QTextDocument& document, const QString& name) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().anchorNames().contains(name)) return true;
    }
  }
  return false;
}

class HelpWindowTest : public test::EditorTest {
 protected:
  HelpWindow* help() { return session_->window->findChild<HelpWindow*>(); }
  DesktopOpener desktop_;
};

TEST_F(HelpWindowTest, F1ShowsTheGuideWhoseLinksAllResolve) {
  MainWindow& window = *session_->window;
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(canvas(), Qt::Key_F1);

  ASSERT_NE(help(), nullptr);
  EXPECT_TRUE(help()->isVisible());
  EXPECT_TRUE(desktop_.Opened.isEmpty());
  QTextBrowser* browser = help()->Browser();
  const QTextDocument& guide = *browser->document();
  EXPECT_EQ(browser->documentTitle(), "Tavisk user guide");

  const std::vector<Link> links = LinksOf(guide);
  ASSERT_GE(links.size(), 7u);  // the contents list at least
  for (const Link& link : links) {
    const QUrl target = browser->source().resolved(QUrl(link.href));
    if (target.hasFragment()) {
      EXPECT_TRUE(HasAnchor(guide, target.fragment())) << link.href.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(target.toLocalFile())) << link.href.toStdString();
  }

  // A click on the contents entry "Tools" scrolls the guide to that section.
  const auto tools = std::find_if(links.begin(), links.end(),
                                  [](const Link& link) { return link.href == "#tools"; });
  ASSERT_NE(tools, links.end());
  ASSERT_EQ(browser->verticalScrollBar()->value(), 0);
  QTextCursor cursor(browser->document());
  cursor.setPosition(tools->position + 1);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(cursor).center());
  EXPECT_EQ(browser->source().fragment(), "tools");
  EXPECT_GT(browser->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(desktop_.Opened.isEmpty());
}

TEST_F(HelpWindowTest, TheMenuItemShowsTheSameWindowAndAMissingGuideIsReported) {
  session_->window->MenuAction(kMenuHelpRtf)->trigger();
  ASSERT_NE(help(), nullptr);
  EXPECT_TRUE(help()->isVisible());
  EXPECT_EQ(help()->Browser()->documentTitle(), "Tavisk user guide");
  help()->close();
  session_->window->MenuAction(kMenuHelpRtf)->trigger();
  EXPECT_TRUE(help()->isVisible());
  EXPECT_EQ(session_->window->findChildren<HelpWindow*>().size(), 1);
  EXPECT_TRUE(desktop_.Opened.isEmpty());

  help()->close();
  ASSERT_TRUE(QFile::remove(QString::fromStdString(HelpDocumentPath(1))));
  session_->window->OnMenu(kMenuHelpHtml);
  EXPECT_FALSE(help()->isVisible());
  ASSERT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_NE(requesters_.Messages[0].Text.find("index.html"), std::string::npos);
}

}  // namespace
}  // namespace tavisk

#include "help_window_test.moc"
