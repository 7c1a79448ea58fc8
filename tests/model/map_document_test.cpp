#include <gtest/gtest.h>

#include "support/image_bytes.h"
#include "model/area_text.h"
#include "model/map_block_format.h"
#include "model/map_document.h"
#include "support/model_fakes.h"

namespace ornix {
namespace {

class MapDocumentTest : public testing::Test {
 protected:
  std::string gif(const std::string& name, std::uint16_t width = 40, std::uint16_t height = 30) {
    return dir.write(name, test::gifHeader(width, height));
  }
  void addRectangles(int count) {
    for (int i = 0; i < count; ++i) {
      const ShapeTexts shape = rectShape(0, 0, static_cast<std::int16_t>(10 + i), 10);
      doc.addArea(shape.areaText, 100 + i, shape.coordText);
      doc.addAreaDefaults();
    }
  }

  test::TempDir dir;
  test::FakeMapView view;
  test::RecordingNotifier notifier;
  MapDocument doc{view, notifier, "/home/author/"};
};

struct TagCase {
  const char* name;
  std::string fileName;
  test::Bytes bytes;
  std::string tagTail;
  std::string mapName;
};

class ImageTagTest : public MapDocumentTest, public testing::WithParamInterface<TagCase> {};

TEST_P(ImageTagTest, BuildsTheImageTagPiecesFromTheMeasuredFile) {
  const std::string file = dir.write(GetParam().fileName, GetParam().bytes);
  ASSERT_TRUE(doc.imgSpecs(file));
  EXPECT_EQ(doc.imageTagTail(), GetParam().tagTail);
  EXPECT_EQ(doc.mapOpening(),
            std::string(signatureComment) + "\r\n<MAP NAME=\"" + GetParam().mapName + "\">");
  EXPECT_EQ(doc.imagePath(), file);
  EXPECT_TRUE(doc.imageLoaded());
  EXPECT_EQ(view.fits, 1);
  EXPECT_EQ(view.makeStates, std::vector<bool>{false});
}

INSTANTIATE_TEST_SUITE_P(
    Images, ImageTagTest,
    testing::Values(
        TagCase{"SingleLetterGif", "a.gif", test::gifHeader(500, 300),
                R"(a.gif" width=500 height=300 border=0 USEMAP="#a">)", "a"},
        TagCase{"FourLetterExtensionKeepsItsDot", "photo.jpeg", test::typicalJpeg(6000, 4000),
                R"(photo.jpeg" width=6000 height=4000 border=0 USEMAP="#photo.">)", "photo."},
        TagCase{"UnmeasuredPictureGetsZeros", "odd.jpg", test::Bytes(64, 0),
                R"(odd.jpg" width=0 height=0 border=0 USEMAP="#odd">)", "odd"}),
    [](const auto& row) { return row.param.name; });

TEST_F(MapDocumentTest, LoadingAnotherImageClearsAreasButKeepsTheirAttributes) {
  ASSERT_TRUE(doc.imgSpecs(gif("first.gif")));
  addRectangles(3);
  ASSERT_TRUE(doc.imgSpecs(gif("second.gif")));
  EXPECT_TRUE(doc.areaList().empty() && doc.regionList().empty() && doc.coordList().empty());
  EXPECT_EQ(doc.areaCount(), 0);
  EXPECT_EQ(doc.altList().size(), 3u);  // Target and ALT go with the HREFs, all three kept
  EXPECT_EQ(view.releasedRegions, (std::vector<std::int32_t>{100, 101, 102}));
}

// A load that fails leaves the old picture's map and tag exactly as they were.
TEST_F(MapDocumentTest, FailedLoadChangesNothing) {
  const std::string first = gif("first.gif", 500, 300);
  ASSERT_TRUE(doc.imgSpecs(first));
  addRectangles(2);
  const std::string tagTail = doc.imageTagTail();
  const std::string opening = doc.mapOpening();

  const test::Bytes png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  struct Failure {
    std::string path;
    bool pictureLoads;
  };
  const std::vector<Failure> failures = {
      {gif("a.g"), true},             // a name too short for an extension
      {gif("broken.gif"), false},     // a picture the window cannot show
      {dir.write("shot.png", png), false},
  };
  for (const Failure& failure : failures) {
    view.acceptPictures = failure.pictureLoads;
    EXPECT_FALSE(doc.imgSpecs(failure.path)) << failure.path;
    EXPECT_EQ(doc.imageTagTail(), tagTail);
    EXPECT_EQ(doc.mapOpening(), opening);
    EXPECT_EQ(doc.imagePath(), first);
    EXPECT_EQ(doc.areaList().size(), 2u);
    EXPECT_EQ(doc.areaCount(), 2);
  }
  EXPECT_TRUE(view.releasedRegions.empty());
  EXPECT_EQ(view.fits, 1);
  EXPECT_EQ(notifier.notes.size(), 1u);  // the PNG note, once
}

TEST_F(MapDocumentTest, RestartMapEmptiesTheMapOnTheSamePicture) {
  const std::string picture = gif("map.gif");
  ASSERT_TRUE(doc.imgSpecs(picture));
  addRectangles(2);
  doc.editorState().popupPending = true;

  EXPECT_TRUE(doc.restartMap());
  EXPECT_EQ(view.loadedPictures.back(), picture);
  EXPECT_FALSE(doc.isUnsaved());
  EXPECT_TRUE(doc.hrefList().empty() && doc.targetList().empty() && doc.altList().empty());
  EXPECT_FALSE(doc.editorState().popupPending);
  EXPECT_EQ(view.releasedRegions.size(), 2u);

  // The picture may have gone from the disk since: the map is emptied all the same.
  addRectangles(1);
  view.acceptPictures = false;
  EXPECT_FALSE(doc.restartMap());
  EXPECT_FALSE(doc.isUnsaved());
  EXPECT_TRUE(doc.hrefList().empty());
}

TEST_F(MapDocumentTest, SourcePageCanBeSavedBackOnlyWhileHeldAndSavable) {
  doc.holdSourcePage(std::make_unique<ChtmlPage>(), true);
  EXPECT_TRUE(doc.hasSourcePage());
  doc.holdSourcePage(std::make_unique<ChtmlPage>(), false);
  EXPECT_FALSE(doc.hasSourcePage());
  EXPECT_NE(doc.sourcePage(), nullptr);
  doc.holdSourcePage(nullptr, true);
  EXPECT_FALSE(doc.hasSourcePage());
  doc.holdSourcePage(std::make_unique<ChtmlPage>(), true);
  doc.dropSourcePage();
  EXPECT_FALSE(doc.hasSourcePage());
  EXPECT_EQ(doc.sourcePage(), nullptr);
}

}  // namespace
}  // namespace ornix
