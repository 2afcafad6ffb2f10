#include "support/access_rights.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tessaly::testkit {
namespace {

constexpr unsigned kAccessOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool readCapabilities(__user_cap_header_struct* header, __user_cap_data_struct* data) {
  header->version = _LINUX_CAPABILITY_VERSION_3;
  header->pid = 0;
  return syscall(SYS_capget, header, data) == 0;
}

}  // namespace

PermissionBitsApply::PermissionBitsApply() {
  __user_cap_header_struct header{};
  __user_cap_data_struct data[2]{};
  if (!readCapabilities(&header, data)) return;
  savedEffective_ = data[0].effective;
  data[0].effective &= ~kAccessOverrides;
  changed_ = syscall(SYS_capset, &header, data) == 0;
}

PermissionBitsApply::~PermissionBitsApply() {
  if (!changed_) return;
  __user_cap_header_struct header{};
  __user_cap_data_struct data[2]{};
  if (!readCapabilities(&header, data)) return;
  data[0].effective = savedEffective_;
  syscall(SYS_capset, &header, data);
}

}  // namespace tessaly::testkit
