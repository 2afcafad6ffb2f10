#pragma once

#include <QByteArray>
#include <optional>

#include "core/inspect/paged_file.h"

namespace tessaly {

struct SearchRequest {
  QByteArray text;        // what to find, as UTF-8
  bool matchCase = false; // otherwise A-Z and a-z count as equal
  bool backward = false;
  // Forward: the first match that starts at or after this offset; backward: the last match
  // that starts before it.
  qint64 from = 0;
};

// A search through a file of any size, a slice at a time, so that the caller can show
// progress and stop it between slices.
class ByteSearch {
 public:
  ByteSearch(PagedFile& file, SearchRequest request);

  // Looks through about budget more bytes; true once the search has ended.
  bool step(qint64 budget);
  bool finished() const { return finished_; }
  // The offset of the match, once one was found.
  std::optional<qint64> found() const { return found_; }
  int percentDone() const;

 private:
  bool stepForward(qint64 budget);
  bool stepBackward(qint64 budget);
  QByteArray folded(QByteArray bytes) const;

  PagedFile& file_;
  SearchRequest request_;
  QByteArray needle_;
  qint64 next_;  // forward: the first start still to try; backward: one past the last
  bool finished_ = false;
  std::optional<qint64> found_;
};

}  // namespace tessaly
