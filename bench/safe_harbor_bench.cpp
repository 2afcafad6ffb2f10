// One million safe harbor questions against the folder list built from this machine's
// installed software, with protected types present so the one-entry cache never answers.
#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>
#include <random>
#include <vector>

#include "core/safeharbor/safe_harbor.h"
#include "core/safeharbor/software_folders.h"
#include "platform/installed_software.h"

using namespace tessaly;

namespace {

constexpr int questionCount = 1'000'000;

// Installed files and made-up files of the user's folders, shuffled so that neighbours lie in
// different folders.
std::vector<QString> makeQuestions(const QStringList& installedFiles) {
  static const char* userFiles[] = {"notes.txt", "setup.SYS", "report.doc", "Makefile", "video.drv", "photo.jpg"};
  std::mt19937 rng(1999);
  std::vector<QString> questions;
  questions.reserve(questionCount);
  for (int i = 0; i < questionCount; ++i) {
    if (i % 4 == 0 || installedFiles.isEmpty()) {
      questions.push_back(QStringLiteral("/home/user/project%1/src/part%2/%3")
                              .arg(rng() % 500)
                              .arg(rng() % 20)
                              .arg(QString::fromUtf8(userFiles[rng() % 6])));
    } else {
      questions.push_back(installedFiles[int(rng() % installedFiles.size())]);
    }
  }
  return questions;
}

void ask(QTextStream& out, const char* title, SafeHarbor& harbor, const std::vector<QString>& questions) {
  int byReason[5] = {};
  QElapsedTimer timer;
  timer.start();
  for (const QString& path : questions) {
    int reason = 0;
    harbor.isInExceptionList(path, true, &reason);
    ++byReason[reason];
  }
  const double seconds = double(timer.nsecsElapsed()) / 1e9;
  out << title << ": " << harbor.folderEntries().size() << " folder entries, "
      << qint64(double(questions.size()) / seconds) << " questions per second (" << seconds << " s); reasons 0-4: "
      << byReason[0] << " " << byReason[1] << " " << byReason[2] << " " << byReason[3] << " " << byReason[4] << "\n";
  out.flush();
}

}  // namespace

int main() {
  QTextStream out(stdout);
  QStringList installedFiles;
  platform::installedSoftware().readValues([&](const QString& value) {
    if (!folderOfValue(value).isEmpty()) installedFiles.append(value);
  });

  QElapsedTimer buildTimer;
  buildTimer.start();
  QStringList folders;
  addInstalledSoftwareFolders(folders, platform::installedSoftware(), [](const QString&) {});
  out << "build: " << installedFiles.size() << " installed paths, " << folders.size() << " folders in "
      << double(buildTimer.elapsed()) / 1000.0 << " s\n";

  const std::vector<QString> questions = makeQuestions(installedFiles);
  const QStringList types{"*.sys", "*.drv", "*.ini", "makefile"};

  SafeHarbor harbor;
  harbor.setFolderLists(folders, true, hostFolders());
  harbor.setProtectedTypes(types);
  ask(out, "with the system folders", harbor, questions);

  // Without the system folders nothing prunes the built list, so every entry takes part.
  SafeHarbor unpruned;
  unpruned.setFolderLists(folders, true, HostFolders{hostFolders().searchPath, {}});
  unpruned.setProtectedTypes(types);
  ask(out, "without the system folders", unpruned, questions);
  return 0;
}
