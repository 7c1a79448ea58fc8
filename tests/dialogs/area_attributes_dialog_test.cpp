#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "dialogs/area_attributes_dialog.h"
#include "dialogs/picture_button.h"
#include "model/attribute_entry.h"
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
  static QLineEdit* box(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

  QWidget editor;
  Attributes typed;
};

TEST_F(AreaAttributesDialogTest, ShowsTheValuesOrHashAndThePlaceholders) {
  answer({"", "", "", {}}, [](QDialog& dialog) {
    EXPECT_EQ(box(dialog, "hrefEdit")->text(), "#");
    EXPECT_EQ(box(dialog, "targetEdit")->text().toStdString(), targetPlaceholder);
    EXPECT_EQ(box(dialog, "altEdit")->text().toStdString(), altPlaceholder);
    EXPECT_EQ(box(dialog, "hrefEdit")->selectedText(), "#");
    test::clickButton(dialog, "cancelButton");
  });
  answer({"#", "_top", "", "page.html"}, [](QDialog& dialog) {
    EXPECT_EQ(box(dialog, "hrefEdit")->text(), "page.html");  // the link "#" was typed over
    EXPECT_EQ(box(dialog, "targetEdit")->text(), "_top");
    test::clickButton(dialog, "cancelButton");
  });
}

// A value whose bytes are not valid in the system's code page comes back unchanged.
TEST_F(AreaAttributesDialogTest, AValueAcceptedUnchangedKeepsItsBytes) {
  const Attributes latin1{"caf\xE9.html", "", "Stra\337e", {}};
  EXPECT_EQ(answer(latin1, [](QDialog& dialog) { test::clickButton(dialog, "enterButton"); }), AttributesChoice::enter);
  EXPECT_EQ(typed.href, latin1.href);
  EXPECT_EQ(typed.alt, latin1.alt);
}

TEST_F(AreaAttributesDialogTest, EachWayOutGivesItsChoiceAndEscDoesNothing) {
  const std::vector<std::pair<test::FakeUi::DialogScript, AttributesChoice>> cases = {
      {[](QDialog& d) { test::clickButton(d, "deleteButton"); }, AttributesChoice::remove},
      {[](QDialog& d) { test::clickButton(d, "cancelButton"); }, AttributesChoice::cancel},
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
  };
  for (const auto& [script, choice] : cases) EXPECT_EQ(answer({}, script), choice);
}

TEST_F(AreaAttributesDialogTest, SitsBelowTheEditorOrAboveTheScreenBottom) {
  const QRect screen = editor.screen()->geometry();
  answer({}, [&](QDialog& dialog) {
    EXPECT_EQ(dialog.pos(), QPoint(0, editor.frameGeometry().bottom() + 1));
    test::clickButton(dialog, "cancelButton");
  });
  editor.move(screen.width() - 100, screen.height() - 250);
  answer({}, [&](QDialog& dialog) {
    EXPECT_EQ(dialog.pos(), QPoint(screen.width() - dialog.frameGeometry().width(), screen.height() - 125));
    test::clickButton(dialog, "cancelButton");
  });
}

TEST(AttributesDialogPlace, SitsBelowTheEditorOnItsOwnScreen) {
  struct Case {
    const char* name;
    QRect editor;
    QRect screen;
    QPoint expected;
  };
  const QRect first(0, 0, 1024, 768);
  const QRect second(1024, 0, 1280, 800);
  const std::vector<Case> cases = {
      {"below the editor", {10, 20, 400, 300}, first, {10, 320}},
      {"near the bottom: 1875 twips above it", {10, 500, 400, 200}, first, {10, 768 - 125}},
      {"past the right edge: against it", {900, 20, 400, 300}, first, {1024 - 508, 320}},
      {"below the editor on a second screen", {1034, 20, 400, 300}, second, {1034, 320}},
      {"near a second screen's bottom", {1034, 600, 400, 150}, second, {1034, 800 - 125}},
      {"past a second screen's right edge", {2200, 20, 400, 300}, second, {1024 + 1280 - 508, 320}},
  };
  for (const Case& c : cases) EXPECT_EQ(attributesDialogPlace(c.editor, c.screen, 508), c.expected) << c.name;
}

}  // namespace
}  // namespace ornix
