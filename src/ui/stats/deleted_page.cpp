#include "ui/stats/deleted_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/stats/deleted_totals_view.h"
#include "ui/stats/shadow_label.h"

namespace tessaly {
namespace {

constexpr int kHeadingPoints = 16;

}  // namespace

DeletedPage::DeletedPage(QWidget* parent) : QWidget(parent) {
  auto* heading = new ShadowLabel(QStringLiteral("Files processed by Tessaly 99"), kHeadingPoints, this);
  lblSince1 = new QLabel(this);
  lblZipSince = new QLabel(this);
  edNdelete = box("edNdelete");
  edSzDelete = box("edSzDelete");
  edNZip = box("edNZip");
  edSzZip = box("edSzZip");
  edNWaste = box("edNWaste");
  edSzWaste = box("edSzWaste");
  Button1 = new QPushButton(QStringLiteral("&Reset these numbers"), this);
  connect(Button1, &QPushButton::clicked, this, &DeletedPage::Button1Click);

  auto* groups = new QGridLayout;
  int row = 0;
  const auto group = [&](const QString& caption, QLabel* since, QLineEdit* files, QLineEdit* bytes) {
    auto* label = new QLabel(caption, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    groups->addWidget(label, row, 0);
    if (since) groups->addWidget(since, row, 1);
    ++row;
    groups->addWidget(files, row, 0);
    groups->addWidget(bytes, row, 1);
    ++row;
  };
  group(QStringLiteral("Deleted files"), lblSince1, edNdelete, edSzDelete);
  group(QStringLiteral("Zipped files"), lblZipSince, edNZip, edSzZip);
  group(QStringLiteral("Files sent to the trash"), nullptr, edNWaste, edSzWaste);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(groups);
  layout->addStretch();
  layout->addWidget(Button1, 0, Qt::AlignLeft);
}

QLineEdit* DeletedPage::box(const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  return edit;
}

void DeletedPage::showFilesDeleted() {
  const DeletedPageTexts texts = deletedPageTexts(readRemovalTotals());
  lblSince1->setText(texts.deletedSince);
  lblZipSince->setText(texts.zippedSince);
  edNdelete->setText(texts.deleted.files);
  edSzDelete->setText(texts.deleted.bytes);
  edNZip->setText(texts.zipped.files);
  edSzZip->setText(texts.zipped.bytes);
  edNWaste->setText(texts.trashed.files);
  edSzWaste->setText(texts.trashed.bytes);
}

void DeletedPage::Button1Click() {
  if (dialogs().ask(MessageStyle::Information, window()->windowTitle(), QStringLiteral("Reset cumulative totals?"),
                    AnswerSet::YesNo) != Answer::Yes)
    return;
  resetRemovalTotals();
  showFilesDeleted();
}

}  // namespace tessaly
