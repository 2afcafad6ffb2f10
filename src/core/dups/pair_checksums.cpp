#include "core/dups/pair_checksums.h"

#include <QFile>

#include "core/dups/pair_texts.h"
#include "core/search/file_crc.h"
#include "platform/host_files.h"

namespace tessaly {
namespace {

constexpr qint64 kCompareBlockBytes = 64 * 1024;

struct SideChecksum {
  bool shown = false;
  std::optional<quint32> value;  // none: the file could not be read
};

SideChecksum checksumOf(const std::optional<QString>& path) {
  if (!path) return {};
  return {true, readFileCRC(*path)};
}

QString valueText(const SideChecksum& side) { return side.shown ? crcText(side.value.value_or(0)) : QString(); }

}  // namespace

bool sameFileContents(const QString& left, const QString& right) {
  QFile a;
  QFile b;
  if (!platform::openForReading(left, &a, nullptr) || !platform::openForReading(right, &b, nullptr)) return false;
  if (a.size() != b.size()) return false;
  while (true) {
    const QByteArray blockA = a.read(kCompareBlockBytes);
    const QByteArray blockB = b.read(kCompareBlockBytes);
    if (blockA != blockB) return false;
    if (blockA.isEmpty()) return !a.error() && !b.error() && a.atEnd() && b.atEnd();
  }
}

ChecksumTexts computeCRCValues(const std::optional<QString>& left, const std::optional<QString>& right) {
  const SideChecksum leftSum = checksumOf(left);
  const SideChecksum rightSum = checksumOf(right);
  ChecksumTexts texts{valueText(leftSum), valueText(rightSum)};
  if (!leftSum.value || !rightSum.value) return texts;
  const bool identical = *leftSum.value == *rightSum.value && sameFileContents(*left, *right);
  const QString& verdict = identical ? kContentsIdentical : kContentsDiffer;
  texts.left += verdict;
  texts.right += verdict;
  return texts;
}

}  // namespace tessaly
