#pragma once

#include <QLocale>

namespace tessaly::testkit {

// Makes a locale the program's default while it lives and then restores the one before.
// Qt carries its own locale data, so no host locale needs to be installed.
class ScopedLocale {
 public:
  explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~ScopedLocale() { QLocale::setDefault(saved_); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  QLocale saved_;
};

}  // namespace tessaly::testkit
