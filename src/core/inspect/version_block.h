#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tessaly {

// The first entry of a version block's translation table.
struct Translation {
  quint16 language = 0;
  quint16 codePage = 0;
  // "040904B0": the name of the string table that belongs to this translation.
  QString tableName() const;
};

// A VS_VERSIONINFO block read from untrusted bytes: every node is checked against its parent
// and the block, nesting stops at the depth the format has, and a node that cannot be read
// ends its parent's list of children.
class VersionBlock {
 public:
  // Nothing when the bytes do not begin with a whole VS_VERSION_INFO node.
  static std::optional<VersionBlock> parse(const QByteArray& bytes);

  // \VarFileInfo\Translation, its first entry.
  std::optional<Translation> translation() const;
  // \StringFileInfo\<table>\<name>, the text up to its first zero character.
  std::optional<QString> stringValue(const Translation& translation, const QString& name) const;

 private:
  struct Node {
    QString key;
    QByteArray value;
    bool isText = false;
    std::vector<Node> children;
    const Node* child(const QString& key) const;
  };
  static std::optional<Node> readNode(const QByteArray& bytes, qint64 offset, qint64 end, int depth);

  Node root_;
};

}  // namespace tessaly
