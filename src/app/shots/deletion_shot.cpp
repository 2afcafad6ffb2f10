#include <QDir>
#include <QFile>
#include <QTabWidget>

#include "app/shots/shot_scenario.h"
#include "core/safeharbor/safe_harbor.h"
#include "ui/deletion/really_delete_window.h"

namespace tessaly::shots {
namespace {

// Three files of the work folder to delete and two of the system folders that the safe harbor
// holds back; nothing is removed, the picture is taken before any action.
std::vector<QWidget*> deletionWindows(ShotContext& context) {
  QStringList files{QStringLiteral("/usr/bin/env"), QStringLiteral("/etc/hostname")};
  for (const char* name : {"report-old.bak", "draft.tmp", "photos/IMG_0001 (copy).jpg"}) {
    const QString path = context.workFolder() + u'/' + QString::fromUtf8(name);
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write("x");
    files.append(path);
  }
  static SafeHarbor harbor;
  harbor.load();
  DeletionServices services;
  services.protection = &harbor;
  auto* deletion = new TfrmReallyDelete(DeletionRequest{files, 5123456, QStringLiteral("Duplicates")}, services);
  auto* harborPage = new TfrmReallyDelete(DeletionRequest{files, 5123456, QStringLiteral("Duplicates")}, services);
  // Showing sorts the files and brings the deletion panel to the front; then the other page.
  harborPage->show();
  harborPage->TabbedNotebook1->setCurrentIndex(1);
  return {deletion, harborPage};
}

const bool registered = registerShot(
    {QStringLiteral("deletion"), QStringLiteral("Clean up the following files, both panels."), deletionWindows});

}  // namespace
}  // namespace tessaly::shots
