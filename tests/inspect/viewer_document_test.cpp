#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>

#include "core/inspect/byte_search.h"
#include "core/inspect/selected_lines.h"
#include "core/inspect/viewer_document.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

constexpr qint64 K = TextLineRules::kLongLineBlock;

// The line starts of the text view, worked out byte by byte from the rules as the manual
// states them: a line begins after LF, after CR not followed by LF, and where a line that
// began at least K bytes earlier reaches a multiple of K that is not a line end.
QList<qint64> referenceLineStarts(const QByteArray& bytes) {
  QList<qint64> starts;
  if (bytes.isEmpty()) return starts;
  starts.append(0);
  for (qint64 q = 1; q < bytes.size(); ++q) {
    const char before = bytes[q - 1];
    const char here = bytes[q];
    const bool afterLineEnd = before == '\n' || (before == '\r' && here != '\n');
    const bool broken = q % K == 0 && q - starts.last() >= K && here != '\n' && here != '\r';
    if (afterLineEnd || broken) starts.append(q);
  }
  return starts;
}

class ViewerDocumentTest : public ::testing::Test {
 protected:
  ViewerDocument& open(const QByteArray& bytes) {
    document.close();
    EXPECT_TRUE(document.open(tree.file(QStringLiteral("shown.txt"), bytes)));
    return document;
  }
  QStringList allLines() {
    QStringList lines;
    if (document.size() == 0) return lines;
    for (std::optional<qint64> line = document.firstLine(); line; line = document.nextLine(*line))
      lines.append(document.lineText(*line));
    return lines;
  }
  qint64 countAll() {
    while (!document.countFurther(1000)) {
    }
    return *document.lineCount();
  }
  // Every way of finding a line agrees with the reference.
  void expectLinesFollowTheRules(const QByteArray& bytes, const std::string& what) {
    open(bytes);
    const QList<qint64> starts = referenceLineStarts(bytes);
    QList<qint64> forward;
    if (!bytes.isEmpty()) {
      for (std::optional<qint64> line = document.firstLine(); line; line = document.nextLine(*line)) forward.append(*line);
    }
    ASSERT_EQ(forward, starts) << what;
    QList<qint64> backward;
    if (!bytes.isEmpty()) {
      for (std::optional<qint64> line = document.lastLine(); line; line = document.previousLine(*line))
        backward.prepend(*line);
    }
    ASSERT_EQ(backward, starts) << what;
    // Each line's first and last byte, and the bytes around each block boundary.
    QList<qint64> offsets;
    for (qsizetype i = 0; i < starts.size(); ++i) {
      offsets.append(starts[i]);
      offsets.append((i + 1 < starts.size() ? starts[i + 1] : bytes.size()) - 1);
    }
    for (qint64 boundary = K; boundary < bytes.size(); boundary += K) offsets.append({boundary - 1, boundary, boundary + 1});
    for (const qint64 offset : offsets) {
      if (offset < 0 || offset >= bytes.size()) continue;
      const qint64 holder = *std::prev(std::upper_bound(starts.begin(), starts.end(), offset));
      ASSERT_EQ(document.lineHolding(offset), holder) << what << " at " << offset;
    }
    EXPECT_EQ(countAll(), starts.size()) << what;
    const qint64 stride = qMax<qint64>(1, starts.size() / 50);
    for (qint64 n = 0; n < starts.size(); n += stride) {
      ASSERT_EQ(document.lineNumber(starts[n]), n) << what;
      ASSERT_EQ(document.lineAt(n), starts[n]) << what;
    }
    if (!starts.isEmpty()) {
      ASSERT_EQ(document.lineAt(starts.size() - 1), starts.last()) << what;
    }
  }

  testkit::TempTree tree;
  ViewerDocument document;
};

TEST_F(ViewerDocumentTest, LinesEndAtLineFeedCarriageReturnOrBoth) {
  const struct {
    const char* what;
    QByteArray bytes;
    QStringList lines;
  } cases[] = {
      {"LF", "one\ntwo\nthree\n", {"one", "two", "three"}},
      {"no line end at the end", "one\ntwo\nthree", {"one", "two", "three"}},
      {"CR LF", "one\r\ntwo\r\n", {"one", "two"}},
      {"CR", "one\rtwo\rthree", {"one", "two", "three"}},
      {"CR before CR LF", "one\r\r\ntwo", {"one", "", "two"}},
      {"LF CR is two line ends", "one\n\rtwo", {"one", "", "two"}},
      {"empty lines", "\n\n", {"", ""}},
      {"one byte", "x", {"x"}},
      {"empty file", "", {}},
  };
  for (const auto& c : cases) {
    open(c.bytes);
    EXPECT_EQ(allLines(), c.lines) << c.what;
    EXPECT_EQ(countAll(), c.lines.size()) << c.what;
    expectLinesFollowTheRules(c.bytes, c.what);
  }
}

TEST_F(ViewerDocumentTest, LongLinesBreakAtMultiplesOfTheBlockAndShortLinesNeverDo) {
  const QByteArray shortLines = QByteArray("ab\n").repeated(3000);  // lines cross every block boundary
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"short lines across block boundaries", shortLines},
      {"one long line", QByteArray(3 * K + 100, 'x') + "\nend\n"},
      {"a long line that starts late", "123456789\n" + QByteArray(2 * K, 'y') + "\n"},
      {"a line end on the boundary", QByteArray(2 * K, 'z') + "\n" + QByteArray(K, 'z')},
      {"CR LF across the boundary", QByteArray(2 * K - 1, 'w') + "\r\n" + QByteArray(10, 'w')},
      {"nothing but zeros", QByteArray(5 * K + 3, '\0')},
  };
  for (const auto& c : cases) expectLinesFollowTheRules(c.bytes, c.what);
  open(shortLines);
  EXPECT_EQ(countAll(), 3000);
}

TEST_F(ViewerDocumentTest, RandomFilesOfLineEndsAndLongRunsFollowTheRules) {
  QRandomGenerator random(20240501);
  for (int round = 0; round < 40; ++round) {
    QByteArray bytes;
    const qint64 length = random.bounded(3 * int(K));
    const int lineEndChance = random.bounded(1, 2000);  // per mille; some files have almost none
    while (bytes.size() < length) {
      const int roll = random.bounded(1000);
      bytes.append(roll < lineEndChance / 2 ? '\n' : roll < lineEndChance ? '\r' : 'a');
    }
    expectLinesFollowTheRules(bytes, "round " + std::to_string(round));
  }
}

TEST_F(ViewerDocumentTest, AHundredMegabyteLineShowsItsEndWithoutReadingTheRest) {
  const QString path = tree.path(QStringLiteral("huge.bin"));
  QFile huge(path);
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(100LL * 1024 * 1024));  // sparse: all zeros, no line end
  huge.close();
  ASSERT_TRUE(document.open(path));
  const qint64 last = document.lastLine();
  EXPECT_EQ(last, document.size() - K);
  EXPECT_EQ(document.lineText(last).size(), K);
  EXPECT_EQ(document.previousLine(last), last - K);
  EXPECT_EQ(document.lineNumber(last), std::nullopt);  // not counted yet
  EXPECT_EQ(document.lineCount(), std::nullopt);
  EXPECT_EQ(document.lineNumber(K), 1);
}

TEST_F(ViewerDocumentTest, ShownTextMarksWhatIsNotReadableAndExpandsTabs) {
  const struct {
    const char* what;
    QByteArray bytes;
    TextLook look;
    QString shown;
  } cases[] = {
      {"UTF-8 shows as itself", "gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80", {}, QString::fromUtf8("grüß € 😀")},
      {"a Latin-1 byte", "caf\xE9!", {}, QString::fromUtf8("caf\uFFFD!")},
      {"a cut sequence", "a\xE2\x82", {}, QString::fromUtf8("a\uFFFD\uFFFD")},
      {"an overlong form", "\xC0\xAF", {}, QString::fromUtf8("\uFFFD\uFFFD")},
      {"control characters", QByteArray("a\0b\x1B\x7F", 5), {}, QString::fromUtf8("a·b··")},
      {"tabs to stops of 8", "a\tbc\td", {true, 8}, "a       bc      d"},
      {"tabs to stops of 4", "\tx", {true, 4}, "    x"},
      {"tab size 0", "a\tb", {true, 0}, "ab"},
      {"tabs not expanded", "a\tb", {false, 8}, "a b"},
  };
  for (const auto& c : cases) EXPECT_EQ(shownText(c.bytes, c.look).text, c.shown) << c.what;
  const ShownText mapped = shownText("\tb\xC3\xBC", {true, 4}, true);
  EXPECT_EQ(mapped.byteOfColumn, (std::vector<qint32>{0, 0, 0, 0, 1, 2, 4}));
}

TEST_F(ViewerDocumentTest, TheHexViewShowsSixteenBytesALineWithTheirCharacters) {
  QByteArray bytes;
  for (int i = 0; i < 33; ++i) bytes.append(char(0x41 + i));
  open(bytes);
  document.setMode(ViewMode::Hex);
  EXPECT_EQ(*document.lineCount(), 3);
  EXPECT_EQ(allLines(), QStringList({
                            "00000000  41 42 43 44 45 46 47 48  49 4A 4B 4C 4D 4E 4F 50  ABCDEFGHIJKLMNOP",
                            "00000010  51 52 53 54 55 56 57 58  59 5A 5B 5C 5D 5E 5F 60  QRSTUVWXYZ[\\]^_`",
                            "00000020  61                                                a",
                        }));
  EXPECT_EQ(document.lineHolding(31), 16);
  EXPECT_EQ(document.lineAt(2), 32);
  const auto [start, end] = document.rangePositions(17, 19);
  EXPECT_EQ(start, (ViewerPosition{16, 13}));
  EXPECT_EQ(end, (ViewerPosition{16, 18}));
  EXPECT_EQ(document.offsetOf(start), 17);
  EXPECT_EQ(document.offsetOf({16, 61}), 16 + 1);  // the second of the characters
  EXPECT_EQ(hexLine(0, QByteArray("\x00\xFF", 2), 8), "00000000  00 FF" + QString(44, u' ') + " ..");
}

TEST_F(ViewerDocumentTest, PlacesAndOffsetsMapBothWays) {
  open("first\n\tsecond\nthird");
  const qint64 second = *document.nextLine(0);
  EXPECT_EQ(document.positionOf(second + 1), (ViewerPosition{second, 8}));  // after the tab
  EXPECT_EQ(document.offsetOf({second, 8}), second + 1);
  EXPECT_EQ(document.offsetOf({second, 3}), second);  // inside the tab's blanks
  EXPECT_EQ(document.positionOf(document.size()), (ViewerPosition{*document.nextLine(second), 5}));
  EXPECT_EQ(document.offsetOf({0, 99}), 5);
}

TEST_F(ViewerDocumentTest, ASelectionPrintsWithBlanksBeforeItsStartAndCopiesItsCharactersAlone) {
  open("0123456789abcdef\nmiddle line\nlast line here\n");
  const qint64 middle = *document.nextLine(0);
  const qint64 last = *document.nextLine(middle);
  const auto linesOf = [&](const ViewerPosition& from, const ViewerPosition& to, auto form) {
    QStringList lines;
    for (SelectedLines selected(document, from, to); !selected.atEnd();) lines.append(form(selected.take()));
    return lines;
  };
  EXPECT_EQ(linesOf({0, 10}, {last, 4}, printedSelectionLine), QStringList({"          abcdef", "middle line", "last"}));
  EXPECT_EQ(linesOf({0, 10}, {last, 4}, copiedSelectionLine), QStringList({"abcdef", "middle line", "last"}));
  EXPECT_EQ(linesOf({middle, 2}, {middle, 6}, printedSelectionLine), QStringList({"  ddle"}));
  EXPECT_EQ(linesOf({middle, 6}, {middle, 2}, printedSelectionLine), QStringList());
  EXPECT_EQ(endOfDocument(document), (ViewerPosition{last, 14}));
  EXPECT_EQ(linesOf({0, 0}, endOfDocument(document), copiedSelectionLine),
            QStringList({"0123456789abcdef", "middle line", "last line here"}));
  SelectedLines halfway(document, {0, 0}, {last, 0});
  halfway.take();
  EXPECT_EQ(halfway.percentDone(), int((middle * 100) / last));
}

TEST_F(ViewerDocumentTest, SearchFindsMatchesForwardBackwardAcrossSlicesAndByCase) {
  open("Alpha beta ALPHA gamma alpha");
  const struct {
    const char* what;
    SearchRequest request;
    std::optional<qint64> found;
  } cases[] = {
      {"first from the start", {"alpha", false, false, 0}, 0},
      {"next after the first", {"alpha", false, false, 1}, 11},
      {"matching case", {"alpha", true, false, 0}, 23},
      {"backward from the end", {"alpha", false, true, 28}, 23},
      {"backward before the last", {"alpha", false, true, 23}, 11},
      {"backward matching case", {"ALPHA", true, true, 28}, 11},
      {"backward from the start finds nothing", {"alpha", false, true, 0}, std::nullopt},
      {"not there", {"delta", false, false, 0}, std::nullopt},
      {"longer than the file", {QByteArray(40, 'a'), false, false, 0}, std::nullopt},
      {"a match at the very end", {"a", false, false, 27}, 27},
  };
  for (const auto& c : cases) {
    for (const qint64 slice : {qint64(1), qint64(3), qint64(1 << 20)}) {
      ByteSearch search(document.file(), c.request);
      int steps = 0;
      while (!search.step(slice)) ASSERT_LT(++steps, 100) << c.what;
      EXPECT_EQ(search.found(), c.found) << c.what << " in slices of " << slice;
      EXPECT_EQ(search.percentDone(), 100);
    }
  }
}

}  // namespace
}  // namespace tessaly
