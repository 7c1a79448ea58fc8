#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QTreeWidget;

namespace ornix {

// One map a page offers, as the chooser lists it.
struct MapChoice {
  QString name;
  QString picture;  // the picture that uses it, or "" when none does
  int areas = 0;
  int line = 0;
};

// "Choose a Map": the maps of a page, one row each (map name, picture file,
// number of areas, line in the page), the first selected. The arrow keys and
// Return or a double-click choose; Esc and Cancel choose nothing.
class MapChooserDialog final : public QDialog {
 public:
  MapChooserDialog(const std::vector<MapChoice>& choices, QWidget* owner);

  // The row chosen, from 0; nothing when the dialog was cancelled.
  std::optional<int> chosen() const { return choice; }

 private:
  void choose();

  QTreeWidget* list;
  std::optional<int> choice;
};

}  // namespace ornix
