#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QtEndian>

// Builds small Windows program files (PE) with a version resource, so that the tests know
// every byte and where to damage it.
namespace tessaly::testkit {

struct PeRequest {
  QList<QPair<QString, QString>> strings;  // name, value in the string table
  bool withTranslation = true;
  quint16 language = 0x0409;
  quint16 codePage = 0x04B0;
  QString tableName = QStringLiteral("040904B0");
  bool pe32Plus = false;
  bool withResources = true;
};

// The image and the file offsets of the fields the tests damage.
struct PeImage {
  QByteArray bytes;
  qint64 peHeaderPointer = 0x3C;
  qint64 resourceDirectoryRva = 0;  // the data directory's RVA field
  qint64 sectionRawSize = 0;        // the section header's SizeOfRawData field
  qint64 sectionRawOffset = 0;      // the section header's PointerToRawData field
  qint64 rootEntryCount = 0;        // NumberOfIdEntries of the root directory
  qint64 rootEntryTarget = 0;       // OffsetToData of the root's RT_VERSION entry
  qint64 namesEntryTarget = 0;
  qint64 languageEntryTarget = 0;
  qint64 dataEntryRva = 0;
  qint64 dataEntrySize = 0;
  qint64 versionBlock = 0;          // where the VS_VERSIONINFO node begins
  qint64 stringTableLength = 0;     // the string table node's wLength
};

inline void putU16(QByteArray& bytes, qint64 at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }
inline void putU32(QByteArray& bytes, qint64 at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }

inline void padToFour(QByteArray& bytes) {
  while (bytes.size() % 4) bytes.append('\0');
}

inline QByteArray utf16z(const QString& text) {
  QByteArray bytes;
  for (QChar c : text + QChar(0)) {
    bytes.append(char(c.unicode() & 0xFF));
    bytes.append(char(c.unicode() >> 8));
  }
  return bytes;
}

// One node of a version block: header, key, value, children, each part on a 4-byte boundary.
inline QByteArray versionNode(const QString& key, const QByteArray& value, quint16 valueLength, quint16 type,
                              const QList<QByteArray>& children = {}) {
  QByteArray node(6, '\0');
  node += utf16z(key);
  padToFour(node);
  node += value;
  for (const QByteArray& child : children) {
    padToFour(node);
    node += child;
  }
  putU16(node, 0, quint16(node.size()));
  putU16(node, 2, valueLength);
  putU16(node, 4, type);
  return node;
}

inline QByteArray stringNode(const QString& name, const QString& value) {
  return versionNode(name, utf16z(value), quint16(value.size() + 1), 1);
}

inline QByteArray versionInfoBlock(const PeRequest& request, qint64* stringTableLengthAt) {
  QList<QByteArray> strings;
  for (const auto& [name, value] : request.strings) strings.append(stringNode(name, value));
  const QByteArray table = versionNode(request.tableName, {}, 0, 1, strings);
  const QByteArray stringInfo = versionNode(QStringLiteral("StringFileInfo"), {}, 0, 1, {table});
  QList<QByteArray> children{stringInfo};
  if (request.withTranslation) {
    QByteArray translation(4, '\0');
    putU16(translation, 0, request.language);
    putU16(translation, 2, request.codePage);
    const QByteArray var = versionNode(QStringLiteral("Translation"), translation, 4, 0);
    children.append(versionNode(QStringLiteral("VarFileInfo"), {}, 0, 1, {var}));
  }
  QByteArray fixed(52, '\0');
  putU32(fixed, 0, 0xFEEF04BDu);
  const QByteArray root = versionNode(QStringLiteral("VS_VERSION_INFO"), fixed, 52, 0, children);
  // The string table sits at a known place: after the root's header, key, value and the
  // StringFileInfo header and key.
  *stringTableLengthAt = root.indexOf(table);
  return root;
}

inline PeImage buildPe(const PeRequest& request) {
  constexpr qint64 kPeHeader = 0x40;
  constexpr qint64 kSectionData = 0x200;
  constexpr quint32 kSectionRva = 0x1000;
  PeImage image;
  QByteArray& bytes = image.bytes;
  bytes = QByteArray(kSectionData, '\0');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  putU32(bytes, image.peHeaderPointer, kPeHeader);
  bytes.replace(kPeHeader, 4, QByteArray("PE\0\0", 4));
  const qint64 coff = kPeHeader + 4;
  const quint16 optionalSize = request.pe32Plus ? 240 : 224;
  putU16(bytes, coff, request.pe32Plus ? 0x8664 : 0x14C);
  putU16(bytes, coff + 2, 1);  // one section
  putU16(bytes, coff + 16, optionalSize);
  putU16(bytes, coff + 18, 0x0102);
  const qint64 optional = coff + 20;
  putU16(bytes, optional, request.pe32Plus ? 0x20B : 0x10B);
  const qint64 directoryCount = optional + (request.pe32Plus ? 108 : 92);
  putU32(bytes, directoryCount, 16);
  image.resourceDirectoryRva = directoryCount + 4 + 2 * 8;
  const qint64 section = optional + optionalSize;
  bytes.replace(section, 8, QByteArray(".rsrc\0\0\0", 8));
  image.sectionRawSize = section + 16;
  image.sectionRawOffset = section + 20;

  QByteArray resources(0x58, '\0');
  if (request.withResources) {
    putU16(resources, 0x0E, 1);  // root: one entry by id
    putU32(resources, 0x10, 16);  // RT_VERSION
    putU32(resources, 0x14, 0x80000000u | 0x18);
    putU16(resources, 0x18 + 0x0E, 1);
    putU32(resources, 0x18 + 0x10, 1);
    putU32(resources, 0x18 + 0x14, 0x80000000u | 0x30);
    putU16(resources, 0x30 + 0x0E, 1);
    putU32(resources, 0x30 + 0x10, request.language);
    putU32(resources, 0x30 + 0x14, 0x48);
  }
  qint64 tableInBlock = 0;
  const QByteArray block = versionInfoBlock(request, &tableInBlock);
  putU32(resources, 0x48, kSectionRva + 0x58);
  putU32(resources, 0x4C, quint32(block.size()));
  resources += block;

  putU32(bytes, section + 8, quint32(resources.size()));
  putU32(bytes, section + 12, kSectionRva);
  putU32(bytes, image.sectionRawSize, quint32(resources.size()));
  putU32(bytes, image.sectionRawOffset, kSectionData);
  if (request.withResources) {
    putU32(bytes, image.resourceDirectoryRva, kSectionRva);
    putU32(bytes, image.resourceDirectoryRva + 4, quint32(resources.size()));
  }
  image.rootEntryCount = kSectionData + 0x0E;
  image.rootEntryTarget = kSectionData + 0x14;
  image.namesEntryTarget = kSectionData + 0x18 + 0x14;
  image.languageEntryTarget = kSectionData + 0x30 + 0x14;
  image.dataEntryRva = kSectionData + 0x48;
  image.dataEntrySize = kSectionData + 0x4C;
  image.versionBlock = kSectionData + 0x58;
  image.stringTableLength = image.versionBlock + tableInBlock;
  bytes += resources;
  return image;
}

}  // namespace tessaly::testkit
