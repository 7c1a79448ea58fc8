#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "platform/file_association.h"
#include "platform/settings_store.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "system/c_registry.h"
#include "system/frm_delete.h"

namespace ornix {
namespace {

TEST(FrmDeletePainter, BlackThenABlueRisingTowardsSkyBlue) {
  const std::vector<std::tuple<int, QColor>> cases = {
      {0, Qt::black}, {2999, Qt::black}, {3000, Qt::black},
      {5000, QColor(0, 37, 61)},    // 2000 steps of 155/8325 and 255/8325
      {8325, QColor(0, 99, 163)},   // short of RGB(0,155,255): the steps count the whole width
  };
  for (const auto& [x, colour] : cases) EXPECT_EQ(frmDelete::rampColour(x, 8325), colour) << x;
}

TEST(FrmDelete, ShowsItsTextAndPaintsItsLinesBesideTheEditor) {
  test::TempDir dir;
  test::XdgHomes homes{dir};
  test::FakeUi ui;
  IniSettingsStore store;
  FreedesktopAssociation association;
  cRegistry registry{store, association, ui, "Quillmere", "Ornix"};
  QWidget editor;
  editor.setGeometry(100, 50, 800, 600);
  frmDelete help(&editor, ui, registry);
  EXPECT_EQ(help.frameGeometry().right(), editor.frameGeometry().right());
  EXPECT_EQ(help.frameGeometry().top(), editor.frameGeometry().top());
  EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  const QString about = help.findChild<QLabel*>("lblAbout")->text();
  EXPECT_TRUE(about.startsWith("  Ornix should be uninstalled via the control panel (to properly decrement shared DLL counts)...\n\nOrnix"));
  EXPECT_TRUE(about.contains("under \"Add/Remove Programs.\"\n\nHowever,\n\n     Ornix rechecks"));
  EXPECT_TRUE(about.endsWith("ensure deletetion of the current registry entries."));

  const QImage painted = help.grab().toImage();
  const std::vector<std::tuple<QPoint, QColor>> pixels = {
      {{100, 300}, Qt::black},               // left of 3000 twips
      {{300, 17}, QColor(255, 255, 0)},      // the yellow line at 260 twips
      {{17, 100}, Qt::white},                // the white line at 250 twips
      {{540, 200}, Qt::white},               // the right-hand upright at 8100 twips
      {{554, 300}, QColor(0, 99, 163)},      // the ramp's far end
  };
  for (const auto& [at, colour] : pixels) EXPECT_EQ(painted.pixelColor(at), colour) << at.x() << "," << at.y();
}

}  // namespace
}  // namespace ornix
