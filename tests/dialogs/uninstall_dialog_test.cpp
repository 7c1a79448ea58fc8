#include <gtest/gtest.h>

#include <QLabel>

#include "dialogs/uninstall_dialog.h"
#include "support/fake_ui.h"

namespace ornix {
namespace {

TEST(UninstallDialog, SitsAtTheEditorsTopRightAndPaintsItsRampAndLines) {
  test::FakeUi ui;
  QWidget editor;
  editor.setGeometry(100, 50, 800, 600);
  UninstallDialog help(&editor, ui, [] {});
  EXPECT_EQ(help.frameGeometry().topRight(), editor.frameGeometry().topRight());
  EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(
      help.findChild<QLabel*>("aboutLabel")->text().contains("\"Add/Remove Programs.\"\n\nHowever,\n\n     Ornix"));

  const QImage painted = help.grab().toImage();
  const std::vector<std::tuple<QPoint, QColor>> pixels = {
      {{100, 300}, Qt::black},           // left of 3000 twips
      {{333, 300}, QColor(0, 37, 62)},   // 2009 of the 8325 steps towards RGB(0,155,255)
      {{554, 300}, QColor(0, 99, 163)},  // the far end falls short of it
      {{300, 17}, QColor(255, 255, 0)},  // the yellow line at 260 twips
      {{17, 100}, Qt::white},            // the white line at 250 twips
      {{540, 200}, Qt::white},           // the right-hand upright at 8100 twips
  };
  for (const auto& [at, colour] : pixels) EXPECT_EQ(painted.pixelColor(at), colour) << at.x() << "," << at.y();
}

}  // namespace
}  // namespace ornix
