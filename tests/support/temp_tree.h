#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tessaly::testkit {

// A temporary folder for a test's file tree, with helpers to fill it. Paths may hold bytes
// that are not UTF-8 (see platform/host_path.h).
class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;
  QString root() const { return dir_.path(); }
  QString path(const QString& relative) const { return dir_.path() + u'/' + relative; }
  // Creates the file and its folders; returns its full path.
  QString file(const QString& relative, const QByteArray& contents = QByteArray());
  QString file(const QString& relative, qint64 size, char fill);
  QString folder(const QString& relative);
  // Sets the last write and access time (seconds since the epoch).
  void setTimes(const QString& relative, qint64 accessSeconds, qint64 writeSeconds);

 private:
  QTemporaryDir dir_;
};

// Points the XDG folders at fresh temporary folders for one test and restores them after.
class TempXdg {
 public:
  TempXdg();
  ~TempXdg();
  QString configHome() const { return dir_.path() + QStringLiteral("/config"); }
  QString dataHome() const { return dir_.path() + QStringLiteral("/data"); }
  QString cacheHome() const { return dir_.path() + QStringLiteral("/cache"); }

 private:
  QTemporaryDir dir_;
  QByteArray saved_[3];
};

// Points HOME at a fresh temporary folder for one test and restores it after, so that what the
// program finds below the home folder (browser caches, sandboxed applications) is the test's.
class TempHome {
 public:
  TempHome();
  ~TempHome();
  QString path() const { return dir_.path(); }
  QString path(const QString& relative) const { return dir_.path() + u'/' + relative; }

 private:
  QTemporaryDir dir_;
  QByteArray saved_;
};

}  // namespace tessaly::testkit
