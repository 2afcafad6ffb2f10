#include "core/search/content_phase.h"

#include "core/common/text_routines.h"

namespace tessaly {

QString contentPhaseName(ContentPhase phase) {
  switch (phase) {
    case ContentPhase::Sizes: return QStringLiteral("Comparing sizes");
    case ContentPhase::FirstBlocks: return QStringLiteral("Comparing first blocks");
    case ContentPhase::LastBlocks: return QStringLiteral("Comparing last blocks");
    case ContentPhase::WholeFiles: return QStringLiteral("Comparing whole files");
    case ContentPhase::Bytes: return QStringLiteral("Comparing byte by byte");
  }
  return {};
}

QString contentProgressText(const ContentProgress& progress) {
  return QStringLiteral("%1: %2 of %3 files, %4 of %5 bytes")
      .arg(contentPhaseName(progress.phase), formatThousands(progress.filesDone), formatThousands(progress.filesTotal),
           formatThousands(progress.bytesDone), formatThousands(progress.bytesTotal));
}

}  // namespace tessaly
