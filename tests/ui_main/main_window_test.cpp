#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "core/common/date_texts.h"
#include "core/common/settings_store.h"
#include "platform/xdg_paths.h"
#include "core/safeharbor/safe_harbor.h"
#include "support/fake_host.h"
#include "support/keyboard_checks.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/archive/unzip_window.h"
#include "ui/browse/browse_window.h"
#include "ui/main/app_state.h"
#include "ui/common/help_topic.h"
#include "ui/common/help_window.h"
#include "ui/main/main_window.h"
#include "ui/safeharbor/no_delete_window.h"

namespace tessaly {
namespace {

const QString kSafeHarborMissingText = QStringLiteral(
    "The Safe Harbor list of folders/files not to delete has not been created yet.  "
    "Click on the Build Safe Harbor button to initialize.");

const QStringList kCheckedTools = {"btDuplicate", "btFileHog", "btFiles", "btDirHogs",
                                   "btClean",     "btBrowse",  "btClearCache"};
const QStringList kUncheckedTools = {"btStatistic", "btZip", "btBuild"};

void writeFoldersList() {
  QDir().mkpath(QFileInfo(platform::foldersListPath()).path());
  QFile list(platform::foldersListPath());
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("/home/user/keep\r\n");
}

// Each test starts as a fresh user: no settings, no safe harbor.
class MainWindowTest : public ::testing::Test {
 protected:
  // The program's table, with openers that only record which tool opened.
  MainWindowSetup recordingSetup() {
    MainWindowSetup setup;
    for (ToolEntry& tool : setup.tools) {
      tool.opener = [this, name = tool.buttonName](QWidget*) {
        opened.append(name);
        return ToolOutcome{};
      };
    }
    return setup;
  }

  TfrmMain& show(MainWindowSetup setup = {}) {
    window = std::make_unique<TfrmMain>(std::move(setup));
    window->show();
    return *window;
  }

  void click(const QString& buttonName) {
    auto* button = window->findChild<QPushButton*>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // The object name of the modal window the button opened, which is closed again; empty when
  // none opened.
  QString windowOpenedBy(const QString& buttonName) {
    QString opened;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window.get()) {
        opened = modal->objectName();
        modal->close();
      }
    });
    click(buttonName);
    return opened;
  }

  testkit::TempXdg xdg;
  testkit::ScriptedDialogs dialogs;
  QStringList opened;
  std::unique_ptr<TfrmMain> window;
};

TEST_F(MainWindowTest, EachCheckedToolRefusesWithTheSafeHarborMessageWhileTheListIsMissing) {
  show(recordingSetup());
  for (const QString& name : kCheckedTools) {
    dialogs.clear();
    click(name);
    EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{kSafeHarborMissingText}) << name.toStdString();
    EXPECT_EQ(dialogs.texts().size(), 1) << name.toStdString();
  }
  EXPECT_TRUE(opened.isEmpty()) << opened.join(u' ').toStdString();
}

TEST_F(MainWindowTest, UncheckedToolsOpenWhileTheSafeHarborIsMissing) {
  show(recordingSetup());
  for (const QString& name : kUncheckedTools) click(name);
  EXPECT_EQ(opened, kUncheckedTools);
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(MainWindowTest, BrowseOpensTheBrowseWindowOnTheHomeFolder) {
  testkit::TempTree tree;
  const QString home = tree.folder("home");
  tree.file("home/notes.txt", "n");
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", QFile::encodeName(home));
  writeFoldersList();
  QString shownFolder;
  QString shownPattern;
  QTimer::singleShot(0, [&] {
    auto* browseWindow = qobject_cast<TfrmBrowse*>(QApplication::activeModalWidget());
    ASSERT_NE(browseWindow, nullptr);
    shownFolder = browseWindow->currentFolder();
    shownPattern = browseWindow->pattern();
    browseWindow->btClose->click();
  });
  show();
  click("btBrowse");
  qputenv("HOME", savedHome);
  EXPECT_EQ(shownFolder, home);
  EXPECT_EQ(shownPattern, "*.*");
  EXPECT_TRUE(dialogs.texts(MessageStyle::Information).isEmpty());
}

TEST_F(MainWindowTest, BuildingTheSafeHarborFromItsWindowUnlocksTheTools) {
  testkit::TempTree tree;
  testkit::FakeInstalledSoftware software;
  software.values = {tree.folder("opt/acme/bin") + "/acme"};
  show();
  click("btDirHogs");
  ASSERT_EQ(dialogs.texts(MessageStyle::Error), QStringList{kSafeHarborMissingText});

  dialogs.clear();
  dialogs.answer(Answer::Yes);  // "Tessaly will now scan ..."
  bool sawWindow = false;
  QTimer::singleShot(0, [&] {
    auto* harborWindow = qobject_cast<TfrmNoDelete*>(QApplication::activeModalWidget());
    ASSERT_NE(harborWindow, nullptr);
    sawWindow = true;
    harborWindow->btBuild->click();
    harborWindow->btClose->click();
  });
  click("btBuild");
  ASSERT_TRUE(sawWindow);
  EXPECT_TRUE(QFileInfo::exists(platform::foldersListPath()));

  dialogs.clear();
  EXPECT_EQ(windowOpenedBy("btDirHogs"), QStringLiteral("frmDirHog"));
  EXPECT_TRUE(dialogs.texts().isEmpty());
  int reason = 0;
  EXPECT_TRUE(safeHarbor().isInExceptionList(tree.path("opt/acme/bin/acme"), true, &reason));
  EXPECT_EQ(reason, InstalledSoftwareReason);
}

TEST_F(MainWindowTest, FolderHogsAndFilesAccessedOpenTheirWindows) {
  writeFoldersList();
  show();
  const struct {
    const char* button;
    QString window;
  } cases[] = {{"btDirHogs", QStringLiteral("frmDirHog")}, {"btFiles", QStringLiteral("frmMods")}};
  for (const auto& c : cases) EXPECT_EQ(windowOpenedBy(QString::fromUtf8(c.button)), c.window) << c.button;
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(MainWindowTest, UnzipOpensTheArchiveWindowOnTheDefaultArchiveFolder) {
  bool sawWindow = false;
  QTimer::singleShot(0, [&] {
    auto* unzipWindow = qobject_cast<TfrmUnZipIt*>(QApplication::activeModalWidget());
    ASSERT_NE(unzipWindow, nullptr);
    sawWindow = true;
    unzipWindow->btClose->click();
  });
  show();
  click("btZip");
  EXPECT_TRUE(sawWindow);
  EXPECT_TRUE(dialogs.texts(MessageStyle::Error).isEmpty());
}

TEST_F(MainWindowTest, FileHogsPressedWhileTheCheckFailsLeavesFindDupsUnchanged) {
  show(recordingSetup());
  appState().findDups = true;
  click("btFileHog");
  EXPECT_TRUE(appState().findDups);

  writeFoldersList();
  show(recordingSetup());
  click("btFileHog");
  EXPECT_FALSE(appState().findDups);
  click("btDuplicate");
  EXPECT_TRUE(appState().findDups);
  EXPECT_EQ(opened, QStringList({"btFileHog", "btDuplicate"}));
}

TEST_F(MainWindowTest, BuildingTheSafeHarborReloadsTheListsOnlyWhenTheyChanged) {
  int folderLoads = 0;
  int extensionLoads = 0;
  bool buildChangesLists = false;
  MainWindowSetup setup = recordingSetup();
  const SafeHarborHooks program = setup.safeHarbor;
  setup.safeHarbor.getSearchPath = [&] {
    ++folderLoads;
    return program.getSearchPath();
  };
  setup.safeHarbor.readSafeHarborExtensions = [&] { ++extensionLoads; };
  setup.tools[9].opener = [&](QWidget*) {
    if (buildChangesLists) writeFoldersList();
    return ToolOutcome{buildChangesLists};
  };
  show(std::move(setup));
  ASSERT_EQ(folderLoads, 1);
  ASSERT_EQ(extensionLoads, 1);

  click("btBuild");
  EXPECT_EQ(folderLoads, 1);
  EXPECT_EQ(extensionLoads, 1);

  buildChangesLists = true;
  click("btBuild");
  EXPECT_EQ(folderLoads, 2);
  EXPECT_EQ(extensionLoads, 2);

  click("btDirHogs");
  EXPECT_EQ(opened, QStringList{"btDirHogs"});
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(MainWindowTest, ShowingEmptiesTheSafeHarborCacheBeforeLoadingTheLists) {
  QStringList calls;
  MainWindowSetup setup;
  setup.safeHarbor = SafeHarborHooks{
      .forgetLastChecked = [&] { calls.append("forget"); },
      .readSafeHarborExtensions = [&] { calls.append("extensions"); },
      .getSearchPath = [&] { calls.append("folders"); return false; },
  };
  show(std::move(setup));
  EXPECT_EQ(calls, QStringList({"forget", "extensions", "folders"}));
}

TEST_F(MainWindowTest, StartRewritesTheShortDateFormatToFourDigitYearsAndNumericMonths) {
  const QString saved = shortDateFormat();
  setShortDateFormat(QStringLiteral("dd-MMM-yy"));
  TfrmMain main;
  EXPECT_EQ(shortDateFormat(), QStringLiteral("dd-MM-yyyy"));
  setShortDateFormat(saved);
}

TEST_F(MainWindowTest, TheGradientReplacesTheTiledPictureBelowFifteenBitsOfColour) {
  struct Case {
    int depth;
    bool gradient;
  };
  for (const Case c : {Case{8, true}, Case{14, true}, Case{15, false}, Case{24, false}}) {
    MainWindowSetup setup;
    setup.screenDepth = [depth = c.depth](const QWidget&) { return depth; };
    TfrmMain& main = show(std::move(setup));
    EXPECT_EQ(main.findChild<QWidget*>("EsGradient1")->isVisible(), c.gradient) << c.depth;
    EXPECT_EQ(main.findChild<QWidget*>("EsTile1")->isVisible(), !c.gradient) << c.depth;
  }
}

TEST_F(MainWindowTest, ShowingReadsTheArchiveFolderWithTheHomeFolderAsDefault) {
  show();
  EXPECT_EQ(appState().defaultZipPath, platform::homeFolder());

  programSettings().writeString("ZipFile", "Path", "/srv/archives");
  show();
  EXPECT_EQ(appState().defaultZipPath, QStringLiteral("/srv/archives"));
}

TEST_F(MainWindowTest, HintsAreYellowAndWaitOneSecond) {
  TfrmMain& main = show();
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(245, 249, 136));
  auto* button = main.findChild<QPushButton*>("btClean");
  EXPECT_EQ(button->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, button), 1000);
  EXPECT_EQ(button->toolTip(), QStringLiteral("Quickly clean up temporary files"));
}

TEST_F(MainWindowTest, ExitAndTheCloseBoxEndTheWindowWithoutWritingSettings) {
  show();
  click("btClose");
  EXPECT_FALSE(window->isVisible());
  show();
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(QFileInfo::exists(platform::hiveFilePath()));
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

// Presses the widget's button or label and returns the caption of the modal window it opened.
QString captionOfModalOpenedBy(const std::function<void()>& press) {
  QString caption;
  QTimer::singleShot(0, [&caption] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      caption = modal->windowTitle();
      modal->close();
    }
  });
  press();
  return caption;
}

TEST_F(MainWindowTest, AboutTheMakerNameAndTheWebAddressOpenTheAboutWindow) {
  TfrmMain& main = show();
  EXPECT_EQ(captionOfModalOpenedBy([&] { click("btReach"); }), QStringLiteral("How to contact us"));
  for (const char* label : {"lblMaker", "lblWeb"}) {
    auto* widget = main.findChild<QWidget*>(label);
    EXPECT_EQ(captionOfModalOpenedBy([&] { QTest::mouseClick(widget, Qt::LeftButton); }),
              QStringLiteral("How to contact us"))
        << label;
  }
}

TEST_F(MainWindowTest, TheCleaningToolsOpenTheirWindowsOnceTheSafeHarborIsBuilt) {
  const testkit::TempHome home;
  writeFoldersList();
  show();
  EXPECT_EQ(captionOfModalOpenedBy([&] { click("btClearCache"); }), QStringLiteral("Internet Browser Cache Folders"));
  EXPECT_EQ(captionOfModalOpenedBy([&] { click("btClean"); }), QStringLiteral("Find and delete temporary files"));
  EXPECT_TRUE(dialogs.texts(MessageStyle::Error).isEmpty());
}

TEST_F(MainWindowTest, HelpOpensTheManualAtItsFirstPage) {
  TfrmMain& main = show();
  click("btHelp");
  auto* help = main.findChild<TfrmHelp*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->browser()->source().fileName(), QStringLiteral("index.html"));
  EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Folder hogs")));
}

TEST_F(MainWindowTest, F1OpensTheWindowsOwnTopic) {
  TfrmMain& main = show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  QTest::keyClick(&main, Qt::Key_F1);
  auto* help = main.findChild<TfrmHelp*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->browser()->source().fileName(), helpTopicOf(&main));
  EXPECT_EQ(helpTopicOf(&main), kContentsPage);
}

TEST_F(MainWindowTest, EveryButtonIsReachedWithTabAndHasALetterOfItsOwn) {
  TfrmMain& main = show();
  testkit::expectKeyboardComplete(&main);
  EXPECT_EQ(testkit::windowsOnlyWords(testkit::windowTexts(&main)), QStringList());
}

}  // namespace
}  // namespace tessaly
