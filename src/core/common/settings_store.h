#pragma once

#include <QString>
#include <QStringList>

namespace tessaly {

// One key of the per-user hive seen as an ini file: sections and string values.
// Nothing is cached: every call opens the hive, reads or writes, and closes it.
class IniView {
 public:
  // keyPath is relative to the hive, with "\" between its parts.
  explicit IniView(QString keyPath);

  QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
  // Decimal text, or hexadecimal after "0x"; the default when missing or unreadable.
  qint64 readInteger(const QString& section, const QString& key, qint64 defaultValue) const;
  void writeString(const QString& section, const QString& key, const QString& value) const;
  void writeInteger(const QString& section, const QString& key, qint64 value) const;

  // The list convention: Number, then File1..FileN. A missing Number (read as -1) gives the
  // defaults; Number 0 is an empty list. Missing or empty entries are skipped.
  QStringList readList(const QString& section, const QStringList& defaults) const;
  // Writes Number and File1..FileN; keys of an earlier, longer list stay behind unread.
  void writeList(const QString& section, const QStringList& entries) const;

 private:
  QString groupFor(const QString& section) const;
  QString keyPath_;
};

// The program's own settings key.
IniView programSettings();

// Parses an integer the way the store does ("0x10" is 16); false when it does not parse.
bool parseStoredInteger(const QString& text, qint64* value);

}  // namespace tessaly
