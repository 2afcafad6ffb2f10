#include "ui/main/tool_windows.h"

#include "core/common/dialogs.h"
#include "platform/xdg_paths.h"
#include "ui/archive/unzip_window.h"
#include "ui/browse/browse_window.h"
#include "ui/clean/cache_window.h"
#include "ui/clean/clean_window.h"
#include "ui/dates/mods_window.h"
#include "ui/dups/dup_compare_window.h"
#include "ui/dups/dup_window.h"
#include "ui/hogs/dir_hog_window.h"
#include "ui/main/app_state.h"
#include "ui/safeharbor/no_delete_window.h"
#include "ui/stats/statistics_window.h"

namespace tessaly {
namespace {

ToolEntry tool(const char* buttonName, const char* caption, const char* hint, GlyphPainter glyph,
               bool checksSafeHarbor, std::optional<bool> findDups = std::nullopt, ToolOpener opener = {}) {
  const QString text = QString::fromUtf8(caption);
  return ToolEntry{QString::fromUtf8(buttonName), text, QString::fromUtf8(hint), glyph, checksSafeHarbor,
                   findDups, opener ? std::move(opener) : notAvailableYet(text)};
}

ToolOutcome openUnzip(QWidget* owner) {
  TfrmUnZipIt window(appState().defaultZipPath, owner);
  window.exec();
  return {};
}

template <class Window>
ToolOutcome openModal(QWidget* owner) {
  makeToolWindow<Window>(owner)->exec();
  return {};
}

// "&Duplicate files" and "&File hogs": one window, in the mode findDups was given just before.
ToolOutcome openDuplicates(QWidget* owner) {
  const bool findDups = appState().findDups;
  TfrmDup window(findDups, findDups ? &dupCompareWindow(owner) : nullptr, owner);
  window.exec();
  return {};
}

ToolOutcome openBrowse(QWidget* owner) {
  TfrmBrowse::openOn(platform::homeFolder(), QString(), QString(), owner, &appState().defaultZipPath);
  return {};
}

ToolOutcome openStatistics(QWidget* owner) {
  statisticsWindow(owner).showStatistics();
  return {};
}

ToolOutcome openSafeHarbor(QWidget* owner) {
  const std::unique_ptr<TfrmNoDelete> window = makeToolWindow<TfrmNoDelete>(owner, true);
  window->exec();
  return {.safeHarborChanged = window->listsChanged()};
}

}  // namespace

std::vector<ToolEntry> toolWindows() {
  return {
      tool("btDuplicate", "&Duplicate files", "Locate duplicate files", glyphs::duplicateFiles, true, true,
           openDuplicates),
      tool("btFileHog", "&File hogs", "Locate large files", glyphs::fileHogs, true, false, openDuplicates),
      tool("btFiles", "Files &accessed", "Locate old and recent files", glyphs::filesAccessed, true, std::nullopt,
           openModal<TfrmMods>),
      tool("btDirHogs", "Folder &hogs", "Locate folders taking the most space", glyphs::folderHogs, true, std::nullopt,
           openModal<TfrmDirHog>),
      tool("btClean", "&Quick clean", "Quickly clean up temporary files", glyphs::quickClean, true,
           std::nullopt, openModal<TfrmClean>),
      tool("btStatistic", "&Statistics", "Compute disk statistics", glyphs::statistics, false, std::nullopt,
           openStatistics),
      tool("btBrowse", "&Browse", "Browse through disks/folders", glyphs::browse, true, std::nullopt, openBrowse),
      tool("btClearCache", "&Clear internet files", "Clean up web browser cache folders",
           glyphs::clearInternetFiles, true, std::nullopt, openModal<TfrmCache>),
      tool("btZip", "&Unzip archive files", "Unzip files that have been zipped up by Tessaly (compressed)",
           glyphs::unzipArchive, false, std::nullopt, openUnzip),
      tool("btBuild", "Bui&ld safe harbor",
           "Build list of folders that will not be deleted in Tessaly without warning", glyphs::buildSafeHarbor,
           false, std::nullopt, openSafeHarbor),
  };
}

QString plainCaption(const QString& caption) { return QString(caption).remove(u'&'); }

ToolOpener notAvailableYet(const QString& caption) {
  return [text = plainCaption(caption) + QStringLiteral(" is not available yet.")](QWidget*) {
    showInfo(text);
    return ToolOutcome{};
  };
}

}  // namespace tessaly
