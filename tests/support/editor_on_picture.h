#pragma once

#include <gtest/gtest.h>

#include <QToolButton>
#include <initializer_list>
#include <vector>

#include "editor/editor_window.h"
#include "support/fake_ui.h"
#include "support/picture_mouse.h"

namespace ornix::test {

// Three areas of every shape, two with links, one with an ALT text.
inline const Area door{Shape::rectangle, {{20, 20}, {60, 50}}, 0, {"a.html", "", "Door", {}}};
inline const Area tower{Shape::circle, {{150, 100}}, 20, {"b.html", "_top", "", {}}};
inline const Area roof{Shape::polygon, {{200, 20}, {280, 30}, {240, 90}}, 0, {}};

// The real editor window, shown over a 300 x 200 picture whose every pixel
// differs, driven by the mouse, the tool buttons and the keys.
class EditorOnPicture : public testing::Test {
 protected:
  void SetUp() override {
    window.document().showPicture({"/pictures/picture.bmp", 300, 200}, patternedPicture(300, 200));
    window.show();
  }
  void useTool(const char* button) { window.findChild<QToolButton*>(button)->click(); }
  void clickAll(std::initializer_list<QPointF> points) {
    for (const QPointF point : points) mouse.click(point);
  }
  void readAreas(const std::vector<Area>& read) {
    for (const Area& area : read) window.document().addReadArea(area);
  }
  const std::vector<Area>& areas() const { return window.map().areas; }

  FakeUi ui;
  EditorWindow window{ui};
  PictureMouse mouse{window};
};

}  // namespace ornix::test
