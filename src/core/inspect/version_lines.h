#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tessaly {

// One line of a file's version information: "Company: " and the entry's value.
struct VersionItem {
  QString label;
  QString value;
};

// The eleven items, in their order, when the file has version information with a translation
// table (an entry the file lacks has an empty value); none for any other file.
QList<VersionItem> versionItems(const QString& path);

// The version lines of a file: each label, a tab when withTabs is set, and the value without
// its leading blanks. The details window sets withTabs; the pair comparison does not.
QStringList GetVer(const QString& path, bool withTabs);

}  // namespace tessaly
