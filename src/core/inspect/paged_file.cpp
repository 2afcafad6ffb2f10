#include "core/inspect/paged_file.h"

namespace tessaly {

bool PagedFile::open(const QString& path) {
  close();
  return file_.open(path);
}

void PagedFile::close() {
  file_.close();
  for (Page& page : pages_) page = Page();
  lastPage_ = nullptr;
  lastPageOffset_ = -kPageSize - 1;
  readError_ = false;
}

PagedFile::Page& PagedFile::pageHolding(qint64 offset) {
  const qint64 pageOffset = offset - offset % kPageSize;
  Page* oldest = &pages_[0];
  for (Page& page : pages_) {
    if (page.offset == pageOffset) {
      page.lastUse = ++useCounter_;
      lastPageOffset_ = pageOffset;
      return page;
    }
    if (page.lastUse < oldest->lastUse) oldest = &page;
  }
  Page& page = *oldest;
  const qint64 length = qMin(kPageSize, size() - pageOffset);
  page.bytes.resize(qsizetype(qMax<qint64>(length, 0)));
  const qint64 got = length > 0 ? file_.readAt(pageOffset, page.bytes.data(), length) : 0;
  if (got < length) {
    readError_ = true;
    std::fill(page.bytes.begin() + qMax<qint64>(got, 0), page.bytes.end(), '\0');
  }
  page.offset = pageOffset;
  page.lastUse = ++useCounter_;
  lastPageOffset_ = pageOffset;
  return page;
}

QByteArrayView PagedFile::pageFrom(qint64 offset) {
  if (offset < 0 || offset >= size()) return {};
  Page& page = pageHolding(offset);
  lastPage_ = &page;
  return QByteArrayView(page.bytes).sliced(qsizetype(offset - page.offset));
}

QByteArray PagedFile::read(qint64 offset, qint64 length) {
  QByteArray result;
  if (offset < 0 || length <= 0) return result;
  length = qMin(length, size() - offset);
  if (length <= 0) return result;
  result.reserve(qsizetype(length));
  while (length > 0) {
    const QByteArrayView piece = pageFrom(offset).first(qsizetype(qMin<qint64>(length, kPageSize - offset % kPageSize)));
    result.append(piece);
    offset += piece.size();
    length -= piece.size();
  }
  return result;
}

}  // namespace tessaly
