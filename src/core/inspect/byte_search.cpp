#include "core/inspect/byte_search.h"

namespace tessaly {

ByteSearch::ByteSearch(PagedFile& file, SearchRequest request)
    : file_(file), request_(std::move(request)), next_(qBound<qint64>(0, request_.from, file.size())) {
  needle_ = folded(request_.text);
  finished_ = needle_.isEmpty() || (request_.backward ? next_ == 0 : next_ + needle_.size() > file.size());
}

QByteArray ByteSearch::folded(QByteArray bytes) const {
  if (request_.matchCase) return bytes;
  for (char& c : bytes) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return bytes;
}

bool ByteSearch::step(qint64 budget) {
  if (finished_) return true;
  budget = qMax<qint64>(budget, 1);
  return request_.backward ? stepBackward(budget) : stepForward(budget);
}

bool ByteSearch::stepForward(qint64 budget) {
  const qint64 size = file_.size();
  // Starts in [next_, next_ + budget); the bytes read reach as far as a match from there can.
  const qint64 starts = qMin(budget, size - next_);
  const QByteArray haystack = folded(file_.read(next_, starts + needle_.size() - 1));
  const qsizetype at = haystack.indexOf(needle_);
  if (at >= 0 && at < starts) {
    found_ = next_ + at;
    finished_ = true;
    return true;
  }
  next_ += starts;
  finished_ = next_ + needle_.size() > size;
  return finished_;
}

bool ByteSearch::stepBackward(qint64 budget) {
  // Starts in [next_ - budget, next_), read together with the bytes a match there covers.
  const qint64 first = qMax<qint64>(0, next_ - budget);
  const QByteArray haystack = folded(file_.read(first, next_ - first + needle_.size() - 1));
  const qsizetype at = haystack.lastIndexOf(needle_, next_ - first - 1);
  if (at >= 0) {
    found_ = first + at;
    finished_ = true;
    return true;
  }
  next_ = first;
  finished_ = next_ == 0;
  return finished_;
}

int ByteSearch::percentDone() const {
  if (finished_) return 100;
  const qint64 size = file_.size();
  if (request_.backward) {
    const qint64 from = qMax<qint64>(request_.from, 1);
    return int((from - next_) * 100 / from);
  }
  const qint64 span = qMax<qint64>(size - request_.from, 1);
  return int((next_ - request_.from) * 100 / span);
}

}  // namespace tessaly
