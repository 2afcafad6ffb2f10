#pragma once

namespace tessaly {

// What the zip engine tells its caller while it writes or extracts, and the caller's answer.
class ArchiveProgress {
 public:
  virtual ~ArchiveProgress() = default;
  // 0 to 100; true asks the engine to abort.
  virtual bool reportProgress(int percent) = 0;
};

}  // namespace tessaly
