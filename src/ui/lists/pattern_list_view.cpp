#include "ui/lists/pattern_list_view.h"

#include <QHeaderView>

#include "core/common/dialogs.h"
#include "ui/lists/extension_picker.h"

namespace tessaly {

PatternListView::PatternListView(QWidget* parent) : QTreeView(parent) {
  setModel(&model_);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  header()->setStretchLastSection(true);
  setColumnWidth(0, 90);
}

int PatternListView::selectedCount() const { return int(selectionModel()->selectedRows().size()); }

void PatternListView::addFromPicker() {
  for (const QString& line : linesOfChoice(pickExtension(window()))) model_.addLine(line);
}

void PatternListView::deleteSelected() {
  const QModelIndexList selected = selectionModel()->selectedRows();
  if (selected.isEmpty()) return;
  if (selected.size() > 1 &&
      dialogs().ask(MessageStyle::Question, window()->windowTitle(),
                    QStringLiteral("Really delete ") + QString::number(selected.size()) + QStringLiteral(" extensions?"),
                    AnswerSet::YesNoCancel) != Answer::Yes)
    return;
  QList<int> rows;
  for (const QModelIndex& index : selected) rows.append(index.row());
  model_.removeLines(rows);
}

void PatternListView::clearAll() {
  if (dialogs().ask(MessageStyle::Question, window()->windowTitle(), QStringLiteral("Really clear out all extensions?"),
                    AnswerSet::YesNoCancel) == Answer::Yes)
    model_.clear();
}

}  // namespace tessaly
