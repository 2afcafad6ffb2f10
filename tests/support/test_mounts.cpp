#include "support/test_mounts.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/host_path.h"

namespace tessaly::testkit {
namespace {

constexpr int kToolTimeoutMs = 60000;
constexpr qint64 kBtrfsImageBytes = 128LL << 20;  // a little above the smallest btrfs

QString systemReason(const char* what) { return QString::fromLatin1(what) + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno)); }

// Mounts made after this stay inside the test process.
QString enterPrivateNamespace() {
  if (::geteuid() != 0) return QStringLiteral("mounting needs root; the tests run as an ordinary user");
  if (::unshare(CLONE_NEWNS) != 0) return systemReason("unshare");
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return systemReason("private mounts");
  return {};
}

QString runTool(const QString& program, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(program).isEmpty())
    return program + QStringLiteral(" is not installed (scripts/install-deps.sh installs it)");
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(kToolTimeoutMs) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
  return {};
}

}  // namespace

TestMount TestMount::tmpfs(const QString& target, qint64 bytes) {
  const QByteArray where = platform::encodePath(target);
  QString reason = enterPrivateNamespace();
  const QByteArray options = "size=" + QByteArray::number(bytes);
  if (reason.isEmpty() && ::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) != 0)
    reason = systemReason("mount tmpfs");
  return TestMount(reason.isEmpty() ? where : QByteArray(), reason);
}

TestMount TestMount::bind(const QString& source, const QString& target) {
  const QByteArray where = platform::encodePath(target);
  QString reason = enterPrivateNamespace();
  if (reason.isEmpty() && ::mount(platform::encodePath(source).constData(), where.constData(), nullptr, MS_BIND, nullptr) != 0)
    reason = systemReason("bind mount");
  return TestMount(reason.isEmpty() ? where : QByteArray(), reason);
}

TestMount TestMount::btrfsWithSubVolume(const QString& image, const QString& target) {
  QString reason = enterPrivateNamespace();
  if (reason.isEmpty()) {
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(kBtrfsImageBytes)) reason = QStringLiteral("cannot make the image file");
  }
  if (reason.isEmpty()) reason = runTool(QStringLiteral("mkfs.btrfs"), {QStringLiteral("-q"), image});
  if (reason.isEmpty()) reason = runTool(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("loop"), image, target});
  const QByteArray where = reason.isEmpty() ? platform::encodePath(target) : QByteArray();
  if (reason.isEmpty())
    reason = runTool(QStringLiteral("btrfs"), {QStringLiteral("subvolume"), QStringLiteral("create"), target + QStringLiteral("/sub")});
  TestMount mount(where, reason);
  return mount;
}

TestMount::TestMount(TestMount&& other) noexcept
    : target_(std::exchange(other.target_, QByteArray())), skipReason_(std::move(other.skipReason_)) {}

TestMount::~TestMount() {
  if (!target_.isEmpty()) ::umount2(target_.constData(), MNT_DETACH);
}

}  // namespace tessaly::testkit
