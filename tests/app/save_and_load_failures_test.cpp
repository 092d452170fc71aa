// Saves that cannot be written and files that hold no document, met through
// the File menu and the template button: the user is told, and the work, its
// name and the window stay as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLineEdit>
#include <QListWidget>

#include "app/layer_list_widget.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"
#include "platform/png_writer.h"

namespace tavisk {
namespace {

// What the window shows of the document besides the canvas.
struct WindowFacts {
  std::string title, docFile, shapeName;
  int64_t object, shape, point, fx;
  std::vector<std::string> shapeList;
  int shapeRow;
  QImage layers;
  bool operator==(const WindowFacts&) const = default;
};

class SaveAndLoadFailuresTest : public test::EditorTest {
 protected:
  std::string Title() { return session_->window->windowTitle().toStdString(); }

  WindowFacts Facts() {
    auto* list = as<QListWidget>(kGadgetShapeList);
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i) {
      rows.push_back(list->item(i)->text().toStdString() +
                     (list->item(i)->isSelected() ? " (selected)" : ""));
    }
    return {Title(),
            ctx().DocFile,
            as<QLineEdit>(kGadgetShapeName)->text().toStdString(),
            ctx().CurrentObject,
            ctx().CurrentShape,
            ctx().CurrentPoint,
            ctx().CurrentFx,
            rows,
            list->currentRow(),
            as<LayerListWidget>(kGadgetLayerList)->Picture()};
  }

  // Two layers, three shapes, the middle one current, saved as drawing.txt.
  void SavedDrawing() {
    MakeShape(kGadgetToolBox, At(40, 40), At(90, 80));
    MakeShape(kGadgetToolCircle, At(200, 60), At(260, 120));
    MakeShape(kGadgetToolLine, At(60, 300), At(160, 320));
    ClickGadget(kGadgetObjectAdd);
    MakeShape(kGadgetToolBox, At(300, 300), At(340, 340));
    requesters_.FileAnswers.push_back("drawing");
    Menu(kMenuSave);
    ASSERT_EQ(Title(), "Tavisk 0.13 - drawing.txt");
    ASSERT_TRUE(requesters_.Messages.empty());
  }

  std::string FileBytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
  }
};

TEST_F(SaveAndLoadFailuresTest, ASaveThatCannotBeWrittenSaysWhyAndKeepsTheOldName) {
  SavedDrawing();
  const std::string saved = FileBytes("drawing.txt");
  MakeShape(kGadgetToolBox, At(400, 100), At(450, 160));

  ASSERT_TRUE(MakeDirectories("folder.txt"));
  ASSERT_TRUE(MakeDirectories("locked"));
  ASSERT_EQ(::chmod("locked", 0555), 0);
  struct Case {
    std::string chosen, told;
  };
  std::vector<Case> cases = {
      {"missing/drawing",
       "The document could not be saved to missing/drawing.txt: the folder does not exist."},
      // A file where a folder should be.
      {"drawing.txt/inner",
       "The document could not be saved to drawing.txt/inner.txt: the folder does not exist."},
      {"folder", "Not a regular file (a pipe, a device or a folder), left as it is: folder.txt"},
  };
  // Root writes into a read-only folder all the same; the missing folder and
  // the folder in the way fail for every user.
  if (!WriteFileAtomically("locked/probe", "x")) {
    cases.push_back({"locked/drawing",
                     "The document could not be saved to locked/drawing.txt: permission denied."});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    requesters_.Messages.clear();
    requesters_.FileAnswers.push_back(c.chosen);
    Menu(kMenuSaveCopy);
    ASSERT_EQ(requesters_.Messages.size(), 1u);
    EXPECT_EQ(requesters_.Messages[0].Title, "Error");
    EXPECT_EQ(requesters_.Messages[0].Text, c.told);
    EXPECT_EQ(ctx().DocFile, "drawing");
    // The box drawn since is still not saved, and the title says so.
    EXPECT_EQ(Title(), "Tavisk 0.13 - drawing.txt *");
    EXPECT_EQ(FileBytes("drawing.txt"), saved);
  }
  ::chmod("locked", 0755);

  // Save goes on to the file that holds the work, without asking.
  const size_t asked = requesters_.Asked.size();
  Menu(kMenuSave);
  EXPECT_EQ(requesters_.Asked.size(), asked);
  EXPECT_EQ(FileBytes("drawing.txt"), WriteDocumentText(ctx().Obj));
}

TEST_F(SaveAndLoadFailuresTest, LoadingSomethingThatIsNotADocumentLeavesTheWindowAsItWas) {
  QImage picture(8, 8, QImage::Format_ARGB32);
  picture.fill(Qt::green);
  ASSERT_TRUE(WritePng("picture.png", picture));
  std::string binary;
  for (int i = 0; i < 3000; ++i) binary += static_cast<char>((i * 37) % 256);
  ASSERT_TRUE(WriteFileAtomically("binary.bin", binary));
  ASSERT_TRUE(WriteFileAtomically("empty.txt", ""));
  ASSERT_TRUE(WriteFileAtomically("photo.jpg", "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00"));
  SavedDrawing();
  // The circle of the lower layer (second row of the list) is current.
  QTest::mouseClick(gadget(kGadgetLayerList), Qt::LeftButton, {}, QPoint(60, 25 + 12));
  ClickTool(kGadgetToolSelect);
  Drag(At(230, 90), At(230, 90));
  ASSERT_EQ(ctx().CurrentObject, 0);
  ASSERT_EQ(ctx().CurrentShape, 1);
  const std::string document = WriteDocumentText(ctx().Obj);
  const WindowFacts before = Facts();

  for (const std::string file : {"picture.png", "binary.bin", "empty.txt", "photo.jpg"}) {
    for (const int menu : {kMenuLoadDocument, kMenuMerge}) {
      SCOPED_TRACE(file + (menu == kMenuMerge ? " merged" : " loaded"));
      requesters_.Messages.clear();
      requesters_.FileAnswers.push_back(file);
      Menu(menu);
      ASSERT_EQ(requesters_.Messages.size(), 1u);
      EXPECT_EQ(requesters_.Messages[0].Title, "Error");
      EXPECT_EQ(requesters_.Messages[0].Text, file + " is not a Tavisk document.");
      EXPECT_EQ(WriteDocumentText(ctx().Obj), document);
      EXPECT_TRUE(Facts() == before);
    }
  }
}

TEST_F(SaveAndLoadFailuresTest, ATemplateThatIsNotADocumentAddsNothing) {
  QImage picture(8, 8, QImage::Format_ARGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(WritePng("data/shapes/picture.png", picture));
  ASSERT_TRUE(WriteFileAtomically("data/shapes/empty.txt", ""));
  SavedDrawing();
  const std::string document = WriteDocumentText(ctx().Obj);

  for (const std::string file : {"picture.png", "empty.txt"}) {
    ctx().ShapeFile = file;
    for (const bool byButton : {true, false}) {
      SCOPED_TRACE(file + (byButton ? " by the + button" : " by the complex-shape tool"));
      requesters_.Messages.clear();
      if (byButton) {
        ClickGadget(kGadgetShapeAdd);
      } else {
        MakeShape(kGadgetToolComplexShape, At(500, 200), At(500, 200));
      }
      ASSERT_EQ(requesters_.Messages.size(), 1u);
      EXPECT_EQ(requesters_.Messages[0].Text, "data/shapes/" + file + " is not a Tavisk document.");
      EXPECT_EQ(WriteDocumentText(ctx().Obj), document);
      EXPECT_EQ(ctx().DocFile, "drawing");
      EXPECT_EQ(Title(), "Tavisk 0.13 - drawing.txt");
    }
  }
}

}  // namespace
}  // namespace tavisk
