#include "ui/main/safe_harbor_hooks.h"

#include "core/safeharbor/safe_harbor.h"

namespace tessaly {

SafeHarborHooks safeHarborHooks() {
  return SafeHarborHooks{
      .forgetLastChecked = [] { protectionCheck().forgetLastChecked(); },
      .readSafeHarborExtensions = [] { safeHarbor().ReadSafeHarborExtensions(); },
      .getSearchPath =
          [] {
            safeHarbor().GetSearchPath();
            return safeHarbor().missing();
          },
  };
}

}  // namespace tessaly
