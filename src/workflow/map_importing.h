#pragma once

#include <cstdint>
#include <string>

#include "map_workspace.h"

namespace ornix {

class EditorWindow;
class Ui;

// The largest page Import Map reads.
inline constexpr std::uintmax_t bytesPerMegabyte = std::uintmax_t{1024} * 1024;
inline constexpr std::uintmax_t largestImportedPage = 32 * bytesPerMegabyte;

// Imports one image map of the page at `path`, of any author: the only one,
// or the one the user chooses among several. Its picture is the one the page
// shows it on, at the size the page shows it; its areas appear one by one,
// and the import is the first step of the history. False when nothing was
// imported: the user cancelled or has been told why, and the map on screen
// is as it was.
bool importMapFile(const MapWorkspace& workspace, Ui& ui, const std::string& path);

// The Import Map command: asks about an unsaved map, then for a page, and
// imports a map of it.
void importWithDialog(EditorWindow& window, Ui& ui);

}  // namespace ornix
