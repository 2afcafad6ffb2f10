#include <gtest/gtest.h>

#include <QFile>

#include "core/common/extract_strings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"

using namespace tessaly;

namespace {

QStringList extracted(testkit::TempTree& tree, const QByteArray& contents) {
  const QString source = tree.file(QStringLiteral("source.bin"), contents);
  const QString output = tree.path(QStringLiteral("strings.txt"));
  EXPECT_TRUE(extractStrings(source, output, 5, 100));
  QFile file(output);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromLatin1(file.readAll());
  return text.split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace

TEST(ExtractStrings, KeepsRunsOfSixToOneHundredAndOneCharactersOnce) {
  testkit::TempTree tree;
  QByteArray data("abcde");
  data += '\0';
  data += "abcdef";
  data += '\0';
  data += "abcdef";
  data += '\0';
  EXPECT_EQ(extracted(tree, data), QStringList{QStringLiteral("abcdef")});

  const QByteArray longest(101, 'x');
  const QByteArray tooLong(102, 'y');
  EXPECT_EQ(extracted(tree, longest + '\n' + tooLong + '\n' + "hello world\t"),
            (QStringList{QString::fromLatin1(longest), QStringLiteral("hello world")}));
}

TEST(ExtractStrings, RepeatsAreWrittenAgainWhenSomethingCameBetween) {
  testkit::TempTree tree;
  EXPECT_EQ(extracted(tree, "aaaaaa.bbbbbb.aaaaaa."),
            (QStringList{QStringLiteral("aaaaaa"), QStringLiteral("bbbbbb"), QStringLiteral("aaaaaa")}));
}

TEST(ExtractStrings, ARunDoesNotContinueIntoTheNextChunk) {
  testkit::TempTree tree;
  // "zzzzzzzz" straddles the 2048-byte boundary: each half is a run of its own chunk.
  QByteArray data(2044, '\0');
  data += "zzzz";          // ends with the first chunk: never written
  data += "zzzzzzz";       // a new run in the second chunk
  data += '\0';
  EXPECT_EQ(extracted(tree, data), QStringList{QStringLiteral("zzzzzzz")});

  QByteArray exact(2041, '\0');
  exact += "qwertyu";      // 2048 bytes exactly, the run still open at the end
  EXPECT_TRUE(extracted(tree, exact).isEmpty());
}

TEST(ExtractStrings, ReportsASourceThatCannotBeOpened) {
  testkit::TempTree tree;
  testkit::ScriptedDialogs dialogs;
  const QString missing = tree.path(QStringLiteral("missing.bin"));
  EXPECT_FALSE(extractStrings(missing, tree.path(QStringLiteral("out.txt")), 5, 100));
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Could not open file ") + missing});
  EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("out.txt"))));
}
