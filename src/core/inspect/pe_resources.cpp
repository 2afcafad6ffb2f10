#include "core/inspect/pe_resources.h"

#include <vector>

#include "core/inspect/byte_fields.h"

namespace tessaly {
namespace {

constexpr qint64 kNewHeaderPointer = 0x3C;  // where the DOS header keeps the PE header's offset
constexpr qint64 kCoffHeaderSize = 20;
constexpr qint64 kSectionHeaderSize = 40;
constexpr quint16 kPe32Magic = 0x10B;
constexpr quint16 kPe32PlusMagic = 0x20B;
constexpr qint64 kPe32DirectoryCount = 92;      // NumberOfRvaAndSizes in the PE32 optional header
constexpr qint64 kPe32PlusDirectoryCount = 108;
constexpr quint32 kResourceDirectory = 2;       // index in the data directories
constexpr qint64 kDataDirectorySize = 8;
constexpr quint32 kVersionResourceType = 16;    // RT_VERSION
constexpr quint32 kSubdirectoryFlag = 0x80000000u;
constexpr quint32 kNameFlag = 0x80000000u;
constexpr qint64 kDirectoryHeaderSize = 16;
constexpr qint64 kDirectoryEntrySize = 8;
constexpr qint64 kDataEntrySize = 16;
// A VS_VERSIONINFO block states its length in 16 bits: nothing beyond this belongs to it.
constexpr quint32 kLargestVersionBlock = 0xFFFF;

struct Section {
  quint32 virtualAddress = 0;
  quint32 rawSize = 0;
  quint32 rawOffset = 0;
};

// Reads the PE headers and maps the resource section's addresses onto the file.
class PeImage {
 public:
  explicit PeImage(PagedFile& file) : file_(file) {}

  bool readHeaders();
  std::optional<QByteArray> versionResource();

 private:
  // The bytes at a relative virtual address, all of them inside one section's file data.
  std::optional<QByteArray> atAddress(quint32 rva, quint32 length);
  // The entry of the directory at rva: the one with this id, or the first when id is empty.
  std::optional<quint32> directoryEntry(quint32 rva, std::optional<quint32> id);
  std::optional<quint32> subdirectory(quint32 rva, std::optional<quint32> id);

  PagedFile& file_;
  std::vector<Section> sections_;
  quint32 resourceRva_ = 0;
};

bool PeImage::readHeaders() {
  const QByteArray dos = file_.read(0, kNewHeaderPointer + 4);
  if (!dos.startsWith("MZ")) return false;
  const auto peOffset = u32At(dos, kNewHeaderPointer);
  if (!peOffset) return false;
  const QByteArray coff = file_.read(*peOffset, 4 + kCoffHeaderSize);
  if (coff.size() != 4 + kCoffHeaderSize || !coff.startsWith(QByteArrayView("PE\0\0", 4))) return false;
  const quint16 sectionCount = *u16At(coff, 4 + 2);
  const quint16 optionalSize = *u16At(coff, 4 + 16);
  const qint64 optionalOffset = qint64(*peOffset) + 4 + kCoffHeaderSize;
  const QByteArray optional = file_.read(optionalOffset, optionalSize);
  if (optional.size() != optionalSize) return false;

  const auto magic = u16At(optional, 0);
  qint64 countOffset = 0;
  if (magic == kPe32Magic) {
    countOffset = kPe32DirectoryCount;
  } else if (magic == kPe32PlusMagic) {
    countOffset = kPe32PlusDirectoryCount;
  } else {
    return false;
  }
  const auto directoryCount = u32At(optional, countOffset);
  if (!directoryCount || *directoryCount <= kResourceDirectory) return false;
  const auto resourceRva = u32At(optional, countOffset + 4 + kResourceDirectory * kDataDirectorySize);
  if (!resourceRva || *resourceRva == 0) return false;
  resourceRva_ = *resourceRva;

  const QByteArray table = file_.read(optionalOffset + optionalSize, qint64(sectionCount) * kSectionHeaderSize);
  if (table.size() != qint64(sectionCount) * kSectionHeaderSize) return false;
  for (qint64 at = 0; at < table.size(); at += kSectionHeaderSize)
    sections_.push_back({*u32At(table, at + 12), *u32At(table, at + 16), *u32At(table, at + 20)});
  return true;
}

std::optional<QByteArray> PeImage::atAddress(quint32 rva, quint32 length) {
  for (const Section& section : sections_) {
    if (rva < section.virtualAddress) continue;
    const quint64 into = quint64(rva) - section.virtualAddress;
    if (into + length > section.rawSize) continue;
    const qint64 offset = qint64(section.rawOffset) + qint64(into);
    QByteArray bytes = file_.read(offset, length);
    if (bytes.size() != qsizetype(length)) return std::nullopt;
    return bytes;
  }
  return std::nullopt;
}

std::optional<quint32> PeImage::directoryEntry(quint32 rva, std::optional<quint32> id) {
  const auto header = atAddress(rva, kDirectoryHeaderSize);
  if (!header) return std::nullopt;
  const quint32 named = *u16At(*header, 12);
  const quint32 numbered = *u16At(*header, 14);
  const auto entries = atAddress(rva + kDirectoryHeaderSize, (named + numbered) * kDirectoryEntrySize);
  if (!entries) return std::nullopt;
  for (quint32 i = 0; i < named + numbered; ++i) {
    const quint32 name = *u32At(*entries, i * kDirectoryEntrySize);
    if (!id || (!(name & kNameFlag) && name == *id)) return *u32At(*entries, i * kDirectoryEntrySize + 4);
  }
  return std::nullopt;
}

std::optional<quint32> PeImage::subdirectory(quint32 rva, std::optional<quint32> id) {
  const auto entry = directoryEntry(rva, id);
  if (!entry || !(*entry & kSubdirectoryFlag)) return std::nullopt;
  return resourceRva_ + (*entry & ~kSubdirectoryFlag);
}

// The resource tree has three levels (type, name, language) and nothing deeper is followed,
// so an entry that points back up the tree cannot make the walk go round.
std::optional<QByteArray> PeImage::versionResource() {
  const auto names = subdirectory(resourceRva_, kVersionResourceType);
  if (!names) return std::nullopt;
  const auto languages = subdirectory(*names, std::nullopt);
  if (!languages) return std::nullopt;
  const auto dataEntryOffset = directoryEntry(*languages, std::nullopt);
  if (!dataEntryOffset || (*dataEntryOffset & kSubdirectoryFlag)) return std::nullopt;
  const auto dataEntry = atAddress(resourceRva_ + *dataEntryOffset, kDataEntrySize);
  if (!dataEntry) return std::nullopt;
  const quint32 dataRva = *u32At(*dataEntry, 0);
  const quint32 dataSize = *u32At(*dataEntry, 4);
  return atAddress(dataRva, qMin(dataSize, kLargestVersionBlock));
}

}  // namespace

std::optional<QByteArray> peVersionResource(PagedFile& file) {
  PeImage image(file);
  if (!image.readHeaders()) return std::nullopt;
  return image.versionResource();
}

}  // namespace tessaly
