#pragma once

#include <string>
#include <vector>

#include "model/map_document.h"
#include "model/notifier.h"

namespace ornix::test {

// Records every note instead of showing it.
class RecordingNotifier final : public Notifier {
 public:
  void showNote(const Note& note) override { notes.push_back(note); }
  std::vector<Note> notes;
};

// Stands in for the editor window: loads whatever it is told to accept and
// records what the document asked of it.
class FakeMapView final : public MapView {
 public:
  bool loadPicture(const std::string& path) override {
    if (!acceptPictures) return false;
    loadedPictures.push_back(path);
    return true;
  }
  void fitWindowToImage() override { ++fits; }
  void enableMake(bool enabled) override { makeStates.push_back(enabled); }
  void releaseRegion(std::int32_t handle) override { releasedRegions.push_back(handle); }

  bool acceptPictures = true;
  std::vector<std::string> loadedPictures;
  int fits = 0;
  std::vector<bool> makeStates;
  std::vector<std::int32_t> releasedRegions;
};

}  // namespace ornix::test
