#include "edit/pointer_to_scene.h"

#include "document/numeric.h"

namespace tavisk {

QTransform ObjectTransform(const sObject& object) {
  QTransform transform;
  transform.scale(object.W * 0.01, object.H * 0.01);
  transform.translate(object.CenterX, object.CenterY);
  transform.rotate(object.Angle);
  transform.translate(-object.CenterX, -object.CenterY);
  transform.translate(static_cast<double>(object.X), static_cast<double>(object.Y));
  return transform;
}

std::optional<ScenePointer> PointerToScene(const Editor& ctx, double pointerX, double pointerY) {
  // A zoom of 0 (a member missing from the options) would divide by zero;
  // the conversion then works as at 1 %.
  const double zoom = ctx.Options.Zoom > 0 ? ZoomFactor(ctx.Options) : 0.01;
  const double rx = static_cast<double>(RoundInt(pointerX / zoom));
  const double ry = static_cast<double>(RoundInt(pointerY / zoom));
  QTransform transform;
  if (ValidIndex(ctx.Obj, ctx.CurrentObject)) {
    transform = ObjectTransform(ctx.Obj[static_cast<size_t>(ctx.CurrentObject)]);
  }
  bool invertible = false;
  const QTransform inverse = transform.inverted(&invertible);
  if (!invertible) return std::nullopt;
  const QPointF user = inverse.map(QPointF(rx, ry));
  ScenePointer p;
  p.MX = RoundInt(user.x());
  p.MY = RoundInt(user.y());
  p.SX = p.MX - ctx.View.PanX;
  p.SY = p.MY - ctx.View.PanY;
  return p;
}

}  // namespace tavisk
