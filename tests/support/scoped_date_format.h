#pragma once

#include <QString>

#include "core/common/date_texts.h"

namespace tessaly::testkit {

// Makes a short date format the program's while it lives and then restores the one before, so
// a test reads and writes dates the same way on every host.
class ScopedDateFormat {
 public:
  explicit ScopedDateFormat(const QString& format) : saved_(shortDateFormat()) { setShortDateFormat(format); }
  ~ScopedDateFormat() { setShortDateFormat(saved_); }
  ScopedDateFormat(const ScopedDateFormat&) = delete;
  ScopedDateFormat& operator=(const ScopedDateFormat&) = delete;

 private:
  QString saved_;
};

}  // namespace tessaly::testkit
