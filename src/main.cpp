// Builds the program's objects and starts the editor. A path on the command
// line (the arguments joined by single blanks) is opened as the picture to map.
#include <QApplication>
#include <QFile>
#include <QStringList>

#include "editor/frm_map.h"
#include "platform/ui.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Quillmere");
  QApplication::setApplicationName("Ornix");
  QApplication::setApplicationVersion(ORNIX_VERSION);

  ornix::QtUi ui;
  ornix::frmMap window(ui);
  QObject::connect(&window, &ornix::frmMap::exitRequested, &window, &QWidget::close);
  window.show();

  const QString commandLine = QApplication::arguments().mid(1).join(' ');
  if (!commandLine.isEmpty()) window.document().imgSpecs(QFile::encodeName(commandLine).toStdString());
  return QApplication::exec();
}
