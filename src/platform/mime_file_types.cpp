#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSet>

#include "platform/file_type_source.h"

namespace tessaly::platform {
namespace {

class MimeFileTypes final : public FileTypeSource {
 public:
  FileTypeEntry lookup(const QString& ext) const override {
    if (!ext.startsWith(u'.') || ext.size() < 2) return {};
    const QList<QMimeType> types = database_.mimeTypesForFileName(QStringLiteral("x") + ext);
    for (const QMimeType& type : types) {
      // Only a glob of exactly this extension counts, not a longer pattern that also matches.
      if (type.globPatterns().contains(u'*' + ext, Qt::CaseInsensitive))
        return {type.name(), type.comment()};
    }
    return {};
  }

  QStringList knownExtensions() const override {
    static const QRegularExpression simpleGlob(QStringLiteral("^\\*\\.[^*?\\[\\]]+$"));
    QSet<QString> seen;
    QStringList result;
    for (const QMimeType& type : database_.allMimeTypes()) {
      for (const QString& glob : type.globPatterns()) {
        if (!simpleGlob.match(glob).hasMatch()) continue;
        const QString ext = glob.mid(1);
        if (!seen.contains(ext)) {
          seen.insert(ext);
          result.append(ext);
        }
      }
    }
    return result;
  }

 private:
  QMimeDatabase database_;
};

const FileTypeSource* installedSource = nullptr;

}  // namespace

const FileTypeSource& fileTypeSource() {
  static const MimeFileTypes mimeDatabase;
  return installedSource ? *installedSource : mimeDatabase;
}

void setFileTypeSource(const FileTypeSource* source) { installedSource = source; }

}  // namespace tessaly::platform
