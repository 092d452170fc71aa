#include "render/shape_memo.h"

#include "render/hasher.h"

namespace tavisk {

uint64_t ShapeFingerprint(const EditorContext& ctx, const sObject& object, int64_t index,
                          const QTransform& t, const QPainterPath& pending, const QRectF& area) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  Hasher h;
  h.Add(pending.isEmpty() ? uint64_t{0} : HashPath(pending));
  for (double v : {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()}) h.Add(v);
  for (double v : {area.x(), area.y(), area.width(), area.height()}) h.Add(v);
  h.Add(object.X);
  h.Add(object.Y);
  h.Add(static_cast<int64_t>(index == LastIndex(object.Shape)));
  h.Add(int64_t{shape.Typ} | int64_t{shape.Close} << 8 | int64_t{shape.Link} << 16 |
        int64_t{shape.Style} << 24 | int64_t{shape.Alpha} << 32);
  h.Add(int64_t{shape.X} << 48 ^ int64_t{shape.Y} << 32 ^ int64_t{shape.W} << 16 ^
        (int64_t{shape.H} & 0xFFFF));
  h.Add(int64_t{shape.Width} << 32 ^ int64_t{shape.Height} << 16 ^ (int64_t{shape.Dist} & 0xFFFF));
  h.Add(shape.Color);
  if (shape.Typ == kText) {
    h.Add(shape.Text);
    if (const FontSpec* font = ctx.Fonts.Get(shape.Font)) {
      h.Add(font->Name);
      h.Add(font->Style);
    } else {
      h.Add(int64_t{-1});
    }
  }
  if (shape.Typ == kImage) {
    const QImage* picture = ctx.Pictures.Get(shape.Image);
    h.Add(picture != nullptr ? static_cast<int64_t>(picture->cacheKey()) : int64_t{-1});
  }
  h.Add(static_cast<int64_t>(shape.Pt.size()));
  for (const sPoint& p : shape.Pt) {
    h.Add(p.X);
    h.Add(p.Y);
  }
  h.Add(static_cast<int64_t>(shape.Fx.size()));
  for (const sShapeFx& fx : shape.Fx) {
    h.Add(int64_t{fx.Actif} | int64_t{fx.Depth} << 8 | int64_t{fx.Typ} << 16);
    if (fx.Actif != 1) continue;
    h.Add(int64_t{fx.X} << 32 ^ int64_t{fx.Y} << 16 ^ (int64_t{fx.Scale} & 0xFFFF));
    h.Add(fx.Color);
    h.Add(fx.Width);
    h.Add(fx.Height);
    h.Add(fx.Dist);
  }
  return h.Value();
}

const ShapeDrawing* ShapeMemo::Find(int64_t object, int64_t shape, uint64_t fingerprint) const {
  if (object < 0 || object >= static_cast<int64_t>(entries_.size())) return nullptr;
  const auto& shapes = entries_[static_cast<size_t>(object)];
  if (shape < 0 || shape >= static_cast<int64_t>(shapes.size())) return nullptr;
  const Entry& entry = shapes[static_cast<size_t>(shape)];
  return entry.valid && entry.fingerprint == fingerprint ? &entry.drawing : nullptr;
}

void ShapeMemo::Keep(int64_t object, int64_t shape, uint64_t fingerprint, ShapeDrawing drawing) {
  if (object < 0 || shape < 0) return;
  if (entries_.size() <= static_cast<size_t>(object)) entries_.resize(static_cast<size_t>(object) + 1);
  auto& shapes = entries_[static_cast<size_t>(object)];
  if (shapes.size() <= static_cast<size_t>(shape)) shapes.resize(static_cast<size_t>(shape) + 1);
  shapes[static_cast<size_t>(shape)] = Entry{true, fingerprint, std::move(drawing)};
}

}  // namespace tavisk
