#include "ui/dups/pair_side_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/inspect/version_lines.h"
#include "platform/host_path.h"
#include "ui/common/dialog_widgets.h"
#include "ui/inspect/icon_file.h"

namespace tessaly {
namespace {

constexpr int kIconSize = 32;

QLabel* valueLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  // A long folder is cut at the label's edge rather than widening the fixed-size window.
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->setAutoFillBackground(true);
  return label;
}

// A group box title takes '&' as a letter's mark; a file name shows its own.
QString titleText(const QString& name) { return QString(name).replace(u'&', QStringLiteral("&&")); }

}  // namespace

void setCutText(QLabel* label, const QString& text) {
  label->setText(text);
  label->setToolTip(label->fontMetrics().horizontalAdvance(text) > label->width() ? text : QString());
}

PairSideView::PairSideView(const PairSideCaptions& captions, QWidget* window)
    : imgIcon(new QLabel(window)),
      btBrowse(hintedButton(QString::fromUtf8(captions.browse), QString(), window)),
      btMark(hintedButton(QString::fromUtf8(captions.mark), QString(), window)),
      btLaunch(hintedButton(QString::fromUtf8(captions.open), QString(), window)),
      btView(hintedButton(QString::fromUtf8(captions.view), QString(), window)),
      box(new QGroupBox(window)),
      lblFolder(valueLabel(box)),
      lblSize(valueLabel(box)),
      lblType(valueLabel(box)),
      lblCreated(valueLabel(box)),
      lblModified(valueLabel(box)),
      lblAccessed(valueLabel(box)),
      lblAttributes(valueLabel(box)),
      lblCRC(valueLabel(box)),
      lblProtected(valueLabel(box)),
      lblSimpleName(valueLabel(window)),
      lblSimpleFolder(valueLabel(window)),
      lblSimpleAccess(valueLabel(window)),
      lblSimpleCreated(valueLabel(window)),
      lblSimpleSize(valueLabel(window)),
      lblSimpleProtected(valueLabel(window)),
      tlBox(new QListWidget(window)) {
  imgIcon->setFixedSize(kIconSize, kIconSize);
  QFont bold = lblSimpleName->font();
  bold.setBold(true);
  lblSimpleName->setFont(bold);
  lblProtected->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblProtected->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);

  auto* lines = new QGridLayout(box);
  lines->addWidget(lblProtected, 0, 0, 1, 2);
  const std::pair<const char*, QLabel*> rows[] = {
      {"Folder:", lblFolder},         {"Size:", lblSize},           {"Type:", lblType},
      {"Creation date:", lblCreated}, {"Modify date:", lblModified}, {"Access date:", lblAccessed},
      {"Attributes:", lblAttributes}, {"CRC Value:", lblCRC}};
  int row = 1;
  for (const auto& [caption, value] : rows) {
    lines->addWidget(new QLabel(QString::fromUtf8(caption), box), row, 0);
    lines->addWidget(value, row, 1);
    ++row;
  }
  lines->setColumnStretch(1, 1);
  tlBox->setFocusPolicy(Qt::TabFocus);
  // The lines are drawn on the button face; the space below them too.
  QPalette listColours = tlBox->palette();
  listColours.setColor(QPalette::Base, listColours.color(QPalette::Button));
  tlBox->setPalette(listColours);
}

void PairSideView::showFile(const QString& path, const QString& name, const QString& folder, const QDateTime& now) {
  lblCRC->clear();
  std::optional<FileDetails> details = readFileDetails(path);
  if (details) {
    file_ = {path, name, folder, std::move(details), pairVersionLines(GetVer(path, false))};
    imgIcon->setPixmap(iconfile(path).pixmap(kIconSize, kIconSize));
    fill(pairSideTexts(*file_.details, platform::displayPath(name), platform::displayPath(folder), now));
    return;
  }
  if (file_.path == path) return;
  file_ = {path, name, folder, std::nullopt, {}};
  imgIcon->clear();
  PairSideTexts texts;
  texts.name = platform::displayPath(name);
  texts.folder = platform::displayPath(folder);
  fill(texts);
}

void PairSideView::fill(const PairSideTexts& texts) {
  box->setTitle(titleText(texts.name));
  setCutText(lblFolder, texts.folder);
  lblSize->setText(texts.size);
  setCutText(lblType, texts.type);
  lblCreated->setText(texts.created);
  lblModified->setText(texts.modified);
  lblAccessed->setText(texts.accessed);
  lblAttributes->setText(texts.attributes);
  setCutText(lblSimpleName, texts.name);
  setCutText(lblSimpleFolder, texts.folder);
  lblSimpleAccess->setText(texts.accessLine);
  lblSimpleCreated->setText(texts.createdLine);
  lblSimpleSize->setText(texts.size);
}

}  // namespace tessaly
