#pragma once

#include <QStringList>

#include "core/deletion/removal_run.h"

namespace tessaly::cli {

// The command line has no one to press Cancel; failures go to stderr through showError.
class QuietRun final : public RemovalObserver {
 public:
  void fileStarted(int, const QString&) override {}
  bool archiveProgress(int) override { return false; }
  bool abortRequested() override { return false; }
};

// The files the safe harbor lets go, in their order. There is no safe harbor panel to move
// files off here: each protected file is reported (on stderr, as an error) and stays.
QStringList filesFreeToRemove(const QStringList& files);

}  // namespace tessaly::cli
