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
  bool removeFile(const QString& path, QString* reason) override {
    if (!refused_.contains(path)) return systemRemover().removeFile(path, reason);
    *reason = QStringLiteral("refused by the test");
    return false;
  }

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
    return systemRemover().removeFile(path, reason);
  }
  QStringList taken;

 private:
  int room_;
};

// Follows a run; asks to abort once a number of files have been started, or (as a Cancel
// pressed during a long compression) once the gauge of one file reaches a percentage.
class RunRecorder final : public RemovalObserver {
 public:
  explicit RunRecorder(int abortAfter = -1) : abortAfter_(abortAfter) {}
  void cancelDuring(const QString& path, int percent) {
    cancelPath_ = path;
    cancelPercent_ = percent;
  }
  void fileStarted(int, const QString& path) override { started.append(path); }
  bool archiveProgress(int percent) override {
    percents.append(percent);
    cancelled_ = cancelled_ || (!started.isEmpty() && started.last() == cancelPath_ && percent >= cancelPercent_);
    return cancelled_;
  }
  bool abortRequested() override { return cancelled_ || (abortAfter_ >= 0 && started.size() >= abortAfter_); }
  QStringList started;
  QList<int> percents;

 private:
  int abortAfter_;
  QString cancelPath_;
  int cancelPercent_ = 0;
  bool cancelled_ = false;
};

}  // namespace tessaly::testkit
