#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>
#include <memory>

#include "dialogs/after_save_dialog.h"
#include "dialogs/area_attributes_dialog.h"
#include "dialogs/help_window.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/uninstall_dialog.h"
#include "editor/area_list_window.h"
#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "support/fake_ui.h"

namespace ornix {
namespace {

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
      [&] { return std::make_unique<HelpWindow>(&editor); },
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
