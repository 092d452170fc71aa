#include "render/scene_snapshot.h"

namespace tavisk {

SceneSnapshot TakeSnapshot(const EditorContext& ctx, const CanvasView& view) {
  SceneSnapshot snapshot;
  EditorContext& scene = snapshot.scene;
  scene.Obj = ctx.Obj;
  scene.CurrentObject = ctx.CurrentObject;
  scene.CurrentShape = ctx.CurrentShape;
  scene.CurrentPoint = ctx.CurrentPoint;
  scene.CurrentFx = ctx.CurrentFx;
  scene.Options = ctx.Options;
  scene.Pictures = ctx.Pictures;
  scene.Fonts = ctx.Fonts;
  snapshot.view = view;
  return snapshot;
}

}  // namespace tavisk
