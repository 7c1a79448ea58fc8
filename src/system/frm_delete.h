#pragma once

#include <QDialog>

class QLabel;

namespace ornix {

class Ui;
class cRegistry;

// "Delete Ornix": tells the user how the program is removed, and offers to
// clear the map-file association, which every start writes again. Clearing
// ends the program, whatever the answer to its last question.
class frmDelete final : public QDialog {
 public:
  frmDelete(QWidget* editorWindow, Ui& ui, cRegistry& registry);

  // True once "Clear Ornix Registry Entries" was pressed: the program ends.
  bool endsProgram() const { return ending; }

  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void cmdClearReg_Click();

  QWidget* editor;
  Ui& ui;
  cRegistry& registry;
  bool ending = false;
};

}  // namespace ornix
