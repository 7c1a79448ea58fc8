#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>

#include "dialogs/area_attributes_dialog.h"
#include "dialogs/help_window.h"
#include "platform/twips.h"

namespace ornix {
namespace {

TEST(HelpRows, TheFirstRowThatHoldsThePointWins) {
  const auto textAt = [](const HelpList& list, int x, int y) {
    return std::string(helpRowAt(list, {x * twipsPerPixel, y * twipsPerPixel}, twipsPerPixel, twipsPerPixel).text);
  };
  const HelpList& right = rightButtonList();
  const std::string row1 = right.rows[0].text;
  const std::string row2 = right.rows[1].text;
  const std::vector<std::tuple<int, int, std::string>> cases = {
      {83, 1, row1},
      {128, 22, row1},  // rows 1 and 2 overlap here: row 1 is tried first
      {129, 22, row2},
      {83, 23, row2},
      {33, 20, row2},
      {145, 30, right.none.text},
      {10, 10, right.none.text},
      {86, 117, right.rows[5].text},
  };
  for (const auto& [x, y, text] : cases) EXPECT_EQ(textAt(right, x, y), text) << x << "," << y;
  EXPECT_EQ(helpRowAt(right, {0, 0}, 15, 15).heightTwips, 800);
  EXPECT_EQ(helpRowAt(leftButtonList(), {100 * 15, 110 * 15}, 15, 15).illustration, HelpIllustration::deleteButton);
}

class HelpWindowTest : public testing::Test {
 protected:
  void moveOver(const char* name, QPoint at) {
    QWidget* target = name == nullptr ? &help : help.findChild<QWidget*>(name);
    ASSERT_NE(target, nullptr) << name;
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
  }
  std::string text(const char* box) const { return help.findChild<QPlainTextEdit*>(box)->toPlainText().toStdString(); }
  int textHeight(const char* box) const { return help.findChild<QPlainTextEdit*>(box)->height(); }
  bool shown(const char* name) const { return help.findChild<QWidget*>(name)->isVisibleTo(&help); }

  HelpWindow help{nullptr};
  const QColor plain{153, 153, 255};
  const QColor yellow{255, 255, 0};
};

TEST_F(HelpWindowTest, ListRowsShowTheirTextAndTheHeaderButNotTheFrames) {
  EXPECT_EQ(text("rightText"), "Choices available when you click on the right-mouse button.\n");
  moveOver("rightList", {100, 21});
  EXPECT_EQ(text("rightText"), rightButtonList().rows[0].text);
  EXPECT_EQ(textHeight("rightText"), pixels(1200));
  EXPECT_EQ(help.bannerShown(), "banner_right");
  EXPECT_EQ(help.topFrameColour(), plain);
  moveOver("rightList", {5, 5});
  EXPECT_EQ(text("rightText"), "Choices available when you click on the right mouse button.");
  EXPECT_EQ(textHeight("rightText"), pixels(800));

  const std::vector<std::tuple<QPoint, const char*>> bottomRows = {
      {{90, 10}, "hrefPicture"}, {{90, 30}, "targetPicture"}, {{40, 60}, "buttonPicture"}, {{5, 5}, nullptr}};
  for (const auto& [at, illustration] : bottomRows) {
    moveOver("leftList", at);
    for (const char* name : {"hrefPicture", "targetPicture", "buttonPicture"}) {
      EXPECT_EQ(shown(name), illustration != nullptr && std::string(name) == illustration) << name;
    }
  }
  moveOver("leftList", {40, 60});
  EXPECT_EQ(help.findChild<QLabel*>("buttonPicture")->pixmap().toImage(),
            AreaAttributesDialog::upPicture("enter").toImage());
  EXPECT_EQ(help.bannerShown(), "banner_left");

  // The keys added since the two menus: each row of their list says what its command does.
  const std::vector<std::tuple<QPoint, std::string>> keyRows = {
      {{40, 10}, "Undoes the last change"},  {{150, 25}, "Does again what Undo took back"},
      {{40, 45}, "from 25% to 800%"},        {{40, 60}, "at its own size, 100%"},
      {{40, 80}, "Hold Ctrl and drag"},      {{40, 95}, "by one pixel; with Shift, by ten"},
      {{40, 110}, "Space or a click shows"}, {{5, 5}, "Keys for editing the map"}};
  for (const auto& [at, words] : keyRows) {
    moveOver("keysList", at);
    EXPECT_NE(text("keysText").find(words), std::string::npos) << words;
  }
  EXPECT_EQ(help.bannerShown(), "banner_keys");
}

TEST_F(HelpWindowTest, OnlyThePanelUnderTheMouseIsFramedInYellow) {
  const std::vector<std::tuple<const char*, QColor, QColor, QColor, const char*>> cases = {
      {"rightPanel", yellow, plain, plain, "banner_right"},
      {"leftPanel", plain, yellow, plain, "banner_left"},
      {"keysPanel", plain, plain, yellow, "banner_keys"},
      {nullptr, plain, plain, plain, "banner_none"},
  };
  for (const auto& [over, top, bottom, keys, header] : cases) {
    moveOver(over, {2, 2});
    EXPECT_EQ(help.topFrameColour(), top);
    EXPECT_EQ(help.bottomFrameColour(), bottom);
    EXPECT_EQ(help.keysFrameColour(), keys);
    EXPECT_EQ(help.bannerShown(), header);
  }
}

TEST_F(HelpWindowTest, EscCloses) {
  help.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace ornix
