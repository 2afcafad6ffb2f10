#include "core/inspect/text_lines.h"

#include <algorithm>
#include <cstring>

namespace tessaly {
namespace {

constexpr qint64 kCountOnTheSpot = 1024 * 1024;

// The first CR or LF in [from, to), or to.
const char* firstLineEnd(const char* from, const char* to) {
  const char* lf = static_cast<const char*>(std::memchr(from, '\n', size_t(to - from)));
  const char* crLimit = lf ? lf : to;
  const char* cr = static_cast<const char*>(std::memchr(from, '\r', size_t(crLimit - from)));
  return cr ? cr : crLimit;
}

}  // namespace

bool TextLineRules::followsLineEnd(qint64 q) {
  const quint8 before = file_.byteAt(q - 1);
  if (before == '\n') return true;
  return before == '\r' && file_.byteAt(q) != '\n';
}

qint64 TextLineRules::lineStartAtOrBefore(qint64 offset) {
  if (offset <= 0) return 0;
  const qint64 block = offset - offset % kLongLineBlock;
  const qint64 lowest = qMax<qint64>(1, block - kLongLineBlock + 1);
  std::optional<qint64> afterLineEnd;
  for (qint64 q = offset; q >= lowest; --q) {
    if (followsLineEnd(q)) {
      afterLineEnd = q;
      break;
    }
  }
  if (afterLineEnd && *afterLineEnd >= block) return *afterLineEnd;
  // No line began in the last kLongLineBlock bytes before the block: the line is broken there.
  if (block > 0 && !afterLineEnd && !isLineEndByte(block)) return block;
  if (afterLineEnd) return *afterLineEnd;
  if (block == 0) return 0;
  // The offset is the line end standing on the block boundary: it ends the line before.
  return lineStartAtOrBefore(block - 1);
}

TextLineRules::LineEnd TextLineRules::endOf(qint64 lineStart) {
  const qint64 size = file_.size();
  const qint64 firstBreak = lineStart - lineStart % kLongLineBlock + 2 * kLongLineBlock -
                            (lineStart % kLongLineBlock == 0 ? kLongLineBlock : 0);
  const qint64 limit = qMin(firstBreak, size);
  qint64 at = lineStart;
  while (at < limit) {
    const QByteArrayView page = file_.pageFrom(at);
    const qint64 length = qMin<qint64>(page.size(), limit - at);
    const char* end = firstLineEnd(page.data(), page.data() + length);
    at += end - page.data();
    if (end != page.data() + length) break;
  }
  if (at == size) return {size, size};
  if (at == limit && !isLineEndByte(at)) return {at, at};  // broken here
  const qint64 next = file_.byteAt(at) == '\r' && at + 1 < size && file_.byteAt(at + 1) == '\n' ? at + 2 : at + 1;
  return {at, next};
}

std::optional<qint64> TextLineRules::nextLineStart(qint64 lineStart) {
  const qint64 next = endOf(lineStart).next;
  if (next >= file_.size()) return std::nullopt;
  return next;
}

std::optional<qint64> TextLineRules::previousLineStart(qint64 lineStart) {
  if (lineStart <= 0) return std::nullopt;
  return lineStartAtOrBefore(lineStart - 1);
}

qint64 TextLineRules::textEnd(qint64 lineStart) { return endOf(lineStart).textEnd; }

LineIndex::LineIndex(PagedFile& file, TextLineRules& rules) : file_(file), rules_(rules) {
  if (file_.size() > 0) addLineStart(0);
}

void LineIndex::addLineStart(qint64 offset) {
  if (offset >= nextCheckpoint_) {
    checkpoints_.push_back({offset, lines_});
    nextCheckpoint_ = offset - offset % kCheckpointSpacing + kCheckpointSpacing;
  }
  ++lines_;
  lastStart_ = offset;
}

// Counts the line starts that follow the bytes of one page, and the breaks of long lines.
void LineIndex::countRange(qint64 from, QByteArrayView bytes) {
  const qint64 size = file_.size();
  const qint64 block = TextLineRules::kLongLineBlock;
  qint64 at = from;
  const qint64 end = from + bytes.size();
  while (at < end) {
    if (at % block == 0 && at > 0 && at - lastStart_ >= block) {
      const quint8 here = quint8(bytes[qsizetype(at - from)]);
      if (here != '\n' && here != '\r') addLineStart(at);
    }
    const qint64 segmentEnd = qMin(end, at - at % block + block);
    const char* base = bytes.data() - from;
    const char* stop = base + segmentEnd;
    const char* lineEnd = firstLineEnd(base + at, stop);
    if (lineEnd == stop) {
      at = segmentEnd;
      continue;
    }
    const qint64 position = lineEnd - base;
    at = position + 1;
    // A CR followed by LF ends its line at the LF.
    const bool lineFeedFollows = at < end ? bytes[qsizetype(at - from)] == '\n' : at < size && file_.byteAt(at) == '\n';
    if (*lineEnd == '\r' && lineFeedFollows) continue;
    if (at < size) addLineStart(at);
  }
}

bool LineIndex::countFurther(qint64 budget) {
  const qint64 until = qMin(file_.size(), counted_ + qMax<qint64>(budget, 1));
  while (counted_ < until) {
    const QByteArrayView page = file_.pageFrom(counted_);
    // The page just read is the newest in the cache, so looking one byte ahead never drops it.
    const QByteArrayView part = page.first(qsizetype(qMin<qint64>(page.size(), until - counted_)));
    countRange(counted_, part);
    counted_ += part.size();
  }
  return complete();
}

std::optional<qint64> LineIndex::lineCount() const {
  if (!complete()) return std::nullopt;
  return lines_;
}

std::optional<LineIndex::Checkpoint> LineIndex::walkFrom(Checkpoint at, const std::function<bool(const Checkpoint&)>& goOn) {
  while (goOn(at)) {
    const std::optional<qint64> next = rules_.nextLineStart(at.offset);
    if (!next) return std::nullopt;
    at = {*next, at.number + 1};
  }
  return at;
}

std::optional<qint64> LineIndex::lineNumberOf(qint64 lineStart) {
  if (lineStart >= counted_ && lineStart - counted_ < kCountOnTheSpot) countFurther(lineStart - counted_ + 1);
  if (lineStart >= counted_ && !complete()) return std::nullopt;
  auto after = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), lineStart,
                                [](qint64 offset, const Checkpoint& c) { return offset < c.offset; });
  if (after == checkpoints_.begin()) return std::nullopt;
  const auto reached = walkFrom(*std::prev(after), [&](const Checkpoint& at) { return at.offset < lineStart; });
  if (!reached) return std::nullopt;
  return reached->number;
}

std::optional<qint64> LineIndex::lineStartOf(qint64 number) {
  if (number < 0 || number >= lines_) return std::nullopt;
  auto after = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), number,
                                [](qint64 n, const Checkpoint& c) { return n < c.number; });
  const auto reached = walkFrom(*std::prev(after), [&](const Checkpoint& at) { return at.number < number; });
  if (!reached) return std::nullopt;
  return reached->offset;
}

}  // namespace tessaly
