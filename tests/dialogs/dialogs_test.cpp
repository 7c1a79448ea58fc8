// The program's own dialogs, each shown through the scripted Ui and answered
// as a user would, by its buttons and keys.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "dialogs/after_save_dialog.h"
#include "dialogs/area_attributes_dialog.h"
#include "dialogs/gradient.h"
#include "dialogs/help_window.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/picture_button.h"
#include "dialogs/uninstall_dialog.h"
#include "editor/area_list_window.h"
#include "editor/commands.h"
#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "model/attribute_entry.h"
#include "platform/twips.h"
#include "support/fake_ui.h"

namespace ornix {
namespace {

class AreaAttributesDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    editor.resize(400, 200);
    editor.move(0, 0);
    editor.show();
  }
  // Shows the dialog for `shown` through the fake Ui, answers it with `script`, and says how it was left.
  AttributesChoice answer(const Attributes& shown, test::FakeUi::DialogScript script) {
    test::FakeUi ui;
    ui.dialogScripts.push_back(std::move(script));
    AreaAttributesDialog dialog(shown, &editor);
    ui.showModal(dialog);
    typed = {dialog.typedHref(), dialog.typedTarget(), dialog.typedAlt(), {}};
    return dialog.choice();
  }
  static QString text(QDialog& dialog, const char* box) { return dialog.findChild<QLineEdit*>(box)->text(); }

  QWidget editor;
  Attributes typed;
};

TEST_F(AreaAttributesDialogTest, EachWayOutGivesItsChoiceAndEscDoesNothing) {
  const std::vector<std::pair<test::FakeUi::DialogScript, AttributesChoice>> cases = {
      {[](QDialog& d) { test::clickButton(d, "deleteButton"); }, AttributesChoice::remove},
      {[](QDialog& d) { d.close(); }, AttributesChoice::cancel},
      {[](QDialog& d) {
         QTest::keyClick(&d, Qt::Key_Escape);
         EXPECT_TRUE(d.isVisible());
         auto* remove = d.findChild<PictureButton*>("deleteButton");
         remove->setFocus();
         ASSERT_TRUE(remove->showingDown());
         QTest::keyClick(remove, Qt::Key_Space);  // only Enter clicks the focused button
         EXPECT_TRUE(d.isVisible());
         QTest::keyClick(remove, Qt::Key_Return);
       },
       AttributesChoice::remove},
      {[](QDialog& d) { test::clickButton(d, "enterButton"); }, AttributesChoice::enter},
  };
  // Values accepted unchanged keep their bytes, even those not valid in the system's code page.
  const Attributes latin1{"caf\xE9.html", "", "Stra\337e", {}};
  for (const auto& [script, choice] : cases) EXPECT_EQ(answer(latin1, script), choice);
  EXPECT_EQ(std::pair(typed.href, typed.alt), std::pair(latin1.href, latin1.alt));
}

// Below the editor, on the editor's own screen: 1875 twips above its bottom
// when there is too little room, and never past its right edge.
TEST_F(AreaAttributesDialogTest, SitsBelowTheEditorOnItsOwnScreen) {
  answer({}, [&](QDialog& dialog) {
    EXPECT_EQ(dialog.pos(), QPoint(0, editor.frameGeometry().bottom() + 1));
    test::clickButton(dialog, "cancelButton");
  });
  const QRect first(0, 0, 1024, 768);
  const QRect second(1024, 0, 1280, 800);
  const std::vector<std::tuple<QRect, QRect, QPoint>> cases = {
      {{10, 500, 400, 200}, first, {10, 768 - 125}},
      {{900, 20, 400, 300}, first, {1024 - 508, 320}},
      {{1034, 600, 400, 150}, second, {1034, 800 - 125}},
      {{2200, 20, 400, 300}, second, {1024 + 1280 - 508, 320}},
  };
  for (const auto& [frame, screen, place] : cases) EXPECT_EQ(attributesDialogPlace(frame, screen, 508), place);
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

  HelpWindow help{nullptr, EditorCommands::keysPanel()};
  const QColor plain{153, 153, 255};
  const QColor yellow{255, 255, 0};
};

// Where two rows overlap, the first holds the point.
TEST_F(HelpWindowTest, ListRowsShowTheirTextAndTheHeaderButNotTheFrames) {
  EXPECT_EQ(text("rightText"), "Choices available when you click on the right-mouse button.\n");
  const std::vector<std::tuple<QPoint, std::size_t>> rightRows = {{{86, 117}, 5}, {{129, 22}, 1}, {{128, 22}, 0}};
  for (const auto& [at, row] : rightRows) {
    moveOver("rightList", at);
    EXPECT_EQ(text("rightText"), rightButtonList().rows[row].text) << row;
  }
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

  // The keys added since the two menus: each row of their list, across its
  // width, says what its command does; beside the rows, what the keys are for.
  const std::vector<KeysPanelLine>& keyRows = EditorCommands::keysPanelTable();
  for (std::size_t row = 0; row < keyRows.size(); ++row) {
    moveOver("keysList", {row % 2 == 0 ? 40 : 150, static_cast<int>(row) * keysRowHeight + 5});
    EXPECT_EQ(text("keysText"), keyRows[row].text) << keyRows[row].label;
  }
  moveOver("keysList", {5, 5});
  EXPECT_EQ(text("keysText"), "Keys for editing the map and for the view of the picture.");
}

TEST_F(HelpWindowTest, OnlyThePanelUnderTheMouseIsFramedInYellowAndEscCloses) {
  const std::vector<std::tuple<const char*, QColor, QColor, QColor, const char*>> cases = {
      {"rightPanel", yellow, plain, plain, "banner_right"},
      {"leftPanel", plain, yellow, plain, "banner_left"},
      {"keysPanel", plain, plain, yellow, "banner_keys"},
      {nullptr, plain, plain, plain, "banner_none"},
  };
  for (const auto& [over, top, bottom, keys, header] : cases) {
    moveOver(over, {2, 2});
    EXPECT_EQ(std::tuple(help.topFrameColour(), help.bottomFrameColour(), help.keysFrameColour()),
              std::tuple(top, bottom, keys));
    EXPECT_EQ(help.bannerShown(), header);
  }
  help.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
}

TEST(GradientBands, ClimbFromTheBottomFourUnitsDarkerEachRoundingHalvesToEven) {
  const std::vector<GradientBand> bands = gradientBands(8280, 5445, QColor(187, 0, 255), false);
  ASSERT_EQ(bands.size(), 63u);
  EXPECT_EQ(bands[0], (GradientBand{5445 - 86, 86, 8280, QColor(187, 0, 255)}));
  EXPECT_EQ(bands[1], (GradientBand{5445 - 2 * 86, 86, 8280, QColor(183, 0, 251)}));
  EXPECT_EQ(bands[47].colour, QColor(0, 0, 67));  // below 1 becomes 0
  EXPECT_EQ(gradientBands(8280, 5445, Qt::red, true)[2].top, 2 * 86);
  // Halves round to even: 63 * 2.5 = 157.5: the band rounds to 2, the first top 157.5 - 2 = 155.5 to 156.
  EXPECT_EQ(gradientBands(100.5, 157.5, Qt::red, false)[0], (GradientBand{156, 2, 100, Qt::red}));
  // A window too short for a band still gets 63 bands, none of them visible.
  for (const GradientBand& band : gradientBands(100, 20, Qt::red, false)) EXPECT_EQ(band.height, 0);
}

// The name assistive technology reads for a widget.
QString spokenName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
}

// The parts of a window a user acts on or reads from: buttons, text boxes,
// scroll bars, the picture and the drop area; not the inner parts of a text box.
bool isControl(QWidget* widget) {
  for (QWidget* outer = widget->parentWidget(); outer != nullptr; outer = outer->parentWidget()) {
    if (qobject_cast<QAbstractScrollArea*>(outer)) return false;
  }
  return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
         qobject_cast<QScrollBar*>(widget) || qobject_cast<QAbstractScrollArea*>(widget) ||
         qobject_cast<PictureCanvas*>(widget) || qobject_cast<DropArea*>(widget);
}

// Every window, and every control in it, has a name.
TEST(Accessibility, EveryWindowAndControlHasAName) {
  test::FakeUi ui;
  EditorWindow editor(ui);
  const std::vector<std::function<std::unique_ptr<QWidget>()>> windows = {
      [&] { return std::make_unique<AreaAttributesDialog>(Attributes{}, &editor); },
      [&] { return std::make_unique<HelpWindow>(&editor, EditorCommands::keysPanel()); },
      [&] { return std::make_unique<AfterSaveDialog>(&editor); },
      [&] { return std::make_unique<UninstallDialog>(&editor, ui, [] {}); },
      [&] { return std::make_unique<MessageDialog>(&editor); },
      [&] { return std::make_unique<NoteDialog>(&editor); },
      [&] { return std::make_unique<QuestionDialog>(&editor); },
  };
  std::vector<std::unique_ptr<QWidget>> owned;
  for (const auto& make : windows) owned.push_back(make());
  std::vector<QWidget*> shown = {&editor, &editor.areaList()};  // the editor, which the others belong to
  for (const std::unique_ptr<QWidget>& window : owned) shown.push_back(window.get());
  for (QWidget* window : shown) {
    EXPECT_FALSE(spokenName(window).isEmpty()) << window->metaObject()->className();
    for (QWidget* child : window->findChildren<QWidget*>()) {
      if (!isControl(child)) continue;
      EXPECT_FALSE(spokenName(child).isEmpty())
          << window->objectName().toStdString() << " " << child->metaObject()->className() << " "
          << child->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace ornix
