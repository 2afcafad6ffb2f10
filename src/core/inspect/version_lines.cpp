#include "core/inspect/version_lines.h"

#include "core/inspect/paged_file.h"
#include "core/inspect/pe_resources.h"
#include "core/inspect/version_block.h"

namespace tessaly {
namespace {

struct VersionEntry {
  const char* label;
  const char* name;
};

constexpr VersionEntry kVersionEntries[] = {
    {"Company: ", "CompanyName"},
    {"File description: ", "FileDescription"},
    {"File version: ", "FileVersion"},
    {"Internal name: ", "InternalName"},
    {"Copyright: ", "LegalCopyright"},
    {"Trademarks: ", "LegalTrademarks"},
    {"Original filename: ", "OriginalFilename"},
    {"Private build info: ", "PrivateBuild"},
    {"Product name: ", "ProductName"},
    {"Product version: ", "ProductVersion"},
    {"Special build info: ", "SpecialBuild"},
};

QString withoutLeadingBlanks(const QString& text) {
  qsizetype first = 0;
  while (first < text.size() && text[first] == u' ') ++first;
  return text.mid(first);
}

}  // namespace

QList<VersionItem> versionItems(const QString& path) {
  PagedFile file;
  if (!file.open(path)) return {};
  const std::optional<QByteArray> resource = peVersionResource(file);
  if (!resource) return {};
  const std::optional<VersionBlock> block = VersionBlock::parse(*resource);
  if (!block) return {};
  const std::optional<Translation> translation = block->translation();
  if (!translation) return {};
  QList<VersionItem> items;
  for (const VersionEntry& entry : kVersionEntries) {
    const std::optional<QString> value = block->stringValue(*translation, QLatin1String(entry.name));
    items.append({QLatin1String(entry.label), withoutLeadingBlanks(value.value_or(QString()))});
  }
  return items;
}

QStringList GetVer(const QString& path, bool withTabs) {
  QStringList lines;
  for (const VersionItem& item : versionItems(path))
    lines.append(item.label + (withTabs ? QStringLiteral("\t") : QString()) + item.value);
  return lines;
}

}  // namespace tessaly
