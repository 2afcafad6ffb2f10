#pragma once

#include <QString>
#include <QtGlobal>

namespace tessaly {

// The stages of the "Same contents" search, in the order they narrow the candidates.
enum class ContentPhase {
  Sizes,        // files of one size, a file reached twice counted once
  FirstBlocks,  // a hash of each file's first block
  LastBlocks,   // a hash of each file's last block
  WholeFiles,   // a hash of the rest of each file
  Bytes,        // every byte compared before a group is shown
};

// How far one phase has come.
struct ContentProgress {
  ContentPhase phase = ContentPhase::Sizes;
  qint64 filesDone = 0;
  qint64 filesTotal = 0;
  qint64 bytesDone = 0;
  qint64 bytesTotal = 0;
};

// "Comparing first blocks".
QString contentPhaseName(ContentPhase phase);
// The status line of a phase: "Comparing first blocks: 1,200 of 5,000 files, 4,915,200 of
// 20,480,000 bytes".
QString contentProgressText(const ContentProgress& progress);

// Keeps a window alive while the files are read on other threads. Both calls come on the
// thread that runs the search: progress once when a phase begins, before any of its reading,
// and then every few milliseconds; pump as often.
class ContentPacer {
 public:
  virtual ~ContentPacer() = default;
  virtual void progress(const ContentProgress& progress) { Q_UNUSED(progress) }
  virtual void pump() {}
};

}  // namespace tessaly
