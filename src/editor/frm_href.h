#pragma once

#include <QDialog>
#include <string>

#include "attribute_exchange.h"

class QLineEdit;

namespace ornix {

class PictureButton;

// "Add a URL and/or TARGET, or DELETE area.": the HREF, Target and ALT of one
// area. It reads the exchange's three inputs when shown and leaves the outcome
// in it: Enter, Cancel, Delete; closing it any other way is Cancel.
class frmHREF final : public QDialog {
 public:
  frmHREF(AttributeExchange& exchange, QWidget* editorWindow);

  // The up pictures, which the help window shows to explain the buttons.
  static QPixmap upPicture(const char* button);

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* addTextBox(const char* name, const char* spokenName, QRect twips);
  PictureButton* addPictureButton(const char* name, const char* picture, QRect twips, const char* tip);
  void load();
  void place();
  void picEnter_Click();
  void picCancel_Click();
  void picDelete_Click();

  AttributeExchange& exchange;
  QWidget* editorWindow;
  QLineEdit* txtHREF;
  QLineEdit* txtTarget;
  QLineEdit* txtAlt;
  std::string shownHref;
  std::string shownTarget;
  std::string shownAlt;
  bool answered = false;
};

}  // namespace ornix
