#pragma once

#include <QString>

namespace tessaly::platform {

// The XDG base folders, read from the environment on every call so that tests can
// point them at temporary folders.
QString configHome();
QString dataHome();
QString cacheHome();
QString homeFolder();

// The per-user hive: one INI file holding every "registry" key of the program.
QString hiveFilePath();

// The safe harbor folder list; the program's own folder is not writable here.
QString foldersListPath();

// The folder holding the shipped HTML manual.
QString manualFolder();

}  // namespace tessaly::platform
