#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QWidget>

#include "ui/main/tool_windows.h"

namespace tessaly {
namespace {

// Notes the cursor the user sees while the window is being made.
class CursorWitness final : public QDialog {
 public:
  explicit CursorWitness(QWidget* owner) : QDialog(owner) {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    shapeWhileMade = cursor ? cursor->shape() : Qt::ArrowCursor;
  }
  Qt::CursorShape shapeWhileMade;
};

TEST(ToolWindowsTest, TheHourglassShowsWhileAToolWindowIsMadeAndIsGoneBeforeItShows) {
  QWidget owner;
  const auto built = makeToolWindow<CursorWitness>(&owner, true);
  EXPECT_EQ(built->shapeWhileMade, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(built->parentWidget(), &owner);

  const auto plain = makeToolWindow<CursorWitness>(&owner);
  EXPECT_EQ(plain->shapeWhileMade, Qt::ArrowCursor);
}

}  // namespace
}  // namespace tessaly
