#pragma once

namespace tessaly::testkit {

// Makes the permission bits bind this thread while it lives, also when the tests run as
// root: the capabilities that override file access are dropped from the effective set and
// given back afterwards.
class PermissionBitsApply {
 public:
  PermissionBitsApply();
  ~PermissionBitsApply();
  PermissionBitsApply(const PermissionBitsApply&) = delete;
  PermissionBitsApply& operator=(const PermissionBitsApply&) = delete;

 private:
  unsigned savedEffective_ = 0;
  bool changed_ = false;
};

}  // namespace tessaly::testkit
