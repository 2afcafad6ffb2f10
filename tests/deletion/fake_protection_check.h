#pragma once

#include <QHash>
#include <QString>

#include "core/safeharbor/protection_check.h"

namespace tessaly::testkit {

// Protects the paths it is given, each with its reason code, and counts cache resets.
class FakeProtectionCheck final : public ProtectionCheck {
 public:
  void protect(const QString& path, int reason) { reasons_.insert(path, reason); }
  bool isInExceptionList(const QString& path, bool, int* reason) override {
    *reason = reasons_.value(path, NotProtected);
    return *reason != NotProtected;
  }
  void forgetLastChecked() override { ++forgotten; }
  int forgotten = 0;

 private:
  QHash<QString, int> reasons_;
};

}  // namespace tessaly::testkit
