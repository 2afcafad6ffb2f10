#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace tessaly {

// The files a window has marked for deletion: each path once, in the order of marking, with
// the count and byte total of the files that existed when they were marked. A mark belongs to
// the file's path, not to a grid row, so sorting, shrinking or refilling a grid never moves it
// to another file. Taking a mark away gives back exactly what it added to the totals.
class MarkedFiles {
 public:
  // Marks the file, or takes its mark away. sizeNow is the file's size as it is now, none when
  // it does not exist: such a file is marked but not counted. True when it is marked afterwards.
  bool toggle(const QString& path, std::optional<qint64> sizeNow);
  // Marks the file unless it is marked already.
  void mark(const QString& path, std::optional<qint64> sizeNow);
  bool contains(const QString& path) const { return marks_.contains(path); }
  bool isEmpty() const { return marks_.isEmpty(); }
  void clear();

  qint64 count() const { return count_; }
  qint64 bytes() const { return bytes_; }
  // Every marked path, in the order of marking.
  QStringList paths() const;

 private:
  struct Mark {
    quint64 order = 0;
    std::optional<qint64> countedSize;  // none: the file did not exist when it was marked
  };
  void add(const QString& path, std::optional<qint64> sizeNow);

  QHash<QString, Mark> marks_;
  quint64 nextOrder_ = 0;
  qint64 count_ = 0;
  qint64 bytes_ = 0;
};

// The counter text of a window's pattern: %d takes the marked count, %s the byte total with
// thousands separators ("%d files %s bytes").
QString markedCounterText(const QString& pattern, const MarkedFiles& marks);

// The size of the file at the path as it is now, hidden and read-only files included (a link
// is looked at, never followed); none when nothing is there.
std::optional<qint64> currentFileSize(const QString& path);

}  // namespace tessaly
