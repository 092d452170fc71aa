// A long seeded run of random edits through the real window, then Undo until
// nothing is left to undo and Redo until nothing is left to redo: the
// document comes back byte for byte, and every state met on the way back is
// one the run went through.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QSpinBox>
#include <QTest>
#include <random>
#include <set>
#include <string>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "document/numeric.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"

namespace tavisk {
namespace {

class RandomEditHistoryTest : public test::EditorTest,
                              public ::testing::WithParamInterface<unsigned> {
 protected:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  QPoint AnyPoint() { return At(Uniform(20, 680), Uniform(20, 500)); }
  // A short way from a point: scales stay small enough to paint quickly.
  QPoint Near(QPoint from) { return from + QPoint(Uniform(-60, 60), Uniform(-60, 60)); }

  // A point of the current shape on screen when there is one (the view is
  // at 100 % without pan), else anywhere.
  QPoint PointOfCurrentShape() {
    const sShape* s = ctx().CurrentShapePtr();
    if (s == nullptr || s->Pt.empty()) return AnyPoint();
    const sPoint& p = s->Pt[static_cast<size_t>(Uniform(0, static_cast<int>(s->Pt.size()) - 1))];
    return At(static_cast<int>(s->X + p.X), static_cast<int>(s->Y + p.Y));
  }

  void Choose(int number, int index) {
    auto* combo = as<QComboBox>(number);
    if (index < 0 || index >= combo->count()) return;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  void Gesture(int tool, QPoint from, QPoint to) {
    ClickTool(tool);
    Drag(from, to);
  }

  void RandomOperation() {
    static constexpr int kDrawTools[] = {kGadgetToolBox,    kGadgetToolRoundBox,
                                         kGadgetToolCircle, kGadgetToolLine,
                                         kGadgetToolCurve,  kGadgetToolComplexShape};
    static constexpr int kSpins[] = {
        kGadgetShapeX, kGadgetShapeW, kGadgetShapeCX, kGadgetShapeAlpha, kGadgetShapeWidth,
        kGadgetPointX, kGadgetFxX,    kGadgetFxScale, kGadgetObjectX,    kGadgetObjectW};
    switch (Uniform(0, 17)) {
      case 0:
      case 1:
        Gesture(kDrawTools[Uniform(0, 5)], AnyPoint(), AnyPoint());
        break;
      case 2:
        Gesture(kGadgetToolMove, AnyPoint(), AnyPoint());
        break;
      case 3: {
        const QPoint from = AnyPoint();
        Gesture(kGadgetToolScale, from, Near(from));
        break;
      }
      case 4:
        Gesture(kGadgetToolRotate, AnyPoint(), AnyPoint());
        break;
      case 5:
        Gesture(kGadgetToolMove, PointOfCurrentShape(), AnyPoint());
        break;
      case 6: {
        const QPoint at = Uniform(0, 1) == 0 ? AnyPoint() : PointOfCurrentShape();
        Gesture(Uniform(0, 1) == 0 ? kGadgetToolAddPoint : kGadgetToolDeletePoint, at, at);
        break;
      }
      case 7: {
        const QPoint at = AnyPoint();
        Gesture(kGadgetToolSelect, at, at);
        break;
      }
      case 8:
      case 9: {
        auto* spin = as<QSpinBox>(kSpins[Uniform(0, 9)]);
        // One value or a held burst of them.
        for (int n = Uniform(1, 3); n > 0; --n) spin->setValue(Uniform(-50, 400));
        break;
      }
      case 10:
        if (Uniform(0, 1) == 0) Menu(kMenuCopyShape);
        Menu(kMenuPaste);
        break;
      case 11:
        if (Uniform(0, 1) == 0) {
          Menu(kMenuDeleteShape);
        } else {
          ClickGadget(kGadgetShapeDelete);
        }
        break;
      case 12: {
        static constexpr int kOrder[] = {kGadgetShapeUp, kGadgetShapeDown, kGadgetObjectUp,
                                         kGadgetObjectDown};
        ClickGadget(kOrder[Uniform(0, 3)]);
        break;
      }
      case 13:
        ClickGadget(Uniform(0, 1) == 0 ? kGadgetObjectAdd : kGadgetObjectDelete);
        break;
      case 14: {
        // A layer chosen in the layer list, the last one drawn on top.
        const int rows = static_cast<int>(ctx().Obj.size());
        QTest::mouseClick(gadget(kGadgetLayerList), Qt::LeftButton, {},
                          QPoint(60, Uniform(0, rows - 1) * 25 + 12));
        break;
      }
      case 15:
        Choose(kGadgetFxPresets, Uniform(0, as<QComboBox>(kGadgetFxPresets)->count() - 1));
        break;
      case 16:
        if (Uniform(0, 1) == 0) {
          ClickGadget(kGadgetFxAdd);
        } else {
          Choose(kGadgetShapeStyle, Uniform(0, 3));
        }
        break;
      default:
        requesters_.ColorAnswers.push_back(Uniform(0, 0xffffff));
        ClickGadget(kGadgetShapeColor);
        break;
    }
  }

  std::mt19937 random_;
};

TEST_P(RandomEditHistoryTest, UndoAllGivesTheFirstDocumentAndRedoAllTheLast) {
  random_.seed(GetParam());
  // A preset to apply, made before the run starts.
  MakeShape(kGadgetToolBox, At(100, 100), At(150, 150));
  as<QSpinBox>(kGadgetFxScale)->setValue(250);
  requesters_.InputAnswers.push_back("wide");
  ClickGadget(kGadgetFxPresetSave);
  Menu(kMenuNewDocument);
  ASSERT_FALSE(ItemEnabled(kMenuUndo));
  // Pastes land beside the original, not under a pointer that moves.
  QCursor::setPos(session_->window->mapToGlobal(QPoint(-200, -200)));

  const std::string initial = Bytes();
  std::set<std::string> seen{initial};
  constexpr int kOperations = 220;
  for (int i = 0; i < kOperations; ++i) {
    RandomOperation();
    seen.insert(Bytes());
  }
  const std::string final = Bytes();
  ASSERT_GT(seen.size(), 40u) << "the run changed the document many times";

  int undos = 0;
  while (ItemEnabled(kMenuUndo) && undos <= kOperations) {
    Menu(kMenuUndo);
    ++undos;
    ASSERT_TRUE(seen.count(Bytes()) == 1) << "after undo " << undos << ", a state never made";
  }
  EXPECT_LE(undos, kOperations);
  EXPECT_EQ(Bytes(), initial);
  int redos = 0;
  while (ItemEnabled(kMenuRedo) && redos <= kOperations) {
    Menu(kMenuRedo);
    ++redos;
  }
  EXPECT_EQ(redos, undos);
  EXPECT_EQ(Bytes(), final);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEditHistoryTest, ::testing::Values(1u, 7u, 1234u, 90210u));

}  // namespace
}  // namespace tavisk
