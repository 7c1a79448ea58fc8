#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "dialogs/picture_button.h"
#include "editor/frm_href.h"
#include "support/fake_ui.h"

namespace ornix {
namespace {

const std::string targetHint = "Enter a TARGET here, if you would like...";
const std::string altHint = "Also enter ALT text, if you would like...";

TEST(AcceptAttributes, BuildsTheAttributeTextAndTheStoredValues) {
  struct Case {
    const char* name;
    std::string oldHref, href, target, alt;
    std::string hrefResult, curHREF, curTarget, curAlt;
  };
  const std::vector<Case> cases = {
      {"new area left untouched", "#", "#", targetHint, altHint, "#", "#", "", ""},
      {"all three given", "#", "a.html", "_top", "Home",
       R"(a.html" Target="_top" ALT="Home)", "a.html", "_top", "Home"},
      {"emptied HREF is a cancel", "old.html", "", "", "", "", "", "", ""},
      {"emptied HREF with a Target", "old.html", "", "main", "", R"(" Target="main)", "", "main", ""},
      {"placeholder in another case counts", "#", "#", "Enter a TARGET here, If you would like...", "",
       R"(#" Target="Enter a TARGET here, If you would like...)", "#",
       "Enter a TARGET here, If you would like...", ""},
      {"placeholder ending anywhere is empty", "#", "x.htm", "frame if you would like... ok", "", "x.htm",
       "x.htm", "", ""},
      {"# over another HREF keeps the old one", "page.html", "#", "", "", "#", "page.html", "", ""},
      {"quotes and > are made safe", "#", R"(a"b>c.html)", R"(t"1)", "x > y",
       R"(a&quot;b&gt;c.html" Target="t&quot;1" ALT="x &gt; y)", "a&quot;b&gt;c.html", "t&quot;1", "x &gt; y"},
      {"other characters stay as typed", "#", "q.html?a=1&b='2'", "", " <b> ",
       R"(q.html?a=1&b='2'" ALT=" <b&gt; )", "q.html?a=1&b='2'", "", " <b&gt; "},
  };
  for (const Case& c : cases) {
    AttributeExchange exchange{c.oldHref, "old target", "old alt", "stale"};
    acceptAttributes(exchange, c.href, c.target, c.alt);
    EXPECT_EQ(exchange.hrefResult, c.hrefResult) << c.name;
    EXPECT_EQ(exchange.curHREF, c.curHREF) << c.name;
    EXPECT_EQ(exchange.curTarget, c.curTarget) << c.name;
    EXPECT_EQ(exchange.curAlt, c.curAlt) << c.name;
  }
}

class FrmHrefTest : public testing::Test {
 protected:
  void SetUp() override {
    editor.resize(400, 200);
    editor.move(0, 0);
    editor.show();
  }
  // Shows the dialog through the fake Ui and answers it with `script`.
  void answer(test::FakeUi::DialogScript script) {
    test::FakeUi ui;
    ui.dialogScripts.push_back(std::move(script));
    frmHREF dialog(exchange, &editor);
    ui.showModal(dialog);
  }
  static QLineEdit* box(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

  QWidget editor;
  AttributeExchange exchange;
};

TEST_F(FrmHrefTest, ShowsTheStoredValuesOrTheDefaults) {
  answer([](QDialog& dialog) {
    EXPECT_EQ(box(dialog, "txtHREF")->text(), "#");
    EXPECT_EQ(box(dialog, "txtTarget")->text().toStdString(), targetHint);
    EXPECT_EQ(box(dialog, "txtAlt")->text().toStdString(), altHint);
    EXPECT_EQ(box(dialog, "txtHREF")->selectedText(), "#");
    test::clickButton(dialog, "picCancel");
  });
  EXPECT_EQ(exchange.hrefResult, "");
}

// A value whose bytes are not valid in the system's code page comes back unchanged.
TEST_F(FrmHrefTest, AValueAcceptedUnchangedKeepsItsBytes) {
  exchange.curHREF = "caf\xE9.html";
  exchange.curAlt = "Stra\xDF" "e";
  answer([](QDialog& dialog) { test::clickButton(dialog, "picEnter"); });
  EXPECT_EQ(exchange.curHREF, "caf\xE9.html");
  EXPECT_EQ(exchange.curAlt, "Stra\xDF" "e");
}

TEST_F(FrmHrefTest, DeleteCancelAndTheCloseBoxAnswerAsTheySay) {
  const std::vector<std::pair<std::function<void(QDialog&)>, std::string>> cases = {
      {[](QDialog& d) { test::clickButton(d, "picDelete"); }, "z_DELETE_z"},
      {[](QDialog& d) { test::clickButton(d, "picCancel"); }, ""},
      {[](QDialog& d) { d.close(); }, ""},
  };
  for (const auto& [script, result] : cases) {
    exchange.hrefResult = "left from before";
    answer(script);
    EXPECT_EQ(exchange.hrefResult, result);
  }
}

TEST_F(FrmHrefTest, EscDoesNothingAndEnterClicksTheFocusedButton) {
  answer([](QDialog& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    auto* remove = dialog.findChild<PictureButton*>("picDelete");
    remove->setFocus();
    ASSERT_TRUE(remove->showingDown());
    QTest::keyClick(remove, Qt::Key_Space);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(remove, Qt::Key_Return);
  });
  EXPECT_EQ(exchange.hrefResult, "z_DELETE_z");
}

TEST_F(FrmHrefTest, SitsBelowTheEditorOrAboveTheScreenBottom) {
  const QRect screen = editor.screen()->geometry();
  answer([&](QDialog& dialog) {
    EXPECT_EQ(dialog.pos(), QPoint(0, editor.frameGeometry().bottom() + 1));
    test::clickButton(dialog, "picCancel");
  });
  editor.move(screen.width() - 100, screen.height() - 250);
  answer([&](QDialog& dialog) {
    EXPECT_EQ(dialog.pos(), QPoint(screen.width() - dialog.frameGeometry().width(), screen.height() - 125));
    test::clickButton(dialog, "picCancel");
  });
}

}  // namespace
}  // namespace ornix
