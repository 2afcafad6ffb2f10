#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

#include "core/search/content_candidates.h"
#include "core/search/content_phase.h"

namespace tessaly {

// What the phases of the "Same contents" search share: a few reader threads, the abort flag,
// the progress of the running phase and the files left out so far. The walk and the grouping
// stay on the calling thread; only the reading runs elsewhere, so a window stays live.
class PhaseRunner {
 public:
  // How often the calling thread reports while the readers work.
  static constexpr std::chrono::milliseconds kReportInterval{10};
  // Enough readers to keep a disk busy and use a few cores; more only contend for the disk.
  static constexpr unsigned kMostReaders = 4;
  static constexpr unsigned kFewestReaders = 2;

  explicit PhaseRunner(ContentPacer* pacer = nullptr);
  void setPacer(ContentPacer* pacer) { pacer_ = pacer; }

  // Safe from any thread; the readers stop after the block they are reading.
  void abort() { aborted_.store(true, std::memory_order_relaxed); }
  bool aborted() const { return aborted_.load(std::memory_order_relaxed); }

  // Runs job(i) for every i below jobs on the reader threads, each i once, and returns when
  // all have ended. Meanwhile the calling thread shows the phase's progress against these
  // totals. Jobs test aborted() themselves.
  void run(ContentPhase phase, size_t jobs, qint64 files, qint64 bytes, const std::function<void(size_t)>& job);
  // Jobs tell what they have read.
  void counted(qint64 files, qint64 bytes);
  void reportProgress(const ContentProgress& progress);

  // Takes the files that could not be read or changed out of the groups, noting each, and
  // drops the groups left with fewer than two files.
  void settle(std::vector<CandidateGroup>& groups);
  // Collection indexes, each file once.
  const std::vector<quint32>& unreadable() const { return unreadable_; }
  const std::vector<quint32>& changed() const { return changed_; }

 private:
  ContentPacer* pacer_;
  std::atomic<bool> aborted_{false};
  std::atomic<qint64> filesDone_{0};
  std::atomic<qint64> bytesDone_{0};
  std::vector<quint32> unreadable_;
  std::vector<quint32> changed_;
};

}  // namespace tessaly
