#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

#include "platform/read_only_file.h"

namespace tessaly {

// A file read through a few cached pages: showing any part of a file costs a page or two,
// and the memory stays the same whatever the file's size. The size is the one at opening;
// bytes that cannot be read (a read error, a file that shrank) read as zeros.
class PagedFile {
 public:
  static constexpr qint64 kPageSize = 64 * 1024;
  static constexpr int kCachedPages = 16;

  // False, with nothing open, when the path is not a readable regular file.
  bool open(const QString& path);
  void close();
  bool isOpen() const { return file_.isOpen(); }
  qint64 size() const { return file_.size(); }

  // The byte at offset; offset must lie inside the file.
  quint8 byteAt(qint64 offset) {
    if (offset < lastPageOffset_ || offset >= lastPageOffset_ + kPageSize) lastPage_ = &pageHolding(offset);
    return quint8(lastPage_->bytes[qsizetype(offset - lastPageOffset_)]);
  }
  // The bytes from offset to the end of the page that holds it (empty at or past the end).
  QByteArrayView pageFrom(qint64 offset);
  // Up to length bytes from offset; fewer only at the end of the file.
  QByteArray read(qint64 offset, qint64 length);
  // Some part of the file could not be read since it was opened.
  bool hadReadError() const { return readError_; }

 private:
  struct Page {
    qint64 offset = -1;
    quint64 lastUse = 0;
    QByteArray bytes;
  };
  Page& pageHolding(qint64 offset);

  platform::ReadOnlyFile file_;
  std::array<Page, kCachedPages> pages_;
  Page* lastPage_ = nullptr;
  qint64 lastPageOffset_ = -kPageSize - 1;
  quint64 useCounter_ = 0;
  bool readError_ = false;
};

}  // namespace tessaly
