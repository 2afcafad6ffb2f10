#pragma once

#include <QString>

namespace tessaly::platform {

// A regular file opened for reading only. It never follows a link and never waits on a pipe
// or a device: anything but a regular file is refused.
class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile() { close(); }
  ReadOnlyFile(ReadOnlyFile&& other) noexcept : fd_(other.fd_), size_(other.size_) { other.fd_ = -1; }
  ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // False when the path is not a regular file this user may read.
  bool open(const QString& path);
  void close();
  bool isOpen() const { return fd_ >= 0; }
  // The size when the file was opened.
  qint64 size() const { return size_; }
  // Reads up to length bytes at offset; the count read, 0 at the end, -1 on an error.
  qint64 readAt(qint64 offset, char* into, qint64 length) const;

 private:
  int fd_ = -1;
  qint64 size_ = 0;
};

}  // namespace tessaly::platform
