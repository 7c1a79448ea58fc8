#pragma once

#include <string>

namespace ornix {

class ChtmlPage;
class Ui;
class frmMap;

// Opens a map file, HTML page or text file that holds a map block: checks the
// block, splits the page around it, finds and loads its picture, and rebuilds
// every area with its link, target and ALT. `ext` is the path's last four
// characters in lower case; pages ending "html", ".htm" or ".asp" can later be
// saved back. The map on screen is replaced only once the new picture has
// loaded. False when the reading stopped on an error (the user has been told).
bool txtSpecs(frmMap& window, Ui& ui, const std::string& sFile, const std::string& ext);

// The picture a page's block names, looked up beside the page; when it is not
// there the user may locate it. Empty when there is no picture to load.
std::string parseImg(const ChtmlPage& page, frmMap& window, Ui& ui);

}  // namespace ornix
