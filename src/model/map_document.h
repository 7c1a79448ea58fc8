#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor_state.h"
#include "html_page.h"
#include "notifier.h"

namespace ornix {

// What the document needs of the editor window that shows it.
class MapView {
 public:
  virtual ~MapView() = default;
  // Puts a GIF, JPEG or BMP picture into the drawing surface. On false the
  // surface is left exactly as it was.
  virtual bool loadPicture(const std::string& path) = 0;
  // Sizes the window and its scroll bars to the picture just loaded.
  virtual void fitWindowToImage() = 0;
  // "Save to ClipBoard" is on exactly while the map has an area.
  virtual void enableMake(bool enabled) = 0;
  // The area that owned this screen region is gone.
  virtual void releaseRegion(std::int32_t handle) = 0;
};

// How an attempt to load a picture ended. A refused picture (a PNG) has
// already been explained to the user; an unreadable one has not.
struct PictureLoad {
  enum class Outcome { loaded, refused, unreadable };
  Outcome outcome = Outcome::unreadable;

  explicit operator bool() const { return outcome == Outcome::loaded; }
};

// The one image map being edited: the picture, the pieces of its image tag and
// MAP opening, and its areas as six parallel lists (area text, region, coordinate
// text, HREF, Target, ALT), one index per area in drawing or reading order.
// The map is unsaved exactly while it has an area; every save empties it.
class MapDocument {
 public:
  // `startFolder` is the first image path, where the file dialogs start.
  MapDocument(MapView& view, Notifier& notifier, std::string startFolder);

  // Loads the image at `sFile`: measures it, shows it, empties the map and
  // rebuilds the image tag pieces. All or nothing: when it does not load (a
  // file name under four characters, a picture that will not load) nothing
  // has changed.
  PictureLoad imgSpecs(const std::string& sFile);

  // Appends one area's shape.
  void addArea(std::string areaText, std::int32_t region, std::string coordText);
  // The HREF "#" and the two placeholders of a newly drawn area.
  void addAreaDefaults();
  // The attributes of one area read from a file, appended before its shape.
  void appendAttributes(std::string href, std::string target, std::string alt);
  // Keeps the attributes at the positions marked true and drops the others, so
  // that attributes read for tags that gave no area do not pass to other areas.
  void retainAttributes(const std::vector<bool>& keep);

  // Removes area `index` (from 0) from all six lists, releasing its region;
  // the areas after it move up one place together.
  void removeArea(std::size_t index);
  // Rewrites area `index` in place after its attributes were edited: its text
  // and three attribute values change, its region and coordinate text stay.
  void rewriteArea(std::size_t index, std::string areaText, std::string href, std::string target,
                   std::string alt);

  // Empties the area, region and coordinate lists (releasing the regions);
  // the HREF, Target and ALT lists stay until clearAreaAttributes.
  void clearAreas();
  void clearAreaAttributes();
  // After a save: the same picture again with an empty map.
  bool restartMap();

  bool isUnsaved() const { return !areas.empty(); }

  const std::string& imagePath() const { return path; }
  bool imageLoaded() const { return loaded; }
  const std::string& imageTagTail() const { return tagTail; }
  const std::string& mapOpening() const { return opening; }
  const std::vector<std::string>& areaList() const { return areas; }
  const std::vector<std::int32_t>& regionList() const { return regions; }
  const std::vector<std::string>& coordList() const { return coords; }
  const std::vector<std::string>& hrefList() const { return hrefs; }
  const std::vector<std::string>& targetList() const { return targets; }
  const std::vector<std::string>& altList() const { return alts; }
  std::int32_t areaCount() const { return count; }

  // The page the map was read from. It can be saved back only when it was an
  // HTML page; dropping it also ends that.
  void holdSourcePage(std::unique_ptr<ChtmlPage> page, bool savable);
  void dropSourcePage();
  bool hasSourcePage() const { return pageSavable && page != nullptr; }
  const ChtmlPage* sourcePage() const { return page.get(); }

  EditorState& editorState() { return state; }
  const EditorState& editorState() const { return state; }

 private:
  MapView& view;
  Notifier& notifier;
  std::string path;
  bool loaded = false;
  std::string tagTail;
  std::string opening;
  std::vector<std::string> areas;
  std::vector<std::int32_t> regions;
  std::vector<std::string> coords;
  std::vector<std::string> hrefs;
  std::vector<std::string> targets;
  std::vector<std::string> alts;
  std::int32_t count = 0;  // areas added since the last clear; only guards clearAreas
  std::unique_ptr<ChtmlPage> page;
  bool pageSavable = false;
  EditorState state;
};

}  // namespace ornix
