#pragma once

#include <QDialog>
#include <string>

#include "model/area.h"
#include "model/attribute_entry.h"

class QLineEdit;

namespace ornix {

class PictureButton;

// How the attributes dialog was left.
enum class AttributesChoice { enter, cancel, remove };

// "Add a URL and/or TARGET, or DELETE area.": the HREF, Target and ALT of one
// area, shown as "#" and the two placeholders where they are empty. It is left
// with Enter, Cancel or Delete; closing it any other way is Cancel. The caller
// reads the choice and the texts as typed, and applies them.
class AreaAttributesDialog final : public QDialog {
 public:
  // `charset` is the code page of the area's texts ("" for the system's).
  AreaAttributesDialog(const Attributes& shown, QWidget* editorWindow, std::string_view charset = {});

  AttributesChoice choice() const { return chosen; }
  // The values as they go into the tag: a value shown and left as it was keeps
  // its bytes; a typed one is made safe.
  std::string typedHref() const;
  std::string typedTarget() const;
  std::string typedAlt() const;

  // The up pictures of the three buttons, which the help window shows too.
  static QPixmap upPicture(const char* button);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* addTextBox(const char* name, const char* spokenName, QRect twips, const std::string& text);
  PictureButton* addPictureButton(const char* name, const char* picture, QRect twips, const char* tip);
  void leaveWith(AttributesChoice choice);
  void place();

  QWidget* editorWindow;
  QLineEdit* hrefEdit;
  QLineEdit* targetEdit;
  QLineEdit* altEdit;
  ShownAttributes texts;  // as shown when the dialog opened
  std::string charset;
  AttributesChoice chosen = AttributesChoice::cancel;
};

// Where the dialog goes on the screen that holds the editor, in pixels:
// directly below the editor window, or 1875 twips above the screen's bottom
// when that leaves too little room; never past the screen's right edge.
QPoint attributesDialogPlace(QRect editorFrame, QRect screen, int dialogWidth);

}  // namespace ornix
