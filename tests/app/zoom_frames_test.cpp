// Zoom steps show a scaled copy at once and the sharp frame when it lands;
// once things settle the canvas is what a full redraw of the final state
// paints, whatever was asked for meanwhile.
#include <QElapsedTimer>

#include "app/menu_table.h"
#include "editor_fixture.h"
#include "render/canvas_renderer.h"

namespace tavisk::test {
namespace {

class ZoomFramesTest : public EditorTest {
 protected:
  // Runs the event loop until the sharp frame has landed; false when it has
  // not within a generous bound.
  bool SharpFrameLanded() {
    QElapsedTimer waited;
    waited.start();
    while (session_->frames->FramePending() && waited.elapsed() < 20000) {
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return !session_->frames->FramePending();
  }

  // What a redraw from nothing paints for the current state.
  QImage FullRedraw() {
    QImage image(canvas()->Image().size(), QImage::Format_ARGB32_Premultiplied);
    CanvasRenderer fresh;
    fresh.Redraw(ctx(), ctx().View, image);
    return image;
  }

  QPoint Scaled(QPoint scene) {
    const double zoom = ZoomFactor(ctx().Options);
    return QPoint(static_cast<int>(zoom * (scene.x() + ctx().View.PanX)),
                  static_cast<int>(zoom * (scene.y() + ctx().View.PanY)));
  }
};

TEST_F(ZoomFramesTest, AZoomStepShowsTheScaledCopyAtOnceThenTheSharpFrame) {
  MakeShape(kGadgetToolBox, At(100, 100), At(200, 180));
  ASSERT_TRUE(SharpFrameLanded());
  const QPoint inside = Scaled(QPoint(150, 140)) * 2;
  const QRgb background = canvas()->Image().pixel(inside);
  Menu(kMenuZoom200);
  ASSERT_TRUE(session_->frames->FramePending());
  const QRgb boxInCopy = canvas()->Image().pixel(inside);
  EXPECT_NE(boxInCopy, background) << "the copy is already scaled";
  ASSERT_TRUE(SharpFrameLanded());
  EXPECT_EQ(canvas()->Image().pixel(inside), boxInCopy);
  EXPECT_EQ(canvas()->Image(), FullRedraw());
}

// Several quick steps, each cancelling the frame before, with a key nudge,
// a view option and a press that selects another shape while frames paint.
TEST_F(ZoomFramesTest, QuickZoomStepsWithEditsMeanwhileSettleOnAFullRedraw) {
  DrawLineAndBox();
  MakeShape(kGadgetToolCircle, At(250, 200), At(330, 260));
  ClickTool(kGadgetToolMove);
  ASSERT_TRUE(SharpFrameLanded());
  Menu(kMenuZoomIn);
  EXPECT_TRUE(session_->frames->FramePending());
  Menu(kMenuZoomIn);
  canvas()->setFocus();
  QTest::keyClick(canvas(), Qt::Key_Right);
  Menu(kMenuZoomIn);
  Menu(kMenuShowGrid);
  const sShape circle = shape(2);
  EXPECT_EQ(ctx().CurrentShape, 2);
  // Inside the box, which is below the pointer at the new zoom.
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, At(0, 0) + Scaled(QPoint(150, 140)));
  EXPECT_EQ(ctx().CurrentShape, 1) << "the press picks at the zoom it was made at";
  // The press painted at once: this step's frame is the one to land, and
  // the nudge made meanwhile must be caught up with.
  Menu(kMenuZoomOut);
  const int16_t boxY = shape(1).Y;
  QTest::keyClick(canvas(), Qt::Key_Down);
  EXPECT_EQ(shape(1).Y, boxY + 1);
  ASSERT_TRUE(SharpFrameLanded());
  EXPECT_EQ(shape(2).X, circle.X);
  EXPECT_EQ(ctx().Options.Zoom, 102);
  EXPECT_EQ(canvas()->Image(), FullRedraw());
}

}  // namespace
}  // namespace tavisk::test
