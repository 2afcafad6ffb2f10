#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "core/common/text_routines.h"
#include "platform/xdg_paths.h"
#include "support/temp_tree.h"
#include "ui/common/help_topic.h"
#include "ui/common/help_window.h"

namespace tessaly {
namespace {

QString manualPage(const QString& page) { return joinPath(platform::manualFolder(), page); }

// The pages a manual page links to, without their anchors.
QSet<QString> linkedPages(const QString& page) {
  QFile file(manualPage(page));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
  static const QRegularExpression link(QStringLiteral(R"(href="([^"#:]+\.html))"));
  QSet<QString> pages;
  for (const QRegularExpressionMatch& match : link.globalMatch(QString::fromUtf8(file.readAll())))
    pages.insert(match.captured(1));
  return pages;
}

class HelpViewer : public ::testing::Test {
 protected:
  void SetUp() override {
    owner.resize(300, 200);
    owner.show();
  }
  // The viewer as F1 opens it over the owner.
  TfrmHelp* open(const QString& page) {
    showHelpPage(&owner, page);
    auto* viewer = owner.findChild<TfrmHelp*>();
    EXPECT_NE(viewer, nullptr);
    return viewer;
  }

  testkit::TempXdg xdg;
  QWidget owner;
};

TEST_F(HelpViewer, OpensCentredOnItsOwnersScreenAndFitsOnIt) {
  TfrmHelp* viewer = open(QStringLiteral("safe-harbor.html"));
  const QRect screen = owner.screen()->availableGeometry();
  const QPoint offCentre = viewer->frameGeometry().center() - screen.center();
  EXPECT_LE(offCentre.manhattanLength(), 2);
  EXPECT_TRUE(screen.contains(viewer->frameGeometry()));
}

TEST_F(HelpViewer, EscapeClosesItAndF1ShowsItsOwnTopic) {
  TfrmHelp* viewer = open(QStringLiteral("safe-harbor.html"));
  viewer->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
  QTest::keyClick(viewer, Qt::Key_F1);
  EXPECT_EQ(viewer->browser()->source().fileName(), kHelpViewerPage);
  QTest::keyClick(viewer, Qt::Key_Escape);
  EXPECT_FALSE(viewer->isVisible());
}

TEST_F(HelpViewer, BackReturnsAlongTheLinksFollowedAndContentsGoesToTheFirstPage) {
  TfrmHelp* viewer = open(kContentsPage);
  QTextBrowser* browser = viewer->browser();
  EXPECT_FALSE(viewer->btBack->isEnabled());

  // Following two links, as a click on them would.
  browser->setSource(QUrl::fromLocalFile(manualPage(QStringLiteral("safe-harbor.html"))));
  browser->setSource(QUrl::fromLocalFile(manualPage(QStringLiteral("edit-folder.html"))));
  ASSERT_TRUE(viewer->btBack->isEnabled());
  viewer->btBack->click();
  EXPECT_EQ(browser->source().fileName(), QStringLiteral("safe-harbor.html"));
  viewer->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
  QTest::keyClick(viewer, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(browser->source().fileName(), kContentsPage);
  EXPECT_FALSE(viewer->btBack->isEnabled());

  browser->setSource(QUrl::fromLocalFile(manualPage(QStringLiteral("deletion.html"))));
  viewer->btContents->click();
  EXPECT_EQ(browser->source().fileName(), kContentsPage);
}

TEST_F(HelpViewer, AMissingPageIsReportedInTheViewer) {
  TfrmHelp viewer(nullptr);
  viewer.showPage(QDir::tempPath() + QStringLiteral("/no-such-manual"), kContentsPage);
  EXPECT_TRUE(viewer.browser()->toPlainText().startsWith(QStringLiteral("Help is not installed")));
}

TEST(Manual, TheContentsPageLinksEveryTopicAndEveryLinkLeadsToAPage) {
  const QStringList pages = QDir(platform::manualFolder()).entryList({QStringLiteral("*.html")}, QDir::Files);
  ASSERT_TRUE(pages.contains(kContentsPage));
  const QSet<QString> fromContents = linkedPages(kContentsPage);
  for (const QString& page : pages) {
    if (page != kContentsPage) {
      EXPECT_TRUE(fromContents.contains(page)) << page.toStdString() << " is not on the contents page";
    }
    for (const QString& target : linkedPages(page))
      EXPECT_TRUE(pages.contains(target)) << page.toStdString() << " links to a missing " << target.toStdString();
  }
}

}  // namespace
}  // namespace tessaly
