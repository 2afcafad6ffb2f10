#include "ui/main/main_window.h"

#include <QApplication>
#include <QFrame>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QToolTip>

#include "core/archive/archive_settings.h"
#include "core/common/date_texts.h"
#include "core/common/dialogs.h"
#include "ui/common/win_place.h"
#include "ui/main/about_window.h"
#include "ui/main/app_state.h"
#include "ui/common/help_topic.h"
#include "ui/main/main_decor.h"
#include "ui/main/maker_details.h"
#include "ui/dups/dup_compare_window.h"
#include "ui/stats/statistics_window.h"

namespace tessaly {
namespace {

// Layout in device-independent pixels; Qt scales it with the screen.
constexpr int kClientWidth = 557;
constexpr int kClientHeight = 428;
constexpr int kTitleHeight = 77;
constexpr int kColumnX[2] = {25, 318};
constexpr int kRowY[5] = {104, 156, 205, 256, 306};
constexpr int kToolsPerColumn = 5;
constexpr QSize kPanelSize(210, 40);
constexpr QSize kShadowSize(207, 40);
constexpr QPoint kShadowOffset(6, 6);
constexpr QSize kToolButtonSize(197, 28);
constexpr int kSmallButtonY = 368;
constexpr QSize kSmallButtonSize(111, 28);
constexpr int kLowColourDepth = 15;
constexpr int kHintPauseMs = 1000;
const QColor kHintColour(245, 249, 136);

// Application hints wait a full second before they show.
class HintPauseStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintPauseMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

int displayDepth(const QWidget& window) {
  // A screen here has one colour plane.
  const QScreen* screen = window.screen();
  return screen ? screen->depth() : 32;
}

TfrmMain::TfrmMain(MainWindowSetup setup) : QWidget(nullptr), setup_(std::move(setup)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Tessaly 99"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  QFont formFont = font();
  formFont.setPixelSize(13);
  formFont.setBold(true);
  setFont(formFont);

  EsTile1 = new TiledBackground(this);
  EsTile1->setGeometry(rect());
  EsGradient1 = new GradientBackground(this);
  EsGradient1->setGeometry(rect());
  EsGradient1->hide();

  auto* title = new ExtrudedTitle(QStringLiteral("Tessaly 99"), 55, this);
  title->setObjectName(QStringLiteral("lblTitle"));
  title->setGeometry(0, 0, kClientWidth, kTitleHeight);

  for (int index = 0; index < int(setup_.tools.size()); ++index) addToolButton(setup_.tools[index], index);

  connect(addSmallButton("btReach", QStringLiteral("Ab&out"), 157), &QPushButton::clicked, this,
          &TfrmMain::btReachClick);
  connect(addSmallButton("btHelp", QStringLiteral("H&elp"), 288), &QPushButton::clicked, this,
          &TfrmMain::btHelpClick);
  QPushButton* btClose = addSmallButton("btClose", QStringLiteral("E&xit"), 418);
  btClose->setToolTip(QStringLiteral("Quit and close "));
  connect(btClose, &QPushButton::clicked, this, &TfrmMain::btCloseClick);

  QPalette grey = palette();
  grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
  auto* lblMaker = new ClickableLabel(maker::name(), this);
  lblMaker->setObjectName(QStringLiteral("lblMaker"));
  auto* lblWeb = new ClickableLabel(maker::webAddress(), this);
  lblWeb->setObjectName(QStringLiteral("lblWeb"));
  for (ClickableLabel* label : {lblMaker, lblWeb}) {
    label->setFont(serifFont(19));
    label->setPalette(grey);
    connect(label, &ClickableLabel::clicked, this, &TfrmMain::btReachClick);
  }
  lblMaker->setGeometry(10, kClientHeight - 28, 260, 26);
  lblWeb->setGeometry(kClientWidth - 270, kClientHeight - 28, 260, 26);
  lblWeb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  centreOnScreen(*this);
  FormCreate();
}

void TfrmMain::addToolButton(const ToolEntry& tool, int index) {
  const QPoint panelAt(kColumnX[index / kToolsPerColumn], kRowY[index % kToolsPerColumn]);

  auto* shadow = new GradientShadow(this);
  shadow->setGeometry(QRect(panelAt + kShadowOffset, kShadowSize));

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  panel->setGeometry(QRect(panelAt, kPanelSize));

  auto* button = new QPushButton(glyphIcon(tool.glyph), tool.caption, panel);
  button->setObjectName(tool.buttonName);
  button->setToolTip(tool.hint);
  button->setFont(sansFont(13));
  button->setIconSize(QSize(16, 16));
  const QSize margin = (kPanelSize - kToolButtonSize) / 2;
  button->setGeometry(QRect(QPoint(margin.width(), margin.height()), kToolButtonSize));
  connect(button, &QPushButton::clicked, this, [this, index] { toolButtonClick(setup_.tools[index]); });
}

QPushButton* TfrmMain::addSmallButton(const char* name, const QString& caption, int x) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(QRect(QPoint(x, kSmallButtonY), kSmallButtonSize));
  return button;
}

void TfrmMain::FormCreate() {
  setShortDateFormat(fix2000(shortDateFormat()));
  setHelpTopic(this, kContentsPage);
  // Made once, beside the main window, so it keeps its results between openings.
  statisticsWindow(this);
  dupCompareWindow(this);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window coming back from the task bar is not shown anew.
  if (!event->spontaneous()) FormShow();
}

void TfrmMain::FormShow() {
  setup_.safeHarbor.forgetLastChecked();
  colourFallback();
  getDefaultZipPath();
  setup_.safeHarbor.readSafeHarborExtensions();
  safeHarborMissing = setup_.safeHarbor.getSearchPath();
  applyHints();
}

void TfrmMain::colourFallback() {
  const bool lowColour = setup_.screenDepth(*this) < kLowColourDepth;
  EsTile1->setVisible(!lowColour);
  EsGradient1->setVisible(lowColour);
}

void TfrmMain::getDefaultZipPath() {
  appState().defaultZipPath = readArchiveFolder();
}

void TfrmMain::applyHints() {
  QPalette hints = QToolTip::palette();
  hints.setColor(QPalette::ToolTipBase, kHintColour);
  hints.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(hints);
  if (!dynamic_cast<HintPauseStyle*>(QApplication::style())) QApplication::setStyle(new HintPauseStyle);
}

bool TfrmMain::checkExceptionList() {
  if (!safeHarborMissing) return true;
  showError(QStringLiteral("The Safe Harbor list of folders/files not to delete has not been created yet.  "
                           "Click on the Build Safe Harbor button to initialize."));
  return false;
}

void TfrmMain::toolButtonClick(const ToolEntry& tool) {
  if (tool.checksSafeHarbor && !checkExceptionList()) return;
  if (tool.findDups) appState().findDups = *tool.findDups;
  if (tool.opener(this).safeHarborChanged) {
    safeHarborMissing = setup_.safeHarbor.getSearchPath();
    setup_.safeHarbor.readSafeHarborExtensions();
  }
}

void TfrmMain::btReachClick() {
  TfrmAbout about(this);
  about.exec();
}

void TfrmMain::btHelpClick() { showHelpPage(this, kContentsPage); }

void TfrmMain::btCloseClick() { close(); }

}  // namespace tessaly
