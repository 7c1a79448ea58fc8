#pragma once

#include <QDialog>
#include <functional>

namespace ornix {

class Ui;

// "Delete Ornix": tells the user how the program is removed, and offers to
// clear the map-file association, which every start writes again. Its button
// hands over to `clearAssociation`; after that the program ends, whatever the
// outcome.
class UninstallDialog final : public QDialog {
 public:
  UninstallDialog(QWidget* editorWindow, Ui& ui, std::function<void()> clearAssociation);

  // True once "Clear Ornix Registry Entries" was pressed: the program ends.
  bool endsProgram() const { return ending; }

  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* editor;
  Ui& ui;
  bool ending = false;
};

}  // namespace ornix
