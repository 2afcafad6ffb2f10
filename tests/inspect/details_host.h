#pragma once

#include "core/common/date_texts.h"
#include "support/fake_host.h"

namespace tessaly::testkit {

// What a file's details rest on, fixed for one test: dates written M/d/yyyy, every path on a
// drive of 4,096-byte blocks, ".txt" known as "Text Document". Restores the date format after.
class DetailsHost {
 public:
  DetailsHost() : savedFormat_(shortDateFormat()) {
    setShortDateFormat(QStringLiteral("M/d/yyyy"));
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 1e9, 4e9, 4096);
    types.add(QStringLiteral(".txt"), QStringLiteral("text/plain"), QStringLiteral("Text Document"));
  }
  ~DetailsHost() { setShortDateFormat(savedFormat_); }
  DetailsHost(const DetailsHost&) = delete;
  DetailsHost& operator=(const DetailsHost&) = delete;

  FakeDriveTable drives;
  FakeFileTypes types;

 private:
  QString savedFormat_;
};

}  // namespace tessaly::testkit
