#pragma once

#include <QString>

namespace tessaly::platform {

// A regular file opened for reading only. It never follows a link and never waits on a pipe
// or a device: anything but a regular file is refused.
class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile() { close(); }
  ReadOnlyFile(ReadOnlyFile&& other) noexcept
      : fd_(other.fd_), size_(other.size_), opened_(other.opened_), mayHaveHoles_(other.mayHaveHoles_) {
    other.fd_ = -1;
  }
  ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // False when the path is not a regular file this user may read.
  bool open(const QString& path);
  // After a failed open: the path named no regular file (nothing, a link, a folder, a
  // device), rather than a file that could not be read.
  bool foundNoFile() const { return foundNoFile_; }
  void close();
  bool isOpen() const { return fd_ >= 0; }
  // The size when the file was opened.
  qint64 size() const { return size_; }
  // Reads up to length bytes at offset; the count read, 0 at the end, -1 on an error.
  qint64 readAt(qint64 offset, char* into, qint64 length) const;

  // What tells that the file's bytes changed: its size and the times of its last write and
  // its last status change (nanoseconds), looked at now.
  struct Version {
    qint64 size = 0;
    qint64 written = 0;
    qint64 changed = 0;
    bool operator==(const Version&) const = default;
  };
  // False when the file cannot be looked at.
  bool version(Version* now) const;
  // The version the opening found.
  const Version& openedVersion() const { return opened_; }

  // The first offset from offset on that holds data: a sparse file's holes read as zeros
  // without being stored. The offset itself where the file has no holes or the host does not
  // tell; the size when only a hole follows.
  qint64 dataFrom(qint64 offset) const;

 private:
  int fd_ = -1;
  qint64 size_ = 0;
  Version opened_;
  bool mayHaveHoles_ = false;  // fewer blocks stored than the size needs
  bool foundNoFile_ = false;
};

}  // namespace tessaly::platform
