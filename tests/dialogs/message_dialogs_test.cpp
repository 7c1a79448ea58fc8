#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "dialogs/gradient.h"
#include "dialogs/message_dialogs.h"
#include "support/fake_ui.h"

namespace ornix {
namespace {

TEST(GradientBands, ClimbFromTheBottomFourUnitsDarkerEachRoundingHalvesToEven) {
  const std::vector<GradientBand> bands = gradientBands(8280, 5445, QColor(187, 0, 255), false);
  ASSERT_EQ(bands.size(), 63u);
  EXPECT_EQ(bands[0], (GradientBand{5445 - 86, 86, 8280, QColor(187, 0, 255)}));
  EXPECT_EQ(bands[1], (GradientBand{5445 - 2 * 86, 86, 8280, QColor(183, 0, 251)}));
  EXPECT_EQ(bands[46].colour, QColor(3, 0, 71));
  EXPECT_EQ(bands[47].colour, QColor(0, 0, 67));  // below 1 becomes 0
  EXPECT_EQ(bands[62].colour, QColor(0, 0, 7));
  EXPECT_EQ(gradientBands(8280, 5445, Qt::red, true)[2].top, 2 * 86);
  // Halves round to even: 63 * 2.5 = 157.5: the band rounds to 2, the first top 157.5 - 2 = 155.5 to 156.
  EXPECT_EQ(gradientBands(100.5, 157.5, Qt::red, false)[0], (GradientBand{156, 2, 100, Qt::red}));
  // A window too short for a band still gets 63 bands, none of them visible.
  for (const GradientBand& band : gradientBands(100, 20, Qt::red, false)) EXPECT_EQ(band.height, 0);
}

TEST(MessageDialogs, PaintTheirGradientFromTheBottomEdge) {
  QuestionDialog dialog(nullptr);
  const QImage shown = dialog.grab().toImage();
  EXPECT_EQ(shown.pixelColor(3, shown.height() - 1), QColor(255, 0, 0));
  // 63 bands of 59 twips leave 18 twips (a pixel) unpainted at the top; the last band follows.
  EXPECT_EQ(shown.pixelColor(3, 3), QColor(7, 0, 0));
}

class QuestionTest : public testing::Test {
 protected:
  bool answer(test::FakeUi::DialogScript script) {
    ui.dialogScripts.push_back(std::move(script));
    return ask(ui, nullptr, "Title", "Situation", "Question?");
  }
  test::FakeUi ui;
};

TEST_F(QuestionTest, OnlyYesIsAYes) {
  EXPECT_TRUE(answer([](QDialog& d) { test::clickButton(d, "yesButton"); }));
  EXPECT_FALSE(answer([](QDialog& d) { test::clickButton(d, "noButton"); }));
  EXPECT_FALSE(answer([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }));
  EXPECT_FALSE(answer([](QDialog& d) { d.close(); }));
  EXPECT_TRUE(answer([](QDialog& d) {
    EXPECT_TRUE(d.findChild<QPushButton*>("yesButton")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }));
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>(5, "Title"));
}

TEST(ShowMessage, TitlesItselfWeHaveAProblemUnlessGivenATitleAndBreaksLines) {
  test::FakeUi ui;
  ui.dialogScripts = {[](QDialog& d) {
                        EXPECT_EQ(d.findChild<QLabel*>("titleLabel")->text(), "We have a problem...");
                        EXPECT_EQ(d.findChild<QLabel*>("bodyLabel")->text(), "one\ntwo");
                        QTest::keyClick(&d, Qt::Key_Return);
                      },
                      [](QDialog& d) {
                        EXPECT_TRUE(d.findChild<QPushButton*>("okButton")->hasFocus());
                        test::clickButton(d, "okButton");
                      }};
  showMessage(ui, nullptr, std::nullopt, "one\r\ntwo", "advice");
  showNote(ui, nullptr, "Cannot Map Selection", "one line");
  EXPECT_EQ(ui.dialogsShown, (std::vector<std::string>{"We have a problem...", "Cannot Map Selection"}));
}

}  // namespace
}  // namespace ornix
