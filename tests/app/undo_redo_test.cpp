// Undo and Redo through the Edit menu after each kind of edit a user makes:
// on the canvas, in the panels and from the menus. Undo gives back the
// document as it was before the edit, Redo as it was after, and the menu
// item names the step.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

class UndoRedoTest : public test::EditorTest {
 public:
  // The table's edits drive the window as the fixture does.
  using EditorTest::as;
  using EditorTest::At;
  using EditorTest::ClickGadget;
  using EditorTest::ClickTool;
  using EditorTest::ctx;
  using EditorTest::Drag;
  using EditorTest::MakeShape;
  using EditorTest::Menu;
  using EditorTest::requesters_;
  using EditorTest::session_;

  void Gesture(int tool, QPoint from, QPoint to) {
    ClickTool(tool);
    Drag(from, to);
  }

  // The line picked with the select tool: it becomes the current shape.
  void PickLine() {
    Gesture(kGadgetToolSelect, At(350, 101), At(350, 101));
    ASSERT_EQ(ctx().CurrentShape, 0);
  }

  void Choose(int number, const QString& text) {
    auto* combo = as<QComboBox>(number);
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  void Choose(int number, int index) {
    auto* combo = as<QComboBox>(number);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
};

struct EditCase {
  const char* label;
  const char* step;  // the name the Undo item shows for it
  std::function<void(UndoRedoTest&)> prepare;
  std::function<void(UndoRedoTest&)> edit;
};

void PrintTo(const EditCase& c, std::ostream* os) {
  *os << c.label;
}

class EachEditUndoes : public UndoRedoTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EachEditUndoes, UndoGivesTheDocumentBeforeAndRedoTheOneAfter) {
  const EditCase& c = GetParam();
  DrawLineAndBox();
  if (c.prepare) c.prepare(*this);
  const std::string before = Bytes();
  c.edit(*this);
  const std::string after = Bytes();
  ASSERT_NE(before, after) << "the edit changed the document";
  EXPECT_EQ(ItemText(kMenuUndo), std::string("Undo ") + c.step + "\tCtrl+Z");
  EXPECT_FALSE(ItemEnabled(kMenuRedo));

  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(ItemText(kMenuRedo), std::string("Redo ") + c.step + "\tCtrl+Shift+Z");
  EXPECT_TRUE(ItemEnabled(kMenuRedo));
  Menu(kMenuRedo);
  EXPECT_EQ(Bytes(), after);
  EXPECT_FALSE(ItemEnabled(kMenuRedo));
  // Back and forth once more: a step can be travelled again.
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), before);
  Menu(kMenuRedo);
  EXPECT_EQ(Bytes(), after);
}

std::string CaseName(const ::testing::TestParamInfo<EditCase>& info) {
  return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, EachEditUndoes,
    ::testing::Values(EditCase{"Draw", "Draw shape", nullptr,
                               [](UndoRedoTest& t) {
                                 t.MakeShape(kGadgetToolCircle, t.At(500, 300), t.At(560, 360));
                               }},
                      EditCase{"Move", "Move", nullptr,
                               [](UndoRedoTest& t) {
                                 t.Gesture(kGadgetToolMove, t.At(150, 140), t.At(170, 175));
                               }},
                      EditCase{"Scale", "Scale", nullptr,
                               [](UndoRedoTest& t) {
                                 t.Gesture(kGadgetToolScale, t.At(150, 140), t.At(200, 140));
                               }},
                      EditCase{"Rotate", "Rotate", [](UndoRedoTest& t) { t.PickLine(); },
                               [](UndoRedoTest& t) {
                                 t.Gesture(kGadgetToolRotate, t.At(350, 101), t.At(550, 101));
                               }},
                      EditCase{"PointDrag", "Move point", [](UndoRedoTest& t) { t.PickLine(); },
                               [](UndoRedoTest& t) {
                                 t.Gesture(kGadgetToolMove, t.At(400, 100), t.At(420, 130));
                               }},
                      EditCase{"AddPoint", "Add point", [](UndoRedoTest& t) { t.PickLine(); },
                               [](UndoRedoTest& t) {
                                 t.Gesture(kGadgetToolAddPoint, t.At(350, 200), t.At(350, 200));
                               }},
                      EditCase{"DeletePoint", "Delete point",
                               [](UndoRedoTest& t) {
                                 t.PickLine();
                                 t.Gesture(kGadgetToolAddPoint, t.At(350, 200), t.At(350, 200));
                               },
                               [](UndoRedoTest& t) {
                                 t.Gesture(kGadgetToolDeletePoint, t.At(350, 200), t.At(350, 200));
                               }}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Panels, EachEditUndoes,
    ::testing::Values(
        EditCase{"Colour", "Change colour", nullptr,
                 [](UndoRedoTest& t) {
                   t.requesters_.ColorAnswers.push_back(0x3366cc);
                   t.ClickGadget(kGadgetShapeColor);
                 }},
        EditCase{"Spin", "Move shape", nullptr,
                 [](UndoRedoTest& t) { t.as<QSpinBox>(kGadgetShapeX)->setValue(250); }},
        EditCase{"Name", "Rename shape", nullptr,
                 [](UndoRedoTest& t) {
                   auto* name = t.as<QLineEdit>(kGadgetShapeName);
                   name->setFocus();
                   name->selectAll();
                   QTest::keyClicks(name, "roof");
                 }},
        EditCase{"Style", "Change style", nullptr,
                 [](UndoRedoTest& t) {
                   const int style = t.as<QComboBox>(kGadgetShapeStyle)->currentIndex();
                   t.Choose(kGadgetShapeStyle, (style + 2) % 4);
                 }},
        EditCase{"FxAdd", "Add Fx", nullptr, [](UndoRedoTest& t) { t.ClickGadget(kGadgetFxAdd); }},
        EditCase{"FxPreset", "Apply Fx preset",
                 [](UndoRedoTest& t) {
                   t.as<QSpinBox>(kGadgetFxScale)->setValue(250);
                   t.requesters_.InputAnswers.push_back("wide");
                   t.ClickGadget(kGadgetFxPresetSave);
                   t.as<QSpinBox>(kGadgetFxScale)->setValue(100);
                 },
                 [](UndoRedoTest& t) { t.Choose(kGadgetFxPresets, QStringLiteral("wide")); }},
        EditCase{"Template", "Insert template", nullptr,
                 [](UndoRedoTest& t) {
                   t.Choose(kGadgetShapeLibrary, QStringLiteral("2-star.txt"));
                   t.ClickGadget(kGadgetShapeAdd);
                 }},
        EditCase{"ShapeDelete", "Delete shape", nullptr,
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetShapeDelete); }},
        EditCase{"ShapeUp", "Reorder shapes", nullptr,
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetShapeUp); }},
        EditCase{"ShapeDown", "Reorder shapes",
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetShapeUp); },
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetShapeDown); }},
        EditCase{"ObjectAdd", "Add object", nullptr,
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetObjectAdd); }},
        EditCase{"ObjectDelete", "Delete object",
                 [](UndoRedoTest& t) {
                   t.ClickGadget(kGadgetObjectAdd);
                   t.MakeShape(kGadgetToolCircle, t.At(500, 300), t.At(560, 360));
                 },
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetObjectDelete); }},
        EditCase{"ObjectDown", "Reorder objects",
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetObjectAdd); },
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetObjectDown); }},
        EditCase{"ObjectUp", "Reorder objects",
                 [](UndoRedoTest& t) {
                   t.ClickGadget(kGadgetObjectAdd);
                   t.ClickGadget(kGadgetObjectDown);
                 },
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetObjectUp); }},
        EditCase{"ObjectLock", "Lock object", nullptr,
                 [](UndoRedoTest& t) { t.ClickGadget(kGadgetObjectLock); }}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Menus, EachEditUndoes,
    ::testing::Values(EditCase{"Paste", "Paste", [](UndoRedoTest& t) { t.Menu(kMenuCopyShape); },
                               [](UndoRedoTest& t) {
                                 QCursor::setPos(
                                     t.session_->window->mapToGlobal(QPoint(-200, -200)));
                                 t.Menu(kMenuPaste);
                               }},
                      EditCase{"DeleteShape", "Delete the current shape", nullptr,
                               [](UndoRedoTest& t) { t.Menu(kMenuDeleteShape); }},
                      EditCase{"Merge", "Merge",
                               [](UndoRedoTest& t) {
                                 ASSERT_TRUE(WriteFileAtomically(
                                     "other.txt",
                                     "gen, ,0.13,\r\nobj,Merged,7,8,50,60,3,0,0\r\n"
                                     "shape,0,-1,Petal,255,0,1,1,1,1,20,20,,5,5,\r\n"
                                     "shapefx,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\npt,0,0,0,\r\n"));
                                 t.requesters_.FileAnswers.push_back("other.txt");
                               },
                               [](UndoRedoTest& t) { t.Menu(kMenuMerge); }},
                      EditCase{"AddObject", "Add a new object", nullptr,
                               [](UndoRedoTest& t) { t.Menu(kMenuAddObject); }},
                      // As the object panel's delete button does.
                      EditCase{"DeleteObject", "Delete the current object",
                               [](UndoRedoTest& t) {
                                 t.Menu(kMenuAddObject);
                                 t.MakeShape(kGadgetToolCircle, t.At(500, 300), t.At(560, 360));
                               },
                               [](UndoRedoTest& t) { t.Menu(kMenuDeleteObject); }}),
    CaseName);

// The point menu's and the boolean items: each is one step. The box (shape
// 1) is current after the drawing; the line is shape 0.
INSTANTIATE_TEST_SUITE_P(
    PointAndShapeMenus, EachEditUndoes,
    ::testing::Values(
        EditCase{"ConvertBoxToComplex", "Convert to complexe shape", nullptr,
                 [](UndoRedoTest& t) { t.Menu(kMenuPointToComplex); }},
        EditCase{"CloseLine", "Close path", [](UndoRedoTest& t) { t.PickLine(); },
                 [](UndoRedoTest& t) { t.Menu(kMenuPointClosePath); }},
        EditCase{"AddPointAfter", "Add point after this point",
                 [](UndoRedoTest& t) {
                   t.PickLine();
                   t.ctx().CurrentPoint = 0;
                 },
                 [](UndoRedoTest& t) { t.Menu(kMenuPointAddAfter); }},
        EditCase{"JoinThenSeparate", "Separate all sub-shape to shape",
                 [](UndoRedoTest& t) {
                   t.Menu(kMenuSelectAll);
                   t.Menu(kMenuPointJoin);
                   ASSERT_EQ(t.ctx().CurrentObjectPtr()->Shape.size(), 1u);
                 },
                 [](UndoRedoTest& t) { t.Menu(kMenuPointSeparate); }},
        EditCase{"Union", "Union", [](UndoRedoTest& t) { t.Menu(kMenuSelectAll); },
                 [](UndoRedoTest& t) { t.Menu(kMenuUnion); }}),
    CaseName);

// Select All writes where the next drag starts into the shapes; that is not
// the document: no step, and a saved drawing stays saved.
TEST_F(UndoRedoTest, SelectAllWithTheMoveToolMakesNoStep) {
  DrawLineAndBox();
  requesters_.FileAnswers.push_back("drawing.txt");
  Menu(kMenuSaveCopy);
  const std::string undo = ItemText(kMenuUndo);
  const std::string title = session_->window->windowTitle().toStdString();
  ClickTool(kGadgetToolMove);
  Menu(kMenuSelectAll);
  EXPECT_EQ(ctx().Obj[0].Shape[0].Selected, 1);
  EXPECT_EQ(ItemText(kMenuUndo), undo);
  EXPECT_EQ(session_->window->windowTitle().toStdString(), title);
  EXPECT_EQ(title.find('*'), std::string::npos);
}

// A boolean operation that would leave nothing tells why and changes
// nothing: a line has no area to intersect the box with.
TEST_F(UndoRedoTest, ABooleanOperationWithNoResultTellsTheUserAndMakesNoStep) {
  DrawLineAndBox();
  Menu(kMenuSelectAll);
  const std::string before = Bytes();
  const std::string undo = ItemText(kMenuUndo);
  Menu(kMenuIntersection);
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(ItemText(kMenuUndo), undo);
  ASSERT_EQ(requesters_.Messages.size(), 1u);
  EXPECT_NE(requesters_.Messages[0].Text.find("at least two shapes"), std::string::npos);
}

// Where the editor stands: the current object, shape, point and Fx, and
// which shapes are selected.
struct Cursor {
  int64_t object, shape, point, fx;
  std::vector<std::vector<int>> selected;
  bool operator==(const Cursor&) const = default;
};

void PrintTo(const Cursor& c, std::ostream* os) {
  *os << "object " << c.object << " shape " << c.shape << " point " << c.point << " fx " << c.fx
      << " selected";
  for (const auto& layer : c.selected) {
    *os << " [";
    for (int s : layer) *os << s;
    *os << "]";
  }
}

TEST_F(UndoRedoTest, StepsRestoreTheCurrentObjectShapePointFxAndSelection) {
  const auto cursor = [this] {
    Cursor c{ctx().CurrentObject, ctx().CurrentShape, ctx().CurrentPoint, ctx().CurrentFx, {}};
    for (const sObject& object : ctx().Obj) {
      c.selected.emplace_back();
      for (const sShape& s : object.Shape) c.selected.back().push_back(s.Selected);
    }
    return c;
  };
  DrawLineAndBox();
  // Each edit, with where the editor stood just before and just after it.
  struct Record {
    std::string bytes;
    Cursor before, after;
  };
  std::vector<Record> records;
  const auto edit = [&](const std::function<void()>& action) {
    const Cursor before = cursor();
    action();
    records.push_back({Bytes(), before, cursor()});
  };
  const std::string initial = Bytes();
  edit([this] { ClickGadget(kGadgetFxAdd); });
  edit([this] { ClickGadget(kGadgetFxAdd); });
  PickLine();
  edit([this] {
    ClickTool(kGadgetToolAddPoint);
    Drag(At(350, 200), At(350, 200));
  });
  edit([this] {
    ClickTool(kGadgetToolMove);
    Drag(At(400, 100), At(410, 120));
  });
  // Not a step: the move after it restores the selection it made.
  Menu(kMenuSelectAll);
  edit([this] {
    ClickTool(kGadgetToolMove);
    Drag(At(150, 140), At(160, 150));
  });
  edit([this] { ClickGadget(kGadgetObjectAdd); });
  edit([this] { MakeShape(kGadgetToolCircle, At(500, 300), At(560, 360)); });
  edit([this] { as<QSpinBox>(kGadgetShapeX)->setValue(420); });
  ASSERT_NE(records.front().after, records.back().after);

  for (size_t i = records.size(); i-- > 0;) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(ItemEnabled(kMenuUndo));
    Menu(kMenuUndo);
    EXPECT_EQ(Bytes(), i == 0 ? initial : records[i - 1].bytes);
    EXPECT_EQ(cursor(), records[i].before);
  }
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Draw shape\tCtrl+Z") << "the drawing's own steps are left";
  for (size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(i);
    Menu(kMenuRedo);
    EXPECT_EQ(Bytes(), records[i].bytes);
    EXPECT_EQ(cursor(), records[i].after);
  }
}

TEST_F(UndoRedoTest, AHeldSpinIsOneStepUntilTheFocusLeavesOrAnotherEditBegins) {
  DrawLineAndBox();
  session_->window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(session_->window.get()));
  const std::string drawn = Bytes();
  auto* x = as<QSpinBox>(kGadgetShapeX);
  x->setFocus();
  for (int value = 101; value <= 110; ++value) x->setValue(value);
  ASSERT_EQ(shape(1).X, 110);
  const std::string moved = Bytes();
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Move shape\tCtrl+Z");

  canvas()->setFocus();
  x->setFocus();
  for (int value = 111; value <= 115; ++value) x->setValue(value);
  const std::string movedAgain = Bytes();
  // Another kind of edit closes the burst as well.
  ClickGadget(kGadgetFxAdd);
  for (int value = 116; value <= 120; ++value) x->setValue(value);
  const std::string last = Bytes();

  Menu(kMenuUndo);
  EXPECT_EQ(shape(1).X, 115);
  EXPECT_EQ(shape(1).Fx.size(), 2u);
  Menu(kMenuUndo);
  EXPECT_EQ(shape(1).Fx.size(), 1u);
  EXPECT_EQ(Bytes(), movedAgain);
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), moved) << "the focus left between the bursts";
  Menu(kMenuUndo);
  EXPECT_EQ(Bytes(), drawn) << "the first burst of ten values is one step";
  EXPECT_EQ(x->value(), 100) << "the panel follows the undo";
  EXPECT_EQ(ItemText(kMenuUndo), "Undo Draw shape\tCtrl+Z");

  for (int i = 0; i < 4; ++i) Menu(kMenuRedo);
  EXPECT_EQ(Bytes(), last);
  EXPECT_FALSE(ItemEnabled(kMenuRedo));
}

}  // namespace
}  // namespace tavisk
