#pragma once

#include <QString>

namespace tessaly {

// Reason codes of the safe harbor check.
enum ProtectionReason : int {
  NotProtected = 0,
  SystemFolderReason = 1,
  SearchPathReason = 2,
  InstalledSoftwareReason = 3,
  ProtectedTypeReason = 4,
};

// The safe harbor check as the tools and the deletion window ask it.
class ProtectionCheck {
 public:
  virtual ~ProtectionCheck() = default;
  // True when the file (isFile) or folder is protected; *reason gets the code (0 if not).
  virtual bool isInExceptionList(const QString& path, bool isFile, int* reason) = 0;
  // Empties the one-entry cache (the stand-by window does this when shown or hidden).
  virtual void forgetLastChecked() = 0;
};

// The words for a reason code; empty for 0 and unknown codes.
inline QString exceptionReasonText(int reason) {
  switch (reason) {
    case SystemFolderReason: return QStringLiteral("in a system folder");
    case SearchPathReason: return QStringLiteral("in the search path");
    case InstalledSoftwareReason: return QStringLiteral("referenced by installed software");
    case ProtectedTypeReason: return QStringLiteral("included in the protected file extensions");
    default: return {};
  }
}

}  // namespace tessaly
