#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/scripted_dialogs.h"
#include "ui/main/about_window.h"

namespace tessaly {
namespace {

const QString kBrowserFailureText =
    QStringLiteral("Unable to start web browser. Make sure you have it properly set-up on your system.");

struct WebPageCase {
  const char* widget;  // what the user clicks
  bool browserStarts;
};

TEST(AboutWindowTest, TheWebPageButtonAndAddressOpenTheMakersPageAndReportABrowserThatWillNotStart) {
  for (const WebPageCase c : {WebPageCase{"btWebPage", true}, WebPageCase{"btWebPage", false},
                              WebPageCase{"lblWeb", true}, WebPageCase{"lblWeb", false}}) {
    testkit::ScriptedDialogs dialogs;
    QList<QUrl> requested;
    TfrmAbout about(nullptr, [&](const QUrl& url) {
      requested.append(url);
      return c.browserStarts;
    });
    QTest::mouseClick(about.findChild<QWidget*>(c.widget), Qt::LeftButton);
    EXPECT_EQ(requested, QList<QUrl>{QUrl("http://www.quornel.example/")}) << c.widget;
    EXPECT_EQ(dialogs.texts(MessageStyle::Error),
              c.browserStarts ? QStringList() : QStringList{kBrowserFailureText})
        << c.widget;
  }
}

TEST(AboutWindowTest, ShowsTheProductAndVersionWithOkAsTheDefaultButton) {
  TfrmAbout about(nullptr, [](const QUrl&) { return true; });
  EXPECT_EQ(about.windowTitle(), QStringLiteral("How to contact us"));
  QStringList texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) texts.append(label->text());
  EXPECT_TRUE(texts.contains("Tessaly 99"));
  EXPECT_TRUE(texts.contains("Version 3.1"));
  EXPECT_TRUE(texts.contains("Quornel Corporation"));
  auto* ok = about.findChild<QPushButton*>("btOK");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(about.findChild<QPushButton*>("btWebPage")->toolTip(),
            QStringLiteral("Launch your browser to Quornel Home Page"));

  about.show();
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(about.result(), QDialog::Accepted);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace tessaly
