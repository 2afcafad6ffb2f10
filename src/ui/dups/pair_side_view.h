#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/dups/pair_texts.h"
#include "core/inspect/file_details.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace tessaly {

// The captions of one side's buttons: the left side's and the right side's letters differ.
struct PairSideCaptions {
  const char* browse;
  const char* mark;
  const char* open;
  const char* view;
};

// What one side of the pair comparison shows: its file, as it was last found.
struct PairSideFile {
  QString path;
  QString name;
  QString folder;
  std::optional<FileDetails> details;  // none while the file has not been found
  QStringList versionLines;            // as the list shows them
};

// The controls of one side of the comparison: its icon and buttons, its detailed view, its
// part of the simple view and its version list. The window places them.
class PairSideView {
 public:
  PairSideView(const PairSideCaptions& captions, QWidget* window);

  // Shows the file. A file that cannot be found keeps what the side showed of it before; a
  // file the side has not shown yet is shown by its name and folder alone.
  void showFile(const QString& path, const QString& name, const QString& folder, const QDateTime& now);
  const PairSideFile& file() const { return file_; }
  bool found() const { return file_.details.has_value(); }

  QLabel* imgIcon;
  QPushButton* btBrowse;
  QPushButton* btMark;
  QPushButton* btLaunch;
  QPushButton* btView;

  QGroupBox* box;  // its caption is the file name
  QLabel* lblFolder;
  QLabel* lblSize;
  QLabel* lblType;
  QLabel* lblCreated;
  QLabel* lblModified;
  QLabel* lblAccessed;
  QLabel* lblAttributes;
  QLabel* lblCRC;
  QLabel* lblProtected;

  // The simple view's lines.
  QLabel* lblSimpleName;
  QLabel* lblSimpleFolder;
  QLabel* lblSimpleAccess;
  QLabel* lblSimpleCreated;
  QLabel* lblSimpleSize;
  QLabel* lblSimpleProtected;

  QListWidget* tlBox;

 private:
  void fill(const PairSideTexts& texts);

  PairSideFile file_;
};

// Sets a label's text, and its hint to the same text where the label is too narrow for it.
void setCutText(QLabel* label, const QString& text);

}  // namespace tessaly
