#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <climits>
#include <cmath>

#include "core/grid/grid_text.h"
#include "deletion/fake_protection_check.h"
#include "platform/host_path.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/grid/file_grid_model.h"
#include "ui/grid/grid_cell_delegate.h"
#include "ui/grid/marked_grid.h"
#include "ui/grid/report_commands.h"
#include "ui/grid/window_sizing.h"

namespace tessaly {
namespace {

enum Column { Filename, Size, Modified, Folder, Type };

MarkedGridSettings duplicatesSettings() {
  MarkedGridSettings settings;
  settings.columns = {{QStringLiteral("Filename"), FileValue::Name, 93},
                      {QStringLiteral("Size"), FileValue::Size, 58},
                      {QStringLiteral("Modified"), FileValue::Modified, 64},
                      {QStringLiteral("Folder"), FileValue::Folder, 184},
                      {QStringLiteral("Type"), FileValue::Type}};
  settings.markColumn = Filename;
  settings.highlight = MarkedGridSettings::Highlight{Folder, false};
  settings.archiveTag = QStringLiteral("Duplicates");
  return settings;
}

struct FixtureFile {
  const char* path;  // below the tree's root
  int size;
  int day;  // of January 2001
};

// A tool window with its marked grid, listing real files made in a temporary folder.
class MarkedGridTest : public ::testing::Test {
 protected:
  void open(MarkedGridSettings settings, const std::vector<FixtureFile>& fixture) {
    const std::vector<FileColumn> columns = settings.columns;
    grid = new MarkedGrid(std::move(settings), &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(grid);
    grid->protection = &check;
    auto files = std::make_shared<FoundFiles>();
    std::vector<ResultEntry> rows;
    for (const FixtureFile& file : fixture) {
      const QString path = tree.file(platform::decodePath(QByteArray(file.path)), QByteArray(file.size, 'x'));
      const qsizetype slash = path.lastIndexOf(u'/');
      const FileStamps stamps{packDosStamp(QDateTime(QDate(2001, 1, file.day), QTime(9, 0)))};
      files->add(path.left(slash), path.mid(slash + 1), file.size, stamps);
      rows.push_back({quint32(rows.size())});
    }
    grid->showTable(FileTable(files, columns, std::move(rows)));
    counter = std::make_unique<QSignalSpy>(grid, &MarkedGrid::counterChanged);
    window.resize(800, 400);
    window.show();
  }
  void open(const std::vector<FixtureFile>& fixture) { open(duplicatesSettings(), fixture); }

  const FileGridModel& model() const { return *static_cast<const FileGridModel*>(grid->model()); }
  bool shownMarked(int row) const { return model().data(model().index(row, Filename), GridTableModel::MarkedRole).toBool(); }
  int rowOf(const char* path) const {
    for (int row = 0; row < model().rowCount(); ++row) {
      if (grid->table().filePath(row) == tree.path(platform::decodePath(QByteArray(path)))) return row;
    }
    return -1;
  }
  QString lastCounter() const { return counter->isEmpty() ? QString() : counter->last().at(0).toString(); }
  void makeCurrent(int row) { grid->setCurrentIndex(model().index(row, Filename)); }

  testkit::TempTree tree;
  testkit::ScriptedDialogs dialogs;
  testkit::FakeProtectionCheck check;
  QDialog window;
  MarkedGrid* grid = nullptr;
  std::unique_ptr<QSignalSpy> counter;
};

const std::vector<FixtureFile> kThreeFiles = {{"a/one.txt", 100, 3}, {"a/two.txt", 20, 1}, {"b/three.dat", 5, 2}};

TEST_F(MarkedGridTest, AFileDeletedOutsideTheProgramIsMarkedButNotCounted) {
  open(kThreeFiles);
  ASSERT_TRUE(QFile::remove(tree.path("a/two.txt")));
  const int gone = rowOf("a/two.txt");
  grid->toggleRow(gone);
  EXPECT_TRUE(shownMarked(gone));
  EXPECT_EQ(lastCounter(), QStringLiteral("0 files 0 bytes"));
  grid->toggleRow(gone);
  EXPECT_FALSE(shownMarked(gone));
  EXPECT_EQ(lastCounter(), QStringLiteral("0 files 0 bytes"));

  // Marked while it was there, deleted afterwards: unmarking takes back what marking added.
  const int one = rowOf("a/one.txt");
  grid->toggleRow(one);
  EXPECT_EQ(lastCounter(), QStringLiteral("1 files 100 bytes"));
  ASSERT_TRUE(QFile::remove(tree.path("a/one.txt")));
  grid->toggleRow(one);
  EXPECT_EQ(lastCounter(), QStringLiteral("0 files 0 bytes"));
  EXPECT_FALSE(grid->cleanEnabled());
}

TEST_F(MarkedGridTest, MarkAllCountsThreeFilesAndUnmarkAllClearsAndDisablesClean) {
  open(kThreeFiles);
  QSignalSpy clean(grid, &MarkedGrid::cleanEnabledChanged);
  grid->markAllAction()->trigger();
  EXPECT_EQ(lastCounter(), QStringLiteral("3 files 125 bytes"));
  EXPECT_TRUE(grid->cleanEnabled());
  for (int row = 0; row < 3; ++row) EXPECT_TRUE(shownMarked(row)) << row;

  grid->unmarkAllAction()->trigger();
  EXPECT_EQ(lastCounter(), QStringLiteral("0 files 0 bytes"));
  EXPECT_FALSE(grid->cleanEnabled());
  for (int row = 0; row < 3; ++row) EXPECT_FALSE(shownMarked(row)) << row;
  ASSERT_EQ(clean.size(), 2);
  EXPECT_TRUE(clean.at(0).at(0).toBool());
  EXPECT_FALSE(clean.at(1).at(0).toBool());
}

TEST_F(MarkedGridTest, MarkTogglesTheCurrentRowAndMovesOnExceptFromTheLastRow) {
  open(kThreeFiles);
  makeCurrent(0);
  grid->markCurrentAndAdvance();
  EXPECT_TRUE(shownMarked(0));
  EXPECT_EQ(grid->currentIndex().row(), 1);

  makeCurrent(2);
  grid->markCurrentAndAdvance();
  EXPECT_TRUE(shownMarked(2));
  EXPECT_EQ(grid->currentIndex().row(), 2);
  EXPECT_TRUE(grid->selectionModel()->isRowSelected(2, QModelIndex()));
  grid->markCurrentAndAdvance();
  EXPECT_FALSE(shownMarked(2));
  EXPECT_EQ(grid->currentIndex().row(), 2);
  EXPECT_EQ(lastCounter(), QStringLiteral("1 files 100 bytes"));
  EXPECT_TRUE(grid->cleanEnabled());
}

TEST_F(MarkedGridTest, AHeadingClickSortsAndADragOnAHeadingBorderDoesNot) {
  open(kThreeFiles);
  QHeaderView* headings = grid->horizontalHeader();
  QSignalSpy clicked(grid, &GridView::headingClicked);
  const int sizeMiddle = headings->sectionViewportPosition(Size) + headings->sectionSize(Size) / 2;
  QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, QPoint(sizeMiddle, headings->height() / 2));
  ASSERT_EQ(clicked.size(), 1);
  EXPECT_EQ(clicked.at(0).at(0).toInt(), int(Size));

  // Press on the border between the first two headings, drag it, release elsewhere.
  const int widthBefore = headings->sectionSize(Filename);
  const QPoint border(headings->sectionViewportPosition(Size) - 1, headings->height() / 2);
  const QPoint dragged = border + QPoint(40, 0);
  QTest::mousePress(headings->viewport(), Qt::LeftButton, {}, border);
  QMouseEvent move(QEvent::MouseMove, dragged, headings->viewport()->mapToGlobal(dragged), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(headings->viewport(), &move);
  QTest::mouseRelease(headings->viewport(), Qt::LeftButton, {}, dragged);
  EXPECT_EQ(clicked.size(), 1);
  EXPECT_EQ(headings->sectionSize(Filename), widthBefore + 40);
}

TEST_F(MarkedGridTest, CleanHandsOverWhatIsMarkedNowAndCancelKeepsTheWindowAndEveryMark) {
  open(kThreeFiles);
  std::vector<DeletionRequest> requests;
  bool accept = false;
  grid->runDeletion = [&](const DeletionRequest& request) {
    requests.push_back(request);
    return accept;
  };
  grid->handOver();  // nothing marked: no deletion window
  EXPECT_TRUE(requests.empty());

  grid->toggleRow(rowOf("b/three.dat"));
  grid->toggleRow(rowOf("a/two.txt"));
  grid->toggleRow(rowOf("a/one.txt"));
  grid->toggleRow(rowOf("a/two.txt"));
  grid->handOver();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].files, QStringList({tree.path("b/three.dat"), tree.path("a/one.txt")}));
  EXPECT_EQ(requests[0].potentialSavings, 105);
  EXPECT_EQ(requests[0].archiveTag, QStringLiteral("Duplicates"));
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(shownMarked(rowOf("b/three.dat")));
  EXPECT_TRUE(shownMarked(rowOf("a/one.txt")));
  EXPECT_FALSE(shownMarked(rowOf("a/two.txt")));
  EXPECT_EQ(grid->counterText(), QStringLiteral("2 files 105 bytes"));

  accept = true;
  grid->handOver();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MarkedGridTest, TheDeletionWindowGetsTheMarkedFilesAndItsCancelKeepsTheMarks) {
  open(kThreeFiles);
  QString zipPath = tree.folder("archives");
  grid->deletionServices.protection = &check;
  grid->deletionServices.defaultZipPath = &zipPath;
  grid->toggleRow(rowOf("a/one.txt"));
  grid->toggleRow(rowOf("b/three.dat"));
  QStringList offered;
  // The window sorts its files while it opens; it is closed once it is up, as a user would.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* deletion = qobject_cast<TfrmReallyDelete*>(QApplication::activeModalWidget());
    if (!deletion || !deletion->isVisible()) return;
    if (offered.isEmpty()) offered = deletion->deletionPanel();
    deletion->reject();
  });
  closer.start(0);
  grid->handOver();
  EXPECT_EQ(offered, QStringList({tree.path("a/one.txt"), tree.path("b/three.dat")}));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(grid->marks().paths(), offered);
  EXPECT_TRUE(QFile::exists(tree.path("a/one.txt")));
}

TEST_F(MarkedGridTest, TheBrowseWindowReadsItsFolderAgainWhateverTheDeletionWindowDid) {
  MarkedGridSettings settings = duplicatesSettings();
  settings.afterHandOver = AfterHandOver::ReloadListing;
  settings.archiveTag.clear();
  open(settings, kThreeFiles);
  QSignalSpy reload(grid, &MarkedGrid::reloadRequested);
  std::vector<DeletionRequest> requests;
  for (bool accepted : {false, true}) {
    grid->runDeletion = [&](const DeletionRequest& request) {
      requests.push_back(request);
      return accepted;
    };
    grid->toggleRow(0);
    grid->handOver();
    grid->toggleRow(0);
  }
  EXPECT_EQ(reload.size(), 2);
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_TRUE(requests[0].archiveTag.isEmpty());
}

TEST_F(MarkedGridTest, EveryMarkStaysOnItsFileThroughEverySortOfEveryColumn) {
  open({{"a/one.txt", 100, 3},
        {"a/two.txt", 20, 1},
        {"b/three.dat", 5, 2},
        {"b/Four.txt", 7000, 9},
        {"c/five", 0, 4},
        {"c/six.dat", 20, 1}});
  QSet<QString> marked;
  for (const char* path : {"a/two.txt", "b/Four.txt", "c/five"}) {
    grid->toggleRow(rowOf(path));
    marked.insert(tree.path(QString::fromUtf8(path)));
  }
  const SortKey keys[] = {SortKey::Text, SortKey::Number, SortKey::Date, SortKey::Text, SortKey::Text};
  for (int column = Filename; column <= Type; ++column) {
    for (bool descending : {false, true}) {
      static_cast<FileGridModel&>(*grid->model()).sortRows(keys[column], column, descending);
      int shown = 0;
      for (int row = 0; row < model().rowCount(); ++row) {
        const bool expected = marked.contains(grid->table().filePath(row));
        EXPECT_EQ(shownMarked(row), expected) << column << descending << row;
        EXPECT_EQ(model().data(model().index(row, Filename), Qt::DecorationRole).isValid(), expected);
        EXPECT_FALSE(model().data(model().index(row, Size), Qt::DecorationRole).isValid());
        shown += shownMarked(row);
      }
      EXPECT_EQ(shown, 3);
    }
  }
  EXPECT_EQ(grid->counterText(), QStringLiteral("3 files 7,020 bytes"));
}

TEST_F(MarkedGridTest, ANewListClearsTheMarksAndABlankRowIsNeverMarked) {
  open(kThreeFiles);
  grid->markAll();
  auto files = std::make_shared<FoundFiles>();
  files->add(tree.path("a"), QStringLiteral("one.txt"), 100, {});
  grid->showTable(FileTable(files, duplicatesSettings().columns, {{0}, {kNoFile}}));
  EXPECT_FALSE(shownMarked(0));
  EXPECT_TRUE(grid->marks().isEmpty());
  EXPECT_EQ(lastCounter(), QStringLiteral("0 files 0 bytes"));
  EXPECT_FALSE(grid->cleanEnabled());
  makeCurrent(1);
  grid->markCurrentAndAdvance();
  grid->toggleRow(1);
  EXPECT_FALSE(shownMarked(1));
  EXPECT_TRUE(grid->marks().isEmpty());

  grid->clearRows();
  EXPECT_EQ(model().rowCount(), 0);
  EXPECT_EQ(model().columnCount(), 5);
}

TEST_F(MarkedGridTest, TheDeleteKeyMarksOnlyWhereTheWindowBindsItAndADoubleClickToggles) {
  for (bool bound : {false, true}) {
    MarkedGridSettings settings = duplicatesSettings();
    settings.deleteKeyMarks = bound;
    open(settings, kThreeFiles);
    makeCurrent(0);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(shownMarked(0), bound);
    EXPECT_EQ(grid->currentIndex().row(), bound ? 1 : 0);
    delete grid;
    delete window.layout();
  }
  open(kThreeFiles);
  const QRect second = grid->visualRect(model().index(1, Size));
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_TRUE(shownMarked(1));
  EXPECT_TRUE(grid->cleanEnabled());
  // Below the last row there is nothing to mark.
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(second.center().x(), grid->viewport()->height() - 2));
  EXPECT_TRUE(shownMarked(1));
  EXPECT_EQ(grid->marks().count(), 1);
}

TEST_F(MarkedGridTest, OpenViewAndDetailsActOnlyOnAFileThatIsThere) {
  open(kThreeFiles);
  QStringList opened, viewed, detailed;
  bool opens = false;
  grid->openUrl = [&](const QUrl& url) {
    opened.append(url.toLocalFile());
    return opens;
  };
  grid->viewFile = [&](const QString& path) { viewed.append(path); };
  grid->showFileDetails = [&](const QString& path) { detailed.append(path); };
  const QString one = tree.path("a/one.txt");
  makeCurrent(rowOf("a/one.txt"));
  grid->openAction()->trigger();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Couldn't open ") + one});
  opens = true;
  grid->openAction()->trigger();
  grid->viewAction()->trigger();
  grid->detailsAction()->trigger();
  EXPECT_EQ(opened, QStringList({one, one}));
  EXPECT_EQ(viewed, QStringList{one});
  EXPECT_EQ(detailed, QStringList{one});
  EXPECT_EQ(dialogs.shown().size(), 1);

  ASSERT_TRUE(QFile::remove(tree.path("a/two.txt")));
  makeCurrent(rowOf("a/two.txt"));
  grid->openCurrent();
  grid->viewCurrent();
  grid->showCurrentDetails();
  EXPECT_EQ(opened.size(), 2);
  EXPECT_EQ(viewed.size(), 1);
  EXPECT_EQ(detailed.size(), 1);
  EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST_F(MarkedGridTest, ViewAndDetailsShowTheCurrentFileInTheViewerAndTheDetailsWindow) {
  open(kThreeFiles);
  const QString one = tree.path("a/one.txt");
  makeCurrent(rowOf("a/one.txt"));
  // Each window is modal: it is read and closed as soon as it shows.
  const auto closeModalAfterReading = [](QString* label) {
    QTimer::singleShot(0, [label] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      *label = QString::fromLatin1(modal->metaObject()->className()) + u' ' + modal->windowTitle();
      modal->close();
    });
  };
  QString viewer, details;
  closeModalAfterReading(&viewer);
  grid->viewAction()->trigger();
  closeModalAfterReading(&details);
  grid->detailsAction()->trigger();
  EXPECT_TRUE(viewer.startsWith(QStringLiteral("tessaly::TfrmView"))) << viewer.toStdString();
  EXPECT_TRUE(viewer.contains(QStringLiteral("one.txt"))) << viewer.toStdString();
  EXPECT_TRUE(details.startsWith(QStringLiteral("tessaly::TfrmDetails"))) << details.toStdString();
}

TEST_F(MarkedGridTest, ANameThatIsNotUtf8IsMarkedOpenedAndHandedOverAsItselfAndShownEscaped) {
  open({{"a/caf\xE9.txt", 40, 1}, {"a/plain.txt", 2, 1}});
  const QString raw = tree.path(platform::decodePath(QByteArray("a/caf\xE9.txt")));
  const int row = rowOf("a/caf\xE9.txt");
  EXPECT_EQ(model().data(model().index(row, Filename)).toString(), QStringLiteral("caf\\xE9.txt"));
  grid->toggleRow(row);
  EXPECT_EQ(lastCounter(), QStringLiteral("1 files 40 bytes"));

  QByteArray openedUrl;
  grid->openUrl = [&](const QUrl& url) {
    openedUrl = url.toEncoded();
    return false;
  };
  makeCurrent(row);
  grid->openCurrent();
  EXPECT_TRUE(openedUrl.endsWith("/a/caf%E9.txt")) << openedUrl.constData();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Couldn't open ") + platform::displayPath(raw)});

  DeletionRequest handed;
  grid->runDeletion = [&](const DeletionRequest& request) {
    handed = request;
    return false;
  };
  grid->handOver();
  EXPECT_EQ(handed.files, QStringList{raw});
  grid->reports()->copyNames();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), platform::displayPath(raw) + QStringLiteral("\r\n") +
                                                       tree.path(QStringLiteral("a/plain.txt")) + QStringLiteral("\r\n"));
}

TEST_F(MarkedGridTest, TheCloseQueryAsksOnlyWithMarkedFilesAndOnlyWhereTheWindowHasOne) {
  MarkedGridSettings settings = duplicatesSettings();
  settings.closeQuery = true;
  open(settings, kThreeFiles);
  window.setWindowTitle(QStringLiteral("Browse through folders"));
  EXPECT_TRUE(grid->confirmClose());
  EXPECT_TRUE(dialogs.shown().isEmpty());
  grid->toggleRow(0);
  grid->toggleRow(1);
  dialogs.answer(Answer::No);
  EXPECT_FALSE(grid->confirmClose());
  dialogs.answer(Answer::Yes);
  EXPECT_TRUE(grid->confirmClose());
  ASSERT_EQ(dialogs.shown().size(), 2);
  EXPECT_EQ(dialogs.shown()[0].text,
            QStringLiteral("You have 2 files marked for deletion. Do you really wish to exit without deleting?"));
  EXPECT_EQ(dialogs.shown()[0].caption, QStringLiteral("Browse through folders"));

  delete grid;
  delete window.layout();
  open(kThreeFiles);
  grid->toggleRow(0);
  EXPECT_TRUE(grid->confirmClose());
  EXPECT_EQ(dialogs.shown().size(), 2);
}

// Records what the safe harbor check is asked; protects one folder and one file.
class RecordingCheck final : public ProtectionCheck {
 public:
  bool isInExceptionList(const QString& path, bool isFile, int* reason) override {
    asked.append({path, isFile});
    *reason = protectedPaths.contains(path) ? SystemFolderReason : NotProtected;
    return *reason != NotProtected;
  }
  void forgetLastChecked() override {}
  QSet<QString> protectedPaths;
  QList<QPair<QString, bool>> asked;
};

TEST_F(MarkedGridTest, ProtectedCellsOfTheHighlightColumnAreBoldWhileTheItemIsChecked) {
  const struct {
    const char* name;
    FileValue value;
    bool isFile;
    const char* protectedPath;  // below the tree
  } cases[] = {{"folders", FileValue::Folder, false, "a"}, {"full paths", FileValue::Path, true, "b/three.dat"}};
  for (const auto& c : cases) {
    MarkedGridSettings settings = duplicatesSettings();
    settings.columns[Folder].value = c.value;
    settings.highlight = MarkedGridSettings::Highlight{Folder, c.isFile};
    open(settings, kThreeFiles);
    RecordingCheck recording;
    recording.protectedPaths.insert(tree.path(QString::fromUtf8(c.protectedPath)));
    grid->protection = &recording;
    const auto bold = [&](int row, int column) {
      return model().data(model().index(row, column), Qt::FontRole).value<QFont>().bold();
    };
    for (int row = 0; row < 3; ++row) {
      const bool isProtected = recording.protectedPaths.contains(grid->table().cellText(row, Folder));
      EXPECT_EQ(bold(row, Folder), isProtected) << c.name << row;
      EXPECT_FALSE(bold(row, Filename)) << c.name << row;
    }
    ASSERT_FALSE(recording.asked.isEmpty());
    for (const auto& [path, isFile] : recording.asked) EXPECT_EQ(isFile, c.isFile) << c.name;

    EXPECT_TRUE(grid->highlightAction()->isChecked());
    grid->highlightAction()->trigger();
    for (int row = 0; row < 3; ++row) EXPECT_FALSE(bold(row, Folder)) << c.name << row;
    grid->protection = &check;
    delete grid;
    delete window.layout();
  }
}

// Where a cell's text is (its dark pixels) and whether the red tick is there.
struct Ink {
  int left = INT_MAX;
  int right = -1;
  bool red = false;
};
Ink inkOf(const QImage& picture, const QRect& cell) {
  Ink ink;
  for (int y = cell.top(); y <= cell.bottom(); ++y) {
    for (int x = cell.left(); x <= cell.right(); ++x) {
      const QColor colour = picture.pixelColor(x, y);
      const bool red = colour.red() > 150 && colour.green() < 60 && colour.blue() < 60;
      ink.red = ink.red || red;
      if (!red && colour.lightness() < 100) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
      }
    }
  }
  return ink;
}

TEST_F(MarkedGridTest, SizesEndTwoPixelsInsideTheRightEdgeAndAMarkedNameShowsTheTickBeforeIt) {
  open(kThreeFiles);
  grid->toggleRow(0);
  grid->clearSelection();
  grid->setCurrentIndex(QModelIndex());
  const QImage picture = grid->viewport()->grab().toImage();
  // Distances in the grid's own pixels, whatever the screen's scale.
  const qreal scale = picture.devicePixelRatio();
  const auto cell = [&](int row, int column) {
    const QRect r = grid->visualRect(model().index(row, column));
    return QRect(r.topLeft() * scale, r.size() * scale);
  };
  const Ink size = inkOf(picture, cell(0, Size));
  ASSERT_GE(size.right, 0);
  EXPECT_LE((cell(0, Size).right() - size.right) / scale, GridCellDelegate::kTextInset + 2);
  EXPECT_GT(size.left, cell(0, Size).center().x());

  const Ink plainName = inkOf(picture, cell(1, Filename));
  EXPECT_FALSE(plainName.red);
  EXPECT_LE((plainName.left - cell(1, Filename).left()) / scale, GridCellDelegate::kTextInset + 2);
  const Ink markedName = inkOf(picture, cell(0, Filename));
  EXPECT_TRUE(markedName.red);
  EXPECT_GE((markedName.left - cell(0, Filename).left()) / scale, GridCellDelegate::kTextAfterMark);
}

TEST(MarkPictureTest, ARedTickOnSixteenPixelsWhosePurpleIsTransparent) {
  const QImage picture = markPicture().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(picture.size(), QSize(16, 16));
  int red = 0;
  int clear = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const QColor colour = picture.pixelColor(x, y);
      EXPECT_FALSE(colour.alpha() > 0 && colour == QColor(128, 0, 128)) << x << "," << y;
      if (colour.alpha() == 0) ++clear;
      if (colour.alpha() == 255 && colour.red() > 150 && colour.green() == 0) ++red;
    }
  }
  EXPECT_GT(red, 10);
  EXPECT_GT(clear, 128);
  EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
}

TEST_F(MarkedGridTest, NamesOnlyCopiesEveryListedPathAndSkipsBlankRows) {
  open(kThreeFiles);
  auto files = std::make_shared<FoundFiles>();
  files->add(tree.path("a"), QStringLiteral("one.txt"), 100, {});
  files->add(QStringLiteral("/"), QStringLiteral("top"), 1, {});
  grid->showTable(FileTable(files, duplicatesSettings().columns, {{0}, {kNoFile}, {1}}));
  grid->reports()->copyNames();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), tree.path("a/one.txt") + QStringLiteral("\r\n/top\r\n"));
  grid->reports()->copyEntireGrid();
  EXPECT_EQ(QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"))[2], QStringLiteral("\t\t\t\t"));
}

TEST_F(MarkedGridTest, ColumnsTakeTheirDesignWidthsAndTheLastTakesTheRest) {
  open(kThreeFiles);
  window.resize(900, 300);
  QCoreApplication::processEvents();
  ASSERT_EQ(grid->logicalDpiX(), 96);
  // The design widths grow with the font's digits.
  const double font = fontWidthScale(grid->fontMetrics());
  const auto widened = [font](int width) { return int(std::lround(width * font)); };
  EXPECT_EQ(grid->columnWidth(Filename), widened(93));
  EXPECT_EQ(grid->columnWidth(Folder), widened(184));
  EXPECT_EQ(grid->columnWidth(Type),
            grid->width() - (widened(93) + widened(58) + widened(64) + widened(184)) - 25);
  // The printed report reads the widths on the screen.
  EXPECT_EQ(grid->table().widthOf(Type), grid->columnWidth(Type));
}

}  // namespace
}  // namespace tessaly
