#include <QDir>
#include <QFile>

#include "app/shots/shot_scenario.h"
#include "ui/deletion/del_directory_window.h"

namespace tessaly::shots {
namespace {

// A project folder with a protected folder inside, as the window opens on it.
std::vector<QWidget*> folderDeletion(ShotContext& context) {
  const QString folder = context.workFolder() + QStringLiteral("/projects/old-website");
  QDir().mkpath(folder + QStringLiteral("/keep"));
  QDir().mkpath(folder + QStringLiteral("/images"));
  for (const char* name : {"index.html", "images/logo.png", "keep/licence.txt"}) {
    QFile file(folder + u'/' + QLatin1String(name));
    if (file.open(QIODevice::WriteOnly)) file.write("sample");
  }
  FolderDeletionServices services;
  services.harbor = HarborLists{{folder + QStringLiteral("/keep/")}, {}, {}};
  return {new TfrmDelDirectory(folder, services)};
}

const bool registered = registerShot({QStringLiteral("folder-deletion"),
                                      QStringLiteral("Cleaning a folder that holds a protected folder."), folderDeletion});

}  // namespace
}  // namespace tessaly::shots
