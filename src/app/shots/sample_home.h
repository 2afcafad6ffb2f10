#pragma once

#include <QString>

#include "core/walk/drive_list.h"

namespace tessaly::shots {

// A small home folder made below the work folder, as the folder and file pictures show it:
// documents, music, photos, a video, a project's build output and a download folder, files of
// many sizes (the large ones sparse, so they cost nothing) read and changed on many days over
// the last years. Returns its path.
QString makeSampleHome(const QString& workFolder);

// The machine's drives of the window's kinds, none ticked, and the folder as an added folder,
// ticked alone: the picture shows the real drive list but walks only the sample.
QList<DriveListItem> itemsTickingOnly(DriveListUse use, const QString& folder);

}  // namespace tessaly::shots
