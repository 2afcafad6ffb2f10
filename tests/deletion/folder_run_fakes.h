#pragma once

#include <QStringList>
#include <functional>

#include "core/deletion/folder_run.h"

namespace tessaly::testkit {

// Follows a folder run; asks to abort once a number of files have been reached, and lets the
// test act at each file as another program would.
class FolderRunRecorder final : public FolderRunObserver {
 public:
  explicit FolderRunRecorder(int abortAfter = -1) : abortAfter_(abortAfter) {}
  void fileReached(qint64 count, const QString& path) override {
    counts.append(count);
    reached.append(path);
    if (onReached) onReached(path);
  }
  void fileStarted(int, const QString&) override {}
  bool archiveProgress(int) override { return false; }
  bool abortRequested() override { return abortAfter_ >= 0 && reached.size() >= abortAfter_; }

  QStringList reached;
  QList<qint64> counts;
  std::function<void(const QString&)> onReached;

 private:
  int abortAfter_;
};

}  // namespace tessaly::testkit
