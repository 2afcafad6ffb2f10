#include "core/inspect/version_block.h"

#include "core/inspect/byte_fields.h"

namespace tessaly {
namespace {

constexpr qint64 kNodeHeaderSize = 6;  // wLength, wValueLength, wType
constexpr quint16 kTextType = 1;
// Root, StringFileInfo or VarFileInfo, a string table or Var, a string.
constexpr int kDeepestLevel = 3;

qint64 alignedToFour(qint64 offset) { return (offset + 3) & ~qint64(3); }

}  // namespace

QString Translation::tableName() const {
  return QStringLiteral("%1%2").arg(language, 4, 16, QLatin1Char('0')).arg(codePage, 4, 16, QLatin1Char('0')).toUpper();
}

const VersionBlock::Node* VersionBlock::Node::child(const QString& wanted) const {
  for (const Node& node : children) {
    if (node.key.compare(wanted, Qt::CaseInsensitive) == 0) return &node;
  }
  return nullptr;
}

std::optional<VersionBlock::Node> VersionBlock::readNode(const QByteArray& bytes, qint64 offset, qint64 end,
                                                         int depth) {
  const auto length = u16At(bytes, offset);
  const auto valueLength = u16At(bytes, offset + 2);
  const auto type = u16At(bytes, offset + 4);
  if (!length || !valueLength || !type || *length < kNodeHeaderSize || offset + *length > end) return std::nullopt;
  const qint64 nodeEnd = offset + *length;

  Node node;
  qint64 at = offset + kNodeHeaderSize;
  for (;; at += 2) {
    const auto unit = u16At(bytes, at);
    if (!unit || at + 2 > nodeEnd) return std::nullopt;
    if (*unit == 0) break;
    node.key.append(QChar(*unit));
  }
  at = alignedToFour(at + 2);

  node.isText = *type == kTextType;
  // A text value counts characters, a binary one bytes; some writers count bytes for text
  // too, so the value never runs past its node.
  const qint64 valueBytes = node.isText ? qint64(*valueLength) * 2 : *valueLength;
  const qint64 valueEnd = qMin(at + valueBytes, nodeEnd);
  if (at < valueEnd) node.value = bytes.mid(qsizetype(at), qsizetype(valueEnd - at));
  at = alignedToFour(valueEnd);

  while (depth < kDeepestLevel && at + kNodeHeaderSize <= nodeEnd) {
    std::optional<Node> child = readNode(bytes, at, nodeEnd, depth + 1);
    if (!child) break;
    at = alignedToFour(at + *u16At(bytes, at));
    node.children.push_back(std::move(*child));
  }
  return node;
}

std::optional<VersionBlock> VersionBlock::parse(const QByteArray& bytes) {
  std::optional<Node> root = readNode(bytes, 0, bytes.size(), 0);
  if (!root || root->key != QStringLiteral("VS_VERSION_INFO")) return std::nullopt;
  VersionBlock block;
  block.root_ = std::move(*root);
  return block;
}

std::optional<Translation> VersionBlock::translation() const {
  const Node* files = root_.child(QStringLiteral("VarFileInfo"));
  const Node* table = files ? files->child(QStringLiteral("Translation")) : nullptr;
  if (!table) return std::nullopt;
  const auto language = u16At(table->value, 0);
  const auto codePage = u16At(table->value, 2);
  if (!language || !codePage) return std::nullopt;
  return Translation{*language, *codePage};
}

std::optional<QString> VersionBlock::stringValue(const Translation& translation, const QString& name) const {
  const Node* strings = root_.child(QStringLiteral("StringFileInfo"));
  const Node* table = strings ? strings->child(translation.tableName()) : nullptr;
  const Node* entry = table ? table->child(name) : nullptr;
  if (!entry) return std::nullopt;
  QString text;
  for (qint64 at = 0;; at += 2) {
    const auto unit = u16At(entry->value, at);
    if (!unit || *unit == 0) break;
    text.append(QChar(*unit));
  }
  return text;
}

}  // namespace tessaly
