#include "core/search/content_runner.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tessaly {
namespace {

unsigned readerCount(size_t jobs) {
  const unsigned wanted =
      std::clamp(std::thread::hardware_concurrency(), PhaseRunner::kFewestReaders, PhaseRunner::kMostReaders);
  return unsigned(std::min<size_t>(wanted, jobs));
}

}  // namespace

PhaseRunner::PhaseRunner(ContentPacer* pacer) : pacer_(pacer) {}

void PhaseRunner::run(ContentPhase phase, size_t jobs, qint64 files, qint64 bytes, const std::function<void(size_t)>& job) {
  filesDone_ = 0;
  bytesDone_ = 0;
  const auto progressNow = [&] { return ContentProgress{phase, filesDone_.load(), files, bytesDone_.load(), bytes}; };
  reportProgress(progressNow());
  if (jobs == 0 || aborted()) return;

  std::atomic<size_t> next{0};
  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = readerCount(jobs);
  // Threads of its own for each phase: a thread takes the rights of the one that starts it.
  std::vector<std::thread> readers;
  readers.reserve(running);
  for (unsigned r = 0, count = running; r < count; ++r) {
    readers.emplace_back([&] {
      for (size_t i = next++; i < jobs && !aborted(); i = next++) job(i);
      const std::lock_guard<std::mutex> lock(mutex);
      if (--running == 0) finished.notify_one();
    });
  }
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (!finished.wait_for(lock, kReportInterval, [&] { return running == 0; })) {
      lock.unlock();
      reportProgress(progressNow());
      if (pacer_) pacer_->pump();
      lock.lock();
    }
  }
  for (std::thread& reader : readers) reader.join();
  reportProgress(progressNow());
}

void PhaseRunner::counted(qint64 files, qint64 bytes) {
  filesDone_.fetch_add(files, std::memory_order_relaxed);
  bytesDone_.fetch_add(bytes, std::memory_order_relaxed);
}

void PhaseRunner::reportProgress(const ContentProgress& progress) {
  if (pacer_) pacer_->progress(progress);
}

void PhaseRunner::settle(std::vector<CandidateGroup>& groups) {
  for (CandidateGroup& group : groups) {
    std::erase_if(group, [this](const ContentCandidate& candidate) {
      if (candidate.state == CandidateState::Unreadable) unreadable_.push_back(candidate.file);
      if (candidate.state == CandidateState::Changed) changed_.push_back(candidate.file);
      return candidate.state == CandidateState::Unreadable || candidate.state == CandidateState::Changed;
    });
  }
  std::erase_if(groups, [](const CandidateGroup& group) { return group.size() < 2; });
}

}  // namespace tessaly
