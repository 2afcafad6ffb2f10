#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace tessaly {

class PatternListView;

// The two columns of the pattern editors' design: everything that tells the temporary-file
// patterns from the keep list.
struct PatternListKind {
  QString caption;
  QString heading;
  QStringList notes;                // the texts under the list
  QString section;                  // where the list is stored
  QStringList neverStoredDefaults;  // shown when the list was never stored
  QStringList defaultsButtonPatterns;  // added by "D&efaults", in this order
  QString helpPage;                    // the window's topic of the manual
};

const PatternListKind& tempFilesKind();
const PatternListKind& keepFilesKind();

// A pattern list editor. The list is stored whenever the window closes, however it closes.
class TfrmPatternList : public QDialog {
  Q_OBJECT
 public:
  TfrmPatternList(QWidget* parent, const PatternListKind& kind);

  void btAddClick();
  void btDeleteClick();
  void btClearClick();
  void btDefaultsClick();

  void ReadInFromDisk();
  void WriteOutToDisk();

  void done(int result) override;

  PatternListView* PickList1;
  QPushButton* btAdd;
  QPushButton* btDelete;
  QPushButton* btClear;
  QPushButton* btDefaults;
  QPushButton* btClose;

 private:
  const PatternListKind& kind_;
};

// The temporary-file patterns that quick clean searches for (section TempFiles).
class TfrmTempFiles final : public TfrmPatternList {
  Q_OBJECT
 public:
  explicit TfrmTempFiles(QWidget* parent) : TfrmPatternList(parent, tempFilesKind()) {}
};

// The file types the safe harbor protects (section NoDelExt).
class TfrmKeepFiles final : public TfrmPatternList {
  Q_OBJECT
 public:
  explicit TfrmKeepFiles(QWidget* parent) : TfrmPatternList(parent, keepFilesKind()) {}
};

}  // namespace tessaly
