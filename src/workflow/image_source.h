#pragma once

#include <string>

namespace ornix {

class cRegistry;
class Ui;

// The folder written before the file name in image tags: "images/" when
// nothing (or nothing but an empty text) is stored, none for "none", else the
// stored text exactly, with no separator added.
std::string getImageFolder(const cRegistry& registry);

// The entries of "Image Source Option": 0 "images/", 1 no folder, 2 a folder
// the user types (an empty answer or a cancel keeps the stored one).
void mnuFileImgDefault_Click(int entry, cRegistry& registry, Ui& ui);

}  // namespace ornix
