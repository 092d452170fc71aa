#include <QGuiApplication>
#include <QElapsedTimer>
#include <cstdio>
#include "render/canvas_renderer.h"
#include "scene_generator.h"
using namespace tavisk;
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  EditorContext ctx;
  bench::SceneSpec spec; spec.shapes = atoi(argv[1]); spec.seed = 2026;
  bench::GenerateScene(ctx, spec);
  ctx.Options.ShowCameraBorder = 1; ctx.Options.ShowGrid = 1;
  sObject& object = ctx.Obj.front();
  int64_t dragged = 0;
  for (int64_t j = 0; j < (int64_t)object.Shape.size(); ++j) { auto& s = object.Shape[j]; if (s.Typ == kBox && s.Style == kFilled && s.W > 80 && s.W < 160) dragged = j; }
  sShape& shape = object.Shape[dragged];
  QImage canvas(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  CanvasRenderer r;
  ctx.CurrentShape = dragged; shape.Selected = 1; ctx.PickState = 1; ctx.DragMode = 2;
  QElapsedTimer t; t.start();
  r.Redraw(ctx, canvas, 0, 0, 1);
  printf("first %lld ms dragged %lld\n", t.elapsed(), (long long)dragged);
  for (int i = 0; i < (argc > 2 ? atoi(argv[2]) : 10); ++i) {
    shape.X += 3;
    t.restart();
    r.Redraw(ctx, canvas, shape.X, shape.Y, 1);
    printf("frame %lld us below %lld above %lld above bounds %dx%d\n", t.nsecsElapsed()/1000, (long long)r.Below().LastRepaintedArea(), (long long)r.Above().LastRepaintedArea(), r.Above().ContentBounds().width(), r.Above().ContentBounds().height());
  }
}
