// Copy and Paste through the system clipboard and files dropped on the
// canvas, driven through the real main window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCursor>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <string>
#include <vector>

#include "app/menu_table.h"
#include "document/numeric.h"
#include "edit/shape_operations.h"
#include "editor_fixture.h"
#include "io/clipboard/shapes_clipboard.h"
#include "platform/file_io.h"
#include "platform/png_writer.h"

namespace tavisk {
namespace {

class ClipboardAndDropsTest : public test::EditorTest {
 protected:
  const QMimeData* Clipboard() { return QGuiApplication::clipboard()->mimeData(); }

  void PutOnClipboard(const char* format, const std::string& bytes) {
    auto* data = new QMimeData;
    data->setData(format, QByteArray::fromStdString(bytes));
    QGuiApplication::clipboard()->setMimeData(data);
  }

  void PointAt(QPoint canvasPixel) { QCursor::setPos(canvas()->mapToGlobal(canvasPixel)); }

  // Offers urls to the canvas at a canvas pixel, then drops them when the
  // canvas took the offer; answers whether it did.
  bool DropUrls(const QList<QUrl>& urls, QPoint at) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas(), &drop);
    return drop.isAccepted();
  }
  QUrl Local(const std::string& name) { return QUrl::fromLocalFile(QString::fromStdString(dir_.File(name))); }

  size_t Count(const std::string& text, const std::string& tag) {
    size_t n = 0;
    for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at + 1)) ++n;
    return n;
  }
};

TEST_F(ClipboardAndDropsTest, CopyPutsTheCurrentAndSelectedVisibleShapesInEveryFormat) {
  DrawLineAndBox();
  MakeShape(kGadgetToolCircle, At(300, 300), At(330, 330));
  shape(0).Selected = 1;
  shape(2).Hide = 1;  // a hidden shape stays behind, selected or not
  shape(2).Selected = 1;
  ctx().CurrentShape = 1;
  Menu(kMenuCopyShape);

  const QMimeData* data = Clipboard();
  ASSERT_NE(data, nullptr);
  const std::string ours = data->data(kShapesMimeType).toStdString();
  EXPECT_EQ(Count(ours, "\nshape,"), 2u) << ours;
  EXPECT_NE(ours.find(",Shape_3,"), std::string::npos) << ours;
  EXPECT_NE(ours.find(",Shape_4,"), std::string::npos) << ours;

  // The picture spans the line and the box, and shows the box's colour.
  ASSERT_TRUE(data->hasImage());
  const QImage picture = qvariant_cast<QImage>(data->imageData());
  EXPECT_GE(picture.width(), 300);
  EXPECT_LE(picture.width(), 320);
  EXPECT_GE(picture.height(), 80);
  EXPECT_LE(picture.height(), 100);
  const QColor inside = picture.pixelColor(picture.width() - 260, picture.height() / 2);
  EXPECT_EQ(qRgb(inside.red(), inside.green(), inside.blue()),
            qRgb(Red(shape(1).Color), Green(shape(1).Color), Blue(shape(1).Color)));
  // SVG for drawing programs, and as text for text editors.
  const std::string svg = data->data(kSvgMimeType).toStdString();
  EXPECT_EQ(Count(svg, "<rect"), 1u) << svg;
  EXPECT_EQ(Count(svg, "<ellipse"), 0u) << svg;
  EXPECT_EQ(data->text().toStdString(), svg);
  // The editor's own clipboard still holds the current shape.
  EXPECT_EQ(ctx().Clipboard.Shape[0].W, shape(1).W);
}

TEST_F(ClipboardAndDropsTest, PasteOfOurShapesPlacesThemAllUnderThePointerAsOneStep) {
  DrawLineAndBox();
  Menu(kMenuSelectAll);
  Menu(kMenuCopyShape);
  const std::string before = Bytes();

  PointAt(At(500, 300));
  Menu(kMenuPaste);
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 4u);
  // The line's first point lands under the pointer; the box keeps its place
  // beside it.
  EXPECT_EQ(shape(2).X + shape(2).Pt[0].X, 500);
  EXPECT_EQ(shape(2).Y + shape(2).Pt[0].Y, 300);
  EXPECT_EQ(shape(3).X - shape(2).X, shape(1).X - shape(0).X);
  EXPECT_EQ(shape(3).Y - shape(2).Y, shape(1).Y - shape(0).Y);
  EXPECT_EQ(shape(3).Typ, kBox);
  EXPECT_EQ(shape(3).W, shape(1).W);
  EXPECT_EQ(shape(3).Color, shape(1).Color);
  EXPECT_EQ(ctx().CurrentShape, 3);
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Paste\tCtrl+Z");
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);

  // What another editor put there pastes as well: a new drawing takes it.
  Menu(kMenuNewDocument);
  PointAt(QPoint(-50, -50));
  Menu(kMenuPaste);
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 2u);
  EXPECT_EQ(shape(1).Typ, kBox);
  EXPECT_EQ(shape(1).X, 100 + kPasteOffset);
}

// A green box, and a circle whose gradient the drawing cannot keep.
constexpr const char* kSvgText =
    "\n  <svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">"
    "<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"#ff0000\"/>"
    "<stop offset=\"1\" stop-color=\"#0000ff\"/></linearGradient></defs>"
    "<rect x=\"10\" y=\"20\" width=\"30\" height=\"40\" fill=\"#00ff00\"/>"
    "<circle cx=\"70\" cy=\"70\" r=\"10\" fill=\"url(#g)\"/></svg>\n";

TEST_F(ClipboardAndDropsTest, SvgTextFromAnotherProgramPastesIntoTheCurrentLayerAsOneStep) {
  DrawLineAndBox();
  const std::string before = Bytes();
  PutOnClipboard("text/plain", kSvgText);
  PointAt(At(200, 300));
  Menu(kMenuPaste);
  ASSERT_EQ(ctx().Obj.size(), 1u);
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 4u);
  // The box's first corner lands under the pointer, the circle beside it.
  const sShape& box = shape(2);
  EXPECT_EQ(box.X + box.Pt[0].X, 200);
  EXPECT_EQ(box.Y + box.Pt[0].Y, 300);
  EXPECT_EQ(box.Color, RGBA(0, 255, 0, 255));
  EXPECT_EQ(shape(3).X + shape(3).Pt[0].X - 200, 80 - 10);
  ASSERT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_NE(requesters_.Messages[0].Text.find("gradient"), std::string::npos)
      << requesters_.Messages[0].Text;
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);

  // An SVG picture on the clipboard goes before its plain text.
  auto* data = new QMimeData;
  data->setData(kSvgMimeType, kSvgText);
  data->setData("text/plain", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
  QGuiApplication::clipboard()->setMimeData(data);
  Menu(kMenuPaste);
  EXPECT_EQ(ctx().Obj[0].Shape.size(), 4u);
}

TEST_F(ClipboardAndDropsTest, AClipboardHoldingNothingUsableChangesNothing) {
  DrawLineAndBox();
  const std::string before = Bytes();
  const std::string undoBefore = ItemText(kMenuUndo);
  PointAt(At(500, 300));
  for (const auto& [format, bytes] : std::vector<std::pair<const char*, std::string>>{
           {"text/plain", "just words, <svg> later"},
           {kShapesMimeType, "not, a, document"},
           {"image/png", "\x89PNG"},
       }) {
    PutOnClipboard(format, bytes);
    Menu(kMenuPaste);
    EXPECT_EQ(Bytes(), before) << format;
    EXPECT_EQ(ItemText(kMenuUndo), undoBefore) << format;
  }
  QGuiApplication::clipboard()->clear();
  Menu(kMenuPaste);
  EXPECT_EQ(Bytes(), before);
  EXPECT_TRUE(requesters_.Messages.empty());
}

TEST_F(ClipboardAndDropsTest, DroppedDocumentsMergeAndPicturesLandAtTheDropPointInOneStep) {
  MakeShape(kGadgetToolBox, At(10, 10), At(40, 40));
  const std::string before = Bytes();
  sObject layer;
  layer.Name = "Dropped";
  layer.W = layer.H = 100;
  layer.HasShape = 1;
  layer.Shape[0].Typ = kCircle;
  layer.Shape[0].W = 12;
  layer.Shape[0].H = 12;
  ASSERT_TRUE(WriteFileAtomically("layer.txt", WriteDocumentText({layer})));
  QImage picture(24, 16, QImage::Format_ARGB32);
  picture.fill(Qt::blue);
  ASSERT_TRUE(WritePng(dir_.File("blue.png"), picture));

  ASSERT_TRUE(DropUrls({Local("layer.txt"), Local("blue.png")}, At(200, 150)));
  ASSERT_EQ(ctx().Obj.size(), 2u);
  EXPECT_EQ(ctx().Obj[1].Name, "Dropped");
  EXPECT_EQ(ctx().Obj[1].Shape[0].Typ, kCircle);
  // The picture went into the merged layer, which is current after the merge.
  const sShape& image = ctx().Obj[1].Shape.back();
  EXPECT_EQ(image.Typ, kImage);
  EXPECT_EQ(image.X, 200);
  EXPECT_EQ(image.Y, 150);
  EXPECT_EQ(image.W, 24);
  EXPECT_EQ(image.H, 16);
  EXPECT_EQ(image.ImageFile, dir_.File("blue.png"));
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Drop\tCtrl+Z");
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);
  EXPECT_TRUE(requesters_.Messages.empty());

  // A file that is no picture is reported by the picture loader.
  ASSERT_TRUE(WriteFileAtomically("notes.dat", "plain words"));
  ASSERT_TRUE(DropUrls({Local("notes.dat")}, At(200, 150)));
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(requesters_.Messages.size(), 1u);
}

TEST_F(ClipboardAndDropsTest, ADroppedSvgBecomesALayerOfItsOwn) {
  MakeShape(kGadgetToolBox, At(10, 10), At(40, 40));
  const std::string before = Bytes();
  ASSERT_TRUE(WriteFileAtomically("icon.svg", kSvgText));
  ASSERT_TRUE(DropUrls({Local("icon.svg")}, At(300, 300)));
  ASSERT_EQ(ctx().Obj.size(), 2u);
  EXPECT_EQ(ctx().Obj[1].Name, "icon");
  ASSERT_EQ(ctx().Obj[1].Shape.size(), 2u);
  EXPECT_EQ(ctx().Obj[1].Shape[0].Color, RGBA(0, 255, 0, 255));
  EXPECT_EQ(ctx().Obj[1].Shape[0].Pt[0].X, 10);
  EXPECT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Drop\tCtrl+Z");
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);
}

TEST_F(ClipboardAndDropsTest, OnlyLocalFilesAreTaken) {
  const std::string before = Bytes();
  EXPECT_FALSE(DropUrls({QUrl("https://example.invalid/a.png")}, At(50, 50)));
  QMimeData text;
  text.setText("words");
  QDragEnterEvent enter(At(50, 50), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(canvas(), &enter);
  EXPECT_FALSE(enter.isAccepted());
  EXPECT_EQ(Bytes(), before);
  EXPECT_TRUE(requesters_.Messages.empty());
}

}  // namespace
}  // namespace tavisk
