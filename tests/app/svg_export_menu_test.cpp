// "Export as SVG" in the Files menu of the running editor.
#include <QXmlStreamReader>
#include <string>

#include "app/editor_fixture.h"
#include "app/menu_table.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

class SvgExportMenuTest : public test::EditorTest {
 protected:
  // The svg element's viewBox and the number of elements named name, or
  // "unreadable".
  std::string ViewBoxAndCount(const std::string& path, const QString& name, int& count) {
    std::string text;
    if (!ReadWholeFile(path, text)) return "unreadable";
    QXmlStreamReader reader(QByteArray::fromStdString(text));
    std::string viewBox;
    count = 0;
    while (!reader.atEnd()) {
      if (reader.readNext() != QXmlStreamReader::StartElement) continue;
      if (reader.name() == u"svg") {
        viewBox = reader.attributes().value("viewBox").toString().toStdString();
      }
      if (reader.name() == name) ++count;
    }
    return reader.hasError() ? "unreadable" : viewBox;
  }
};

TEST_F(SvgExportMenuTest, AsksTheFileAndTheAreaAndTellsWhenNothingIsDrawn) {
  EXPECT_EQ(ItemText(kMenuExportSvg), "Export as SVG");
  // Nothing drawn yet: the user is told, and no file appears.
  requesters_.FileAnswers.push_back("empty");
  requesters_.YesNoAnswers.push_back(true);
  Menu(kMenuExportSvg);
  ASSERT_FALSE(requesters_.Messages.empty());
  EXPECT_NE(requesters_.Messages.back().Text.find("no SVG file was written"), std::string::npos);
  EXPECT_FALSE(IsRegularFile("empty.svg"));

  DrawLineAndBox();
  requesters_.FileAnswers.push_back("drawing");
  requesters_.YesNoAnswers.push_back(true);
  Menu(kMenuExportSvg);
  int rects = 0;
  const std::string drawn = ViewBoxAndCount("drawing.svg", "rect", rects);
  EXPECT_NE(drawn, "unreadable");
  EXPECT_NE(drawn, "");
  EXPECT_EQ(rects, 1);
  EXPECT_EQ(requesters_.Asked.back().Kind, "yes-no");

  // No: the camera rectangle.
  requesters_.FileAnswers.push_back("camera.svg");
  requesters_.YesNoAnswers.push_back(false);
  Menu(kMenuExportSvg);
  const sPzOptions& o = ctx().Options;
  EXPECT_EQ(ViewBoxAndCount("camera.svg", "rect", rects),
            std::to_string(o.CameraX) + " " + std::to_string(o.CameraY) + " " +
                std::to_string(o.CameraW) + " " + std::to_string(o.CameraH));

  // Cancelled at the question: nothing is written.
  requesters_.FileAnswers.push_back("cancelled");
  Menu(kMenuExportSvg);
  EXPECT_FALSE(IsRegularFile("cancelled.svg"));
}

}  // namespace
}  // namespace tavisk
