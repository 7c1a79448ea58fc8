#pragma once

#include <QStringList>
#include <string>

namespace ornix {

class SingleInstance;
class Ui;
class EditorWindow;
class ProgramSettings;

// What the program's start needs, built by main().
struct StartServices {
  Ui& ui;
  SingleInstance& instance;
  ProgramSettings& settings;
  EditorWindow& window;
  std::string programPath;
};

// The command line as one text: the arguments after the program's name,
// joined by single blanks.
std::string commandLineText(const QStringList& arguments);

// Starts the program: one copy only, the map-file association written, then
// the editor window, opening the file the command line names. True when the
// editor window is up and the program runs on; false when it ends here.
bool startProgram(const StartServices& services, const std::string& commandLine);

}  // namespace ornix
