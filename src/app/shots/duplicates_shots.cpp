#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QComboBox>
#include <QCheckBox>
#include <QPushButton>

#include "app/shots/inspect_shots.h"
#include "app/shots/shot_scenario.h"
#include "core/walk/drive_list.h"
#include "ui/dups/dup_compare_window.h"
#include "ui/dups/dup_window.h"
#include "ui/grid/marked_grid.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly::shots {
namespace {

struct SampleFile {
  const char* path;  // below the sample folder
  qint64 size;
  int year, month, day, hour, minute;
};

// A user's folders with a backup copy of some of them: the duplicates and the largest files.
const SampleFile kSampleFiles[] = {
    {"Documents/report.doc", 48128, 2001, 3, 14, 10, 22},
    {"Backup/Documents/report.doc", 48128, 2001, 3, 14, 10, 22},
    {"Documents/Old/report.doc", 45056, 2000, 11, 2, 16, 5},
    {"Documents/budget.xls", 23552, 2001, 2, 1, 9, 40},
    {"Backup/Documents/budget.xls", 23552, 2001, 1, 28, 17, 12},
    {"Pictures/beach.jpg", 1204224, 2000, 8, 19, 14, 3},
    {"Backup/Pictures/beach.jpg", 1204224, 2000, 8, 19, 14, 3},
    {"Pictures/party.jpg", 876544, 2000, 12, 31, 23, 58},
    {"Music/song.mp3", 4812800, 1999, 7, 4, 20, 15},
    {"Backup/Music/song.mp3", 4812800, 1999, 7, 4, 20, 15},
    {"Music/live.mp3", 6340608, 2000, 5, 21, 21, 30},
    {"Downloads/movie.avi", 31457280, 2000, 10, 9, 11, 11},
    {"Downloads/notes.txt", 1843, 2001, 3, 1, 8, 0},
};

void writeSampleFiles(const QString& root) {
  for (const SampleFile& sample : kSampleFiles) {
    const QString path = root + u'/' + QString::fromUtf8(sample.path);
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) continue;
    file.resize(sample.size);
    file.close();
    // Set after the bytes are written, or the write would stamp the file anew.
    if (file.open(QIODevice::ReadOnly)) {
      const QDateTime stamp(QDate(sample.year, sample.month, sample.day), QTime(sample.hour, sample.minute));
      file.setFileTime(stamp, QFileDevice::FileModificationTime);
      file.setFileTime(stamp.addDays(40), QFileDevice::FileAccessTime);
    }
  }
  // Two releases of one program, for the pair comparison's version lists.
  const QString program = writeSampleProgram(root);
  QDir().mkpath(root + QStringLiteral("/Backup/Downloads"));
  QFile::copy(program, root + QStringLiteral("/Backup/Downloads/sample.exe"));
  QDir().mkpath(root + QStringLiteral("/Downloads"));
  QFile::rename(program, root + QStringLiteral("/Downloads/sample.exe"));
}

// The window after a search of the sample folder alone, every size counted.
TfrmDup* searchedWindow(ShotContext& context, bool findDups, TfrmDupCompare* pairs) {
  const QString root = context.workFolder() + QStringLiteral("/home");
  writeSampleFiles(root);
  writeAddedFolders({root});
  auto* window = new TfrmDup(findDups, pairs);
  window->show();
  window->pckDrive->setAllTicked(false);
  window->pckDrive->item(window->pckDrive->count() - 1)->setCheckState(Qt::Checked);
  window->num1->setValue(1);
  window->cbDup->setCurrentIndex(int(MatchMode::FilenameAndSize));
  window->btScan->click();
  return window;
}

const bool registered =
    registerShot({QStringLiteral("duplicates"),
                  QStringLiteral("Duplicate files of a folder with a backup copy: shaded groups, a few marked."),
                  [](ShotContext& context) -> std::vector<QWidget*> {
                    TfrmDup* window = searchedWindow(context, true, nullptr);
                    for (int row : {1, 3, 7}) window->MarkThisFile(row);
                    window->setCurrentRow(7);
                    return {window};
                  }}) &&
    registerShot({QStringLiteral("file-hogs"), QStringLiteral("The largest files of a folder, largest first."),
                  [](ShotContext& context) -> std::vector<QWidget*> {
                    TfrmDup* window = searchedWindow(context, false, nullptr);
                    window->setCurrentRow(0);
                    return {window};
                  }}) &&
    registerShot({QStringLiteral("pairs"), QStringLiteral("Two releases of one program compared side by side."),
                  [](ShotContext& context) -> std::vector<QWidget*> {
                    auto* pairs = new TfrmDupCompare(nullptr);
                    TfrmDup* window = searchedWindow(context, true, pairs);
                    window->setCurrentRow(6);  // the two releases of sample.exe
                    pairs->cbDetails->setChecked(true);
                    window->btCompare->click();
                    return {pairs};
                  }});

}  // namespace
}  // namespace tessaly::shots
