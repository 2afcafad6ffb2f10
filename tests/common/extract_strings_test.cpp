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

TEST(ExtractStrings, SlicesOfAnySizeWriteWhatTheWholeRunWritesAndCountTheirProgress) {
  testkit::TempTree tree;
  QByteArray data;
  for (int i = 0; i < 500; ++i) data += "string number " + QByteArray::number(i) + '\0';
  const QString source = tree.file(QStringLiteral("source.bin"), data);
  const QString whole = tree.path(QStringLiteral("whole.txt"));
  ASSERT_TRUE(extractStrings(source, whole, 5, 100));
  QFile wholeFile(whole);
  ASSERT_TRUE(wholeFile.open(QIODevice::ReadOnly));
  const QByteArray expected = wholeFile.readAll();
  EXPECT_TRUE(expected.startsWith("string number 0\nstring number 1\n"));

  for (const qint64 budget : {qint64(1), qint64(2048), qint64(5000)}) {
    StringsExtraction extraction;
    const QString sliced = tree.path(QStringLiteral("sliced.txt"));
    ASSERT_TRUE(extraction.start(source, sliced, 5, 100));
    EXPECT_EQ(extraction.percentDone(), 0);
    int steps = 0;
    while (!extraction.step(budget)) {
      ++steps;
      EXPECT_LT(extraction.percentDone(), 100);
    }
    EXPECT_EQ(extraction.percentDone(), 100);
    EXPECT_GT(steps, 0) << budget;
    QFile slicedFile(sliced);
    ASSERT_TRUE(slicedFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(slicedFile.readAll(), expected) << budget;
  }
}

TEST(ExtractStrings, AnOutputThatCannotBeWrittenIsReportedNotPassedOffAsEmpty) {
  testkit::TempTree tree;
  testkit::ScriptedDialogs dialogs;
  const QString source = tree.file(QStringLiteral("source.bin"), QByteArray("readable text here") + '\0');
  EXPECT_FALSE(extractStrings(source, QStringLiteral("/dev/full"), 5, 100));
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Could not write file /dev/full")});
}
