// Layers, the clipboard, templates, merge and pictures, driven as a user
// drives them: menu items, panel buttons, typing, presses on the canvas and
// answers to the requesters.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

class ObjectsAndPasteTest : public test::EditorTest {
 protected:
  void TypeInto(int number, const QString& text) {
    auto* field = as<QAbstractSpinBox>(number);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }
  void ChooseTemplate(const char* file) {
    auto* library = as<QComboBox>(kGadgetShapeLibrary);
    const int index = library->findText(QString::fromUtf8(file));
    ASSERT_GE(index, 0);
    library->setCurrentIndex(index);
    emit library->activated(index);
  }
  std::vector<std::string> Names(size_t object) const {
    std::vector<std::string> names;
    for (const sShape& s : session_->ctx.Obj[object].Shape) names.push_back(s.Name);
    return names;
  }
  std::vector<std::string> ObjectNames() const {
    std::vector<std::string> names;
    for (const sObject& o : session_->ctx.Obj) names.push_back(o.Name);
    return names;
  }
};

TEST_F(ObjectsAndPasteTest, MenuAddsANamedLayerAtFullScaleThatThePanelShowsAndToolsUse) {
  TypeInto(kGadgetObjectW, "40");
  ASSERT_EQ(ctx().Obj[0].W, 40);
  Menu(kMenuAddObject);
  ASSERT_EQ(ctx().Obj.size(), 2u);
  EXPECT_EQ(ctx().CurrentObject, 1);
  EXPECT_EQ(ctx().Obj[1].Name, "Object1");
  EXPECT_EQ(ctx().Obj[1].W, 100);
  EXPECT_EQ(ctx().Obj[1].H, 100);
  EXPECT_EQ(as<QSpinBox>(kGadgetObjectW)->value(), 100);

  // A box drawn now lands in the new layer, under the pointer.
  MakeShape(kGadgetToolBox, At(120, 90), At(150, 110));
  EXPECT_EQ(ctx().Obj[1].HasShape, 1);
  EXPECT_EQ(ctx().Obj[1].Shape[0].X, 120);
  EXPECT_EQ(ctx().Obj[1].Shape[0].W, 30);
  EXPECT_EQ(ctx().Obj[0].HasShape, 0);
}

TEST_F(ObjectsAndPasteTest, LayerUpAndDownMoveLayersWhoseDepthsWereEqual) {
  ClickGadget(kGadgetObjectAdd);
  ClickGadget(kGadgetObjectAdd);
  // Deleting Object0 and adding again leaves two layers of the same depth.
  QTest::mouseClick(gadget(kGadgetLayerList), Qt::LeftButton, {}, QPoint(60, 2 * 25 + 10));
  ASSERT_EQ(ctx().CurrentObject, 0);
  ClickGadget(kGadgetObjectDelete);
  ClickGadget(kGadgetObjectAdd);
  ASSERT_EQ(ObjectNames(), (std::vector<std::string>{"Object1", "Object2", "Object2"}));
  ctx().Obj[2].Name = "Newest";
  ASSERT_EQ(ctx().Obj[1].Depth, ctx().Obj[2].Depth);

  ClickGadget(kGadgetObjectDown);
  EXPECT_EQ(ObjectNames(), (std::vector<std::string>{"Object1", "Newest", "Object2"}));
  EXPECT_EQ(ctx().CurrentObject, 1);
  ClickGadget(kGadgetObjectDown);
  EXPECT_EQ(ObjectNames(), (std::vector<std::string>{"Newest", "Object1", "Object2"}));
  ClickGadget(kGadgetObjectUp);
  EXPECT_EQ(ObjectNames(), (std::vector<std::string>{"Object1", "Newest", "Object2"}));
  EXPECT_EQ(ctx().CurrentObject, 1);
  // The saved depths keep the new order.
  EXPECT_LT(ctx().Obj[0].Depth, ctx().Obj[1].Depth);
  EXPECT_LT(ctx().Obj[1].Depth, ctx().Obj[2].Depth);
}

TEST_F(ObjectsAndPasteTest, PasteLandsUnderThePointerAtAnyZoomAndPanElseBesideTheOriginal) {
  ClickTool(kGadgetToolLine);
  Drag(At(40, 30), At(80, 60));
  const sShape line = shape(0);
  ASSERT_EQ(line.Pt[0].X, 40);
  Menu(kMenuCopyShape);

  Menu(kMenuZoom200);
  ctx().View.PanX = 30;
  ctx().View.PanY = 20;
  QCursor::setPos(canvas()->mapToGlobal(At(300, 240)));
  Menu(kMenuPaste);
  // Canvas (300, 240) at 200 % is (150, 120); less the pan (120, 100).
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 2u);
  const sShape& pasted = shape(1);
  EXPECT_EQ(pasted.X + pasted.Pt[0].X, 120);
  EXPECT_EQ(pasted.Y + pasted.Pt[0].Y, 100);
  EXPECT_EQ(pasted.Pt[1].X - pasted.Pt[0].X, 40);

  QCursor::setPos(session_->window->mapToGlobal(QPoint(-200, -200)));
  Menu(kMenuPaste);
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 3u);
  EXPECT_EQ(shape(2).X, line.X + 10);
  EXPECT_EQ(shape(2).Y, line.Y + 10);
}

TEST_F(ObjectsAndPasteTest, PasteClickedInTheMenuLandsBesideTheOriginalNotUnderTheMenu) {
  MakeShape(kGadgetToolBox, At(40, 40), At(80, 80));
  Menu(kMenuCopyShape);
  QAction* paste = session_->window->MenuAction(kMenuPaste);
  QMenu* edit = nullptr;
  for (QObject* holder : paste->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(holder)) edit = menu;
  }
  ASSERT_NE(edit, nullptr);
  // The menu opens over the canvas, so the click that chooses Paste is
  // over the drawing.
  edit->popup(canvas()->mapToGlobal(At(300, 200)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
  const QPoint item = edit->actionGeometry(paste).center();
  QCursor::setPos(edit->mapToGlobal(item));
  QTest::mouseClick(edit, Qt::LeftButton, {}, item);
  ASSERT_EQ(ctx().Obj[0].Shape.size(), 2u);
  EXPECT_EQ(shape(1).X, shape(0).X + 10);
  EXPECT_EQ(shape(1).Y, shape(0).Y + 10);

  // Ctrl+V with the pointer on the canvas still pastes under it.
  QCursor::setPos(canvas()->mapToGlobal(At(250, 150)));
  Menu(kMenuPaste);
  EXPECT_EQ(shape(2).X, 250);
  EXPECT_EQ(shape(2).Y, 150);
}

TEST_F(ObjectsAndPasteTest, TemplatesNeverRemoveAShapeTheUserLeftWithoutAName) {
  MakeShape(kGadgetToolBox, At(40, 40), At(80, 80));
  MakeShape(kGadgetToolBox, At(100, 40), At(140, 80));
  auto* name = as<QLineEdit>(kGadgetShapeName);
  name->setFocus();
  name->selectAll();
  QTest::keyClick(name, Qt::Key_Delete);
  ASSERT_EQ(shape(1).Name, "");

  ChooseTemplate("2-star.txt");
  ClickGadget(kGadgetShapeAdd);
  const std::vector<std::string> names = Names(0);
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[0], "Box_0");
  EXPECT_EQ(names[1], "");
  EXPECT_EQ(shape(1).X, 100);
  // The template's shapes follow, and no blank is left in front of them.
  for (size_t i = 2; i < names.size(); ++i) EXPECT_FALSE(names[i].empty()) << i;
  EXPECT_EQ(ctx().CurrentShape, 2);

  // The complex-shape tool on the canvas keeps it as well, and adds only
  // the star's one shape.
  ClickTool(kGadgetToolComplexShape);
  Drag(At(200, 200), At(200, 200));
  EXPECT_EQ(Names(0)[1], "");
  EXPECT_EQ(Names(0).size(), names.size() + 1);
}

TEST_F(ObjectsAndPasteTest, AMissingTemplateChangesNoShape) {
  ChooseTemplate("3-heart.txt");
  ASSERT_TRUE(std::filesystem::remove("data/shapes/3-heart.txt"));
  // An empty layer stays empty.
  ClickGadget(kGadgetShapeAdd);
  EXPECT_EQ(ctx().Obj[0].HasShape, 0);
  EXPECT_EQ(ctx().Obj[0].Shape.size(), 1u);

  MakeShape(kGadgetToolBox, At(40, 40), At(80, 80));
  TypeInto(kGadgetFxScale, "250");
  TypeInto(kGadgetFxWidth, "33");
  ASSERT_EQ(shape(0).Fx[0].Scale, 250);

  ClickGadget(kGadgetShapeAdd);
  ClickTool(kGadgetToolComplexShape);
  Drag(At(200, 200), At(200, 200));
  EXPECT_EQ(Names(0), std::vector<std::string>{"Box_0"});
  EXPECT_EQ(shape(0).Fx[0].Scale, 250);
  EXPECT_EQ(shape(0).Fx[0].Width, 33);
  EXPECT_EQ(shape(0).Fx[0].Name, "FX_0");
  EXPECT_EQ(shape(0).X, 40);
}

TEST_F(ObjectsAndPasteTest, MergeAddsLayersAndNeverOverwritesOne) {
  ASSERT_TRUE(WriteFileAtomically(
      "other.txt",
      "gen, ,0.13,\r\nobj,Merged,7,8,50,60,3,0,0\r\n"
      "shape,0,-1,Petal,255,0,1,1,1,1,20,20,,5,5,\r\nshapefx,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
      "pt,0,0,0,\r\n"));
  // The only shape deleted: the scene has no ready object.
  MakeShape(kGadgetToolBox, At(40, 40), At(80, 80));
  TypeInto(kGadgetObjectX, "15");
  Menu(kMenuDeleteShape);
  ASSERT_EQ(ctx().Obj[0].HasShape, 0);

  requesters_.FileAnswers.push_back("other.txt");
  Menu(kMenuMerge);
  ASSERT_EQ(ObjectNames(), (std::vector<std::string>{"Object0", "Merged"}));
  EXPECT_EQ(ctx().Obj[0].X, 15);
  EXPECT_EQ(ctx().Obj[0].W, 100);
  EXPECT_EQ(ctx().Obj[0].Shape.size(), 1u);
  EXPECT_EQ(ctx().Obj[0].HasShape, 0);
  EXPECT_EQ(ctx().Obj[1].X, 7);
  EXPECT_EQ(Names(1), std::vector<std::string>{"Petal"});
}

TEST_F(ObjectsAndPasteTest, SavingAfterAMergeOrATemplateWritesTheDocumentNotWhatCameIn) {
  const std::string other =
      "gen, ,0.13,\r\nobj,Merged,7,8,50,60,3,0,0\r\n"
      "shape,0,-1,Petal,255,0,1,1,1,1,20,20,,5,5,\r\nshapefx,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
      "pt,0,0,0,\r\n";
  ASSERT_TRUE(WriteFileAtomically("other.txt", other));
  MakeShape(kGadgetToolBox, At(40, 40), At(80, 80));
  requesters_.FileAnswers.push_back("mine.txt");
  Menu(kMenuSave);
  const std::string title = session_->window->windowTitle().toStdString();

  requesters_.FileAnswers.push_back("other.txt");
  Menu(kMenuMerge);
  Menu(kMenuSave);
  ClickTool(kGadgetToolComplexShape);
  Drag(At(200, 200), At(200, 200));
  Menu(kMenuSave);
  EXPECT_EQ(session_->window->windowTitle().toStdString(), title);
  std::string text;
  ASSERT_TRUE(ReadWholeFile("other.txt", text));
  EXPECT_EQ(text, other) << "the merged file is left as it was";
  ASSERT_TRUE(ReadWholeFile("mine.txt", text));
  EXPECT_NE(text.find("Petal"), std::string::npos);
  EXPECT_NE(text.find("Merged"), std::string::npos);
}

TEST_F(ObjectsAndPasteTest, ABadPictureIsReportedOnce) {
  ASSERT_TRUE(WriteFileAtomically("fake.png", "not a picture"));
  for (const char* file : {"fake.png", "missing.png"}) {
    requesters_.Messages.clear();
    requesters_.FileAnswers.push_back(file);
    ClickTool(kGadgetToolImage);
    Drag(At(60, 60), At(90, 90));
    ASSERT_EQ(requesters_.Messages.size(), 1u) << file;
    EXPECT_EQ(requesters_.Messages[0].Title, "Error");
    EXPECT_NE(requesters_.Messages[0].Text.find(file), std::string::npos);
  }
  EXPECT_EQ(ctx().Obj[0].HasShape, 0);
}

}  // namespace
}  // namespace tavisk
