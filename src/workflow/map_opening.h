#pragma once

#include <string>
#include <vector>

#include "model/area.h"

#include "map_workspace.h"

namespace ornix {

class Ui;

// Opens a map file, HTML page or text file that holds a map block: checks the
// block, splits the page around it, finds and loads its picture, then shows
// the areas read one by one. `extension` is the path's last four characters in
// lower case; a page of a kind that takes its map back can later be saved back.
// The map on screen is replaced only once the new picture has loaded. True
// when the map was opened whole; false when it was not opened, or its reading
// stopped on an error: the user has been told why, unless they chose not to
// look for its picture.
bool openMapFile(const MapWorkspace& workspace, Ui& ui, const std::string& path, const std::string& extension);

// The areas read appear one after another, under the busy pointer, until
// the user skips the rest of the show: then they appear at once.
void showAreasOneByOne(std::vector<Area>& areas, const MapWorkspace& workspace, Ui& ui);

// The picture a page's block names as `source`, looked up beside the page at
// `pagePath`; when it is not there the user may locate it. Empty when there
// is no picture to load.
std::string locateMapPicture(const std::string& source, const std::string& pagePath, const MapWorkspace& workspace,
                             Ui& ui);

}  // namespace ornix
