#include <QFile>
#include <QListWidget>
#include <QTreeView>

#include "app/shots/shot_scenario.h"
#include "core/archive/zip_writer.h"
#include "platform/host_files.h"
#include "ui/archive/unzip_window.h"
#include "ui/archive/zip_directory_window.h"

namespace tessaly::shots {
namespace {

// A few files archived as a cleanup run would.
QString makeArchive(const QString& work) {
  const QString archives = work + QStringLiteral("/archives");
  platform::makeFolders(archives, nullptr);
  const QString archivePath = archives + QStringLiteral("/Drive-root-TempClean06Sep970533.zip");
  ZipWriter writer(archivePath, QStringLiteral("Old reports, kept for later"));
  const QStringList names{QStringLiteral("reports/2023/summary.txt"), QStringLiteral("reports/2023/figures.csv"),
                          QStringLiteral("reports/draft.bak"), QStringLiteral("notes.tmp")};
  for (const QString& name : names) {
    const QString path = work + QStringLiteral("/home/ann/") + name;
    platform::makeFolders(path.left(path.lastIndexOf(u'/')), nullptr);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write("kept for later\n");
    file.close();
    QString reason;
    writer.add(path, &reason);
  }
  writer.commit(nullptr);
  return archivePath;
}

std::vector<QWidget*> unzipWindows(ShotContext& context) {
  const QString archivePath = makeArchive(context.workFolder());
  auto* window = new TfrmUnZipIt(archivePath.left(archivePath.lastIndexOf(u'/')));
  window->show();
  window->FileListBox1->setCurrentRow(0);
  window->FileListBox1DblClick();
  window->Outline->expandAll();  // as a person looking into the archive would
  auto* destination = new TfrmZipDirectory(archivePath);
  destination->FormShow();
  return {window, destination};
}

const bool registered = registerShot({QStringLiteral("unzip"),
                                      QStringLiteral("The unzip window with an archive open, and its destination folder dialog."),
                                      unzipWindows});

}  // namespace
}  // namespace tessaly::shots
