#include <QDateTime>
#include <QDir>
#include <QFile>

#include "app/shots/shot_scenario.h"
#include "ui/browse/browse_window.h"
#include "ui/grid/marked_grid.h"

namespace tessaly::shots {
namespace {

struct SampleFile {
  const char* name;
  qint64 size;
  QDate modified;
};

const SampleFile kDocuments[] = {
    {"budget-2024.ods", 48213, QDate(2024, 3, 14)},   {"holiday-video.mp4", 734003200, QDate(2023, 8, 2)},
    {"invoice-0413.pdf", 152330, QDate(2024, 4, 13)}, {"letter.odt", 21904, QDate(2022, 11, 28)},
    {"notes.txt", 3120, QDate(2024, 5, 1)},           {"old-backup.tar.gz", 96468992, QDate(2019, 6, 30)},
    {"recipe.docx", 18744, QDate(2021, 12, 24)},
};
// The rows marked in the picture, in name order.
const int kMarkedRows[] = {1, 5};

// A documents folder with a large old video and backup marked for deletion.
std::vector<QWidget*> browse(ShotContext& context) {
  const QString folder = context.workFolder() + QStringLiteral("/Documents");
  for (const char* sub : {"Invoices", "Photos", "Recipes"}) QDir().mkpath(folder + u'/' + QLatin1String(sub));
  for (const SampleFile& sample : kDocuments) {
    QFile file(folder + u'/' + QLatin1String(sample.name));
    // Sparse: the size shows without the disk space.
    if (!file.open(QIODevice::WriteOnly) || !file.resize(sample.size)) continue;
    const QDateTime stamp(sample.modified, QTime(9, 30));
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
    file.setFileTime(stamp, QFileDevice::FileAccessTime);
  }
  auto* window = new TfrmBrowse(folder);
  window->show();
  for (const int row : kMarkedRows) window->grid->toggleRow(row);
  return {window};
}

const bool registered = registerShot({QStringLiteral("browse"),
                                      QStringLiteral("Browsing a documents folder with two large files marked."), browse});

}  // namespace
}  // namespace tessaly::shots
