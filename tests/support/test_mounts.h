#pragma once

#include <QByteArray>
#include <QString>

namespace tessaly::testkit {

// A file system mounted for one test, in a mount namespace of the test process's own so that
// no other process sees it, and unmounted when the object goes. Mounting needs root; when it
// cannot be done, mounted() is false and skipReason() says why.
class TestMount {
 public:
  // A RAM file system of the given size: a disk that fills up after a few files.
  static TestMount tmpfs(const QString& target, qint64 bytes);
  // The source folder shown again at the target: the same disk and device, another mount.
  static TestMount bind(const QString& source, const QString& target);
  // A btrfs image file, made and mounted through a loop device, with a sub-volume "sub" that
  // is not mounted on its own (it shows another device on the same mount).
  static TestMount btrfsWithSubVolume(const QString& image, const QString& target);

  TestMount(TestMount&& other) noexcept;
  ~TestMount();
  TestMount(const TestMount&) = delete;
  TestMount& operator=(const TestMount&) = delete;
  TestMount& operator=(TestMount&&) = delete;

  bool mounted() const { return skipReason_.isEmpty(); }
  const QString& skipReason() const { return skipReason_; }

 private:
  TestMount(QByteArray target, QString skipReason) : target_(std::move(target)), skipReason_(std::move(skipReason)) {}
  QByteArray target_;
  QString skipReason_;
};

}  // namespace tessaly::testkit
