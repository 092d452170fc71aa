// Files > Import SVG through the real window: a new current layer named
// after the file, one undo step, one message listing what was dropped, and
// files that are refused leave the drawing as it was.
#include <sys/stat.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "app/menu_table.h"
#include "document/numeric.h"
#include "editor_fixture.h"
#include "platform/file_io.h"

namespace tavisk::test {
namespace {

class SvgImportTest : public EditorTest {
 protected:
  std::vector<std::string> ObjectNames() {
    std::vector<std::string> names;
    for (const sObject& object : ctx().Obj) names.push_back(object.Name);
    return names;
  }
};

constexpr const char* kBadge =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\">"
    "<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"red\"/>"
    "<stop offset=\"1\" stop-color=\"red\"/></linearGradient><filter id=\"f\"/></defs>"
    "<circle cx=\"32\" cy=\"32\" r=\"30\" fill=\"url(#g)\" stroke=\"black\" stroke-width=\"4\"/>"
    "<rect x=\"20\" y=\"20\" width=\"24\" height=\"24\" fill=\"#00f\" filter=\"url(#f)\"/>"
    "<rect x=\"0\" y=\"0\" width=\"4\" height=\"4\" filter=\"url(#f)\"/></svg>";

TEST_F(SvgImportTest, AnImportIsANewCurrentLayerInOneUndoStep) {
  DrawLineAndBox();
  const std::string before = Bytes();
  ASSERT_TRUE(WriteFileAtomically("badge.svg", kBadge));
  requesters_.FileAnswers.push_back("badge.svg");
  Menu(kMenuImportSvg);

  ASSERT_EQ(ObjectNames(), (std::vector<std::string>{"Object0", "badge"}));
  EXPECT_EQ(ctx().CurrentObject, 1);
  const sObject& layer = ctx().Obj[1];
  ASSERT_EQ(layer.Shape.size(), 4u);
  EXPECT_EQ(layer.Shape[0].Color, RGBA(255, 0, 0, 255));
  EXPECT_EQ(layer.Shape[1].Style, kLineStyle);
  EXPECT_EQ(layer.Shape[1].Width, 4);
  EXPECT_EQ(layer.Shape[2].Color, RGBA(0, 0, 255, 255));
  ASSERT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_EQ(requesters_.Messages[0].Title, "Import SVG");
  EXPECT_EQ(requesters_.Messages[0].Text,
            "The picture was imported without what this drawing cannot hold: "
            "gradients (their middle colour was kept), filters.");
  // The canvas shows it: the blue square's middle, at (32, 32) of the layer.
  QApplication::processEvents();
  const QImage shown = canvas()->grab().toImage();
  const QColor middle = shown.pixelColor(At(32, 32));
  EXPECT_EQ(middle, QColor(0, 0, 255)) << middle.name().toStdString();

  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(ObjectNames(), std::vector<std::string>{"Object0"});
  Menu(kMenuRedo);
  EXPECT_EQ(ObjectNames(), (std::vector<std::string>{"Object0", "badge"}));
  EXPECT_EQ(ctx().Obj[1].Shape.size(), 4u);
}

TEST_F(SvgImportTest, RefusedFilesLeaveTheDrawingAsItWas) {
  DrawLineAndBox();
  const std::string before = Bytes();
  ASSERT_EQ(::mkfifo("pipe.svg", 0600), 0);
  ASSERT_TRUE(WriteFileAtomically("page.svg", "<html><body>not a picture</body></html>"));
  ASSERT_TRUE(WriteFileAtomically("huge.svg", std::string((32u << 20) + 1, ' ')));
  for (const char* file : {"pipe.svg", "page.svg", "huge.svg", "missing.svg"}) {
    requesters_.Messages.clear();
    requesters_.FileAnswers.push_back(file);
    Menu(kMenuImportSvg);
    EXPECT_EQ(Bytes(), before) << file;
    ASSERT_EQ(requesters_.Messages.size(), 1u) << file;
    EXPECT_EQ(requesters_.Messages[0].Icon, MessageIcon::Error) << file;
    EXPECT_NE(requesters_.Messages[0].Text.find("could not be imported"), std::string::npos)
        << file;
  }
  // Cancelling the file requester says nothing.
  requesters_.Messages.clear();
  Menu(kMenuImportSvg);
  EXPECT_TRUE(requesters_.Messages.empty());
  EXPECT_EQ(Bytes(), before);
  // None of them made a step: one undo takes the box away.
  Menu(kMenuUndo);
  EXPECT_EQ(ctx().Obj[0].Shape.size(), 1u);
}

// An icon: a 16 x 16 picture whose half-unit corners whole-unit points
// would round away at scale 1.
constexpr const char* kIcon =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
    "<rect x=\"2.5\" y=\"3.5\" width=\"11\" height=\"9\"/></svg>";

TEST_F(SvgImportTest, ASmallPictureIsImportedAtTheScaleTheUserChooses) {
  ASSERT_TRUE(WriteFileAtomically("icon.svg", kIcon));
  const auto importedBounds = [this] {
    int64_t minX = INT64_MAX, maxX = INT64_MIN;
    for (const sPoint& point : ctx().Obj.back().Shape[0].Pt) {
      minX = std::min(minX, point.X);
      maxX = std::max(maxX, point.X);
    }
    return std::pair{minX, maxX};
  };
  // The question offers a whole scale; an empty answer cancels.
  requesters_.FileAnswers.push_back("icon.svg");
  requesters_.InputAnswers.push_back("");
  const std::string before = Bytes();
  Menu(kMenuImportSvg);
  ASSERT_EQ(requesters_.Asked.back().Kind, "input");
  EXPECT_EQ(requesters_.Asked.back().Initial, "8");
  EXPECT_EQ(Bytes(), before) << "an empty answer cancels";

  requesters_.FileAnswers.push_back("icon.svg");
  requesters_.InputAnswers.push_back("8");
  Menu(kMenuImportSvg);
  ASSERT_EQ(ctx().Obj.size(), 2u);
  EXPECT_EQ(importedBounds(), (std::pair<int64_t, int64_t>{20, 108}));

  // A typed scale of 1 keeps the picture's own units; nonsense imports nothing.
  requesters_.FileAnswers.push_back("icon.svg");
  requesters_.InputAnswers.push_back("1");
  Menu(kMenuImportSvg);
  ASSERT_EQ(ctx().Obj.size(), 3u);
  EXPECT_LE(importedBounds().second, 14);
  requesters_.Messages.clear();
  requesters_.FileAnswers.push_back("icon.svg");
  requesters_.InputAnswers.push_back("-2");
  Menu(kMenuImportSvg);
  EXPECT_EQ(ctx().Obj.size(), 3u);
  ASSERT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_EQ(requesters_.Messages[0].Icon, MessageIcon::Error);
}

}  // namespace
}  // namespace tavisk::test
