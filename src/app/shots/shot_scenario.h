#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace tessaly::shots {

// What a scenario gets: a temporary folder for the files its window shows, and ways to let
// the window work (a search, a paint) before the picture is taken.
class ShotContext {
 public:
  explicit ShotContext(QString workFolder) : workFolder_(std::move(workFolder)) {}

  // Removed with everything in it when the picture has been taken.
  const QString& workFolder() const { return workFolder_; }
  // Lets events run for a while.
  static void settle(int milliseconds);
  // Lets events run until the condition holds; false when it never did within the time.
  static bool waitUntil(const std::function<bool()>& condition, int timeoutMilliseconds);

 private:
  QString workFolder_;
};

// Builds the windows of one picture, shown and pictured side by side in the order given.
// The scenario owns nothing: the windows are deleted after the picture.
using ShotScenario = std::function<std::vector<QWidget*>(ShotContext& context)>;

struct Shot {
  QString name;     // "details"
  QString summary;  // one line for --list
  ShotScenario scenario;
};

// Called from a static initialiser in each scenario's file.
bool registerShot(Shot shot);
const std::vector<Shot>& shots();

}  // namespace tessaly::shots
