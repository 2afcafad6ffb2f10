#pragma once

#include <QDialog>
#include <QPointer>
#include <QPrinter>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>

#include "core/grid/file_table.h"
#include "ui/dups/browse_hook.h"
#include "ui/dups/pair_side_view.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace tessaly {

class ProtectionCheck;
class TfrmDup;

enum PairSide { LeftSide, RightSide };

// "Compare file pairs": two neighbouring rows of the duplicates grid side by side, their
// differences highlighted, so the user can see how two supposed duplicates differ before
// marking one. Made once at start, never destroyed before the program ends, and shown without
// blocking by the duplicates window's "P&airs".
class TfrmDupCompare final : public QDialog {
  Q_OBJECT

 public:
  // home owns the window whenever no duplicates window shows it.
  explicit TfrmDupCompare(QWidget* home);
  ~TfrmDupCompare() override;

  // "P&airs": takes a copy of the duplicates window's rows and shows the pair at its current
  // row; a window already shown for it only comes to the front.
  void showFor(TfrmDup& dups);
  // The duplicates window goes or searches again: the window hides and returns home.
  void leave(TfrmDup& dups);

  // The left file's row in the copy of the grid; the right file's is the row below.
  qsizetype currentRow() const { return current_; }
  const PairSideView& side(PairSide which) const { return *sides_[which]; }
  PairSideView& side(PairSide which) { return *sides_[which]; }

  // What the window reaches outside itself; tests put their own in place.
  std::function<bool(const QUrl&)> openUrl;
  std::function<void(const QString& path)> viewFile;
  std::function<void(const BrowseRequest&)> browseFolder;
  ProtectionCheck* protection = nullptr;  // the program's safe harbor when null
  QPrinter& printer() { return printer_; }

  std::array<QLabel*, 3> arrows{};  // creation, modification, access
  QStackedWidget* views = nullptr;
  QWidget* pnlSimple = nullptr;
  QCheckBox* cbAutoCRC = nullptr;
  QCheckBox* cbDetails = nullptr;
  QPushButton* sbL1 = nullptr;  // "&Prev pair"
  QPushButton* sbR1 = nullptr;  // "Ne&xt pair"
  QPushButton* btCompute = nullptr;
  QPushButton* btPrint = nullptr;
  QPushButton* btClose = nullptr;

  void sbR1Click();
  void sbL1Click();
  void btComputeClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildTopRow();
  QWidget* buildDetailedView();
  QWidget* buildSimpleView();
  QWidget* buildBottomRow();
  void connectSide(PairSide which);
  void showPair(qsizetype row);
  void computeCRCValues();
  void HighlightDifferences();
  void showComparisons();
  void showVersionLists();
  void showArrows();
  void resizeIt();
  void placeArrows();
  void btPrintClick();
  // The window's surfaces on this colour: white while it prints, the button face after.
  void changeBackgroundColor(const QColor& face);
  void moveToPair(const std::optional<qsizetype>& row, const QString& endText);
  // The side's file when it is there now.
  std::optional<QString> existingFile(PairSide which) const;

  QWidget* home_;
  QPointer<TfrmDup> dups_;
  FileTable rows_;
  qsizetype current_ = 0;
  std::array<std::unique_ptr<PairSideView>, 2> sides_;
  QWidget* arrowColumn_ = nullptr;
  QPrinter printer_;
};

// The program's pair comparison window, made beside the main window the first time.
TfrmDupCompare& dupCompareWindow(QWidget* home);

}  // namespace tessaly
