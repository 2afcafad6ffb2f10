#pragma once

#include <QTreeView>

#include "ui/lists/pattern_lines_model.h"

namespace tessaly {

// PickList1 of the pattern editors: the sorted two-column list and the editing rules they
// share (add from the extension picker, delete with a question for more than one line, clear).
class PatternListView final : public QTreeView {
  Q_OBJECT
 public:
  explicit PatternListView(QWidget* parent = nullptr);

  PatternLinesModel& lines() { return model_; }
  const QStringList& lineTexts() const { return model_.lines(); }
  int selectedCount() const;

  void addFromPicker();
  void deleteSelected();
  void clearAll();

 private:
  PatternLinesModel model_;
};

}  // namespace tessaly
