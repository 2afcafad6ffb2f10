#pragma once

#include <QSet>
#include <QStringList>

#include "core/deletion/file_remover.h"
#include "core/deletion/removal_run.h"
#include "platform/trash.h"

namespace tessaly::testkit {

// The system's removal, except for the paths it is told to refuse.
class RefusingRemover final : public FileRemover {
 public:
  explicit RefusingRemover(QSet<QString> refused) : refused_(std::move(refused)) {}
  bool removeFile(const QString& path) override { return !refused_.contains(path) && systemRemover().removeFile(path); }

 private:
  QSet<QString> refused_;
};

// A trash that takes a number of files and refuses every one after them.
class FillingTrash final : public platform::Trash {
 public:
  explicit FillingTrash(int room) : room_(room) {}
  bool moveToTrash(const QString& path, QString* reason) override {
    if (room_-- <= 0) {
      *reason = QStringLiteral("full");
      return false;
    }
    taken.append(path);
    return systemRemover().removeFile(path);
  }
  QStringList taken;

 private:
  int room_;
};

// Follows a run; asks to abort once a number of files have been started.
class RunRecorder final : public RemovalObserver {
 public:
  explicit RunRecorder(int abortAfter = -1) : abortAfter_(abortAfter) {}
  void fileStarted(int, const QString& path) override { started.append(path); }
  bool archiveProgress(int) override { return false; }
  bool abortRequested() override { return abortAfter_ >= 0 && started.size() >= abortAfter_; }
  QStringList started;

 private:
  int abortAfter_;
};

}  // namespace tessaly::testkit
