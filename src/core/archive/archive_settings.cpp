#include "core/archive/archive_settings.h"

#include "core/common/settings_store.h"
#include "platform/xdg_paths.h"

namespace tessaly {
namespace {

const QString kSection = QStringLiteral("ZipFile");
const QString kPathKey = QStringLiteral("Path");
const QString kCommentKey = QStringLiteral("Comment");

}  // namespace

QString readArchiveFolder() { return programSettings().readString(kSection, kPathKey, platform::homeFolder()); }

QString readArchiveComment() { return programSettings().readString(kSection, kCommentKey, QString()); }

void writeArchiveOptions(const QString& folder, const QString& comment) {
  const IniView store = programSettings();
  store.writeString(kSection, kPathKey, folder);
  store.writeString(kSection, kCommentKey, comment.left(kArchiveCommentLimit));
}

}  // namespace tessaly
