#include "edit/figure_split_join.h"

#include <algorithm>
#include <string>
#include <vector>

#include "document/complex_chain.h"
#include "document/numeric.h"
#include "edit/point_arithmetic.h"
#include "edit/shape_outline.h"

namespace tavisk {

namespace {

// Order keys follow the drawing order again after shapes were inserted or
// removed, as they are rebuilt on load.
void RenumberOrderKeys(sObject& object) {
  for (size_t i = 0; i < object.Shape.size(); ++i) {
    object.Shape[i].Id = static_cast<int64_t>(i);
    object.Shape[i].Id8 = Wrap8(static_cast<int64_t>(i));
  }
}

bool NameTaken(const sObject& object, const std::string& name) {
  return std::any_of(object.Shape.begin(), object.Shape.end(),
                     [&](const sShape& s) { return s.Name == name; });
}

std::string NameOfPiece(const sObject& object, const std::string& base, int64_t& counter) {
  std::string name;
  do {
    name = base + "_" + std::to_string(++counter);
  } while (NameTaken(object, name));
  return name;
}

// Clears the links of the run of linked shapes that holds shape index.
void UnlinkRun(sObject& object, int64_t index) {
  std::vector<sShape>& shapes = object.Shape;
  int64_t first = index;
  while (first > 0 && shapes[static_cast<size_t>(first - 1)].Link != 0) --first;
  int64_t last = index;
  while (last < LastIndex(shapes) && shapes[static_cast<size_t>(last)].Link != 0) ++last;
  if (first == last) return;
  for (int64_t i = first; i <= last; ++i) shapes[static_cast<size_t>(i)].Link = 0;
}

// One shape per figure of a complex shape; true when it had several.
bool SplitFigures(sObject& object, int64_t index) {
  const sShape whole = object.Shape[static_cast<size_t>(index)];
  if (whole.Typ != kComplexShape) return false;
  const std::vector<ChainFigure> figures = FiguresOfChain(whole.Pt);
  if (figures.size() < 2) return false;
  std::vector<sShape> pieces;
  int64_t counter = 1;
  for (const ChainFigure& figure : figures) {
    sShape piece = whole;
    piece.Pt = ChainOfFigures({figure});
    if (!pieces.empty()) piece.Name = NameOfPiece(object, whole.Name, counter);
    pieces.push_back(std::move(piece));
  }
  object.Shape[static_cast<size_t>(index)] = std::move(pieces.front());
  object.Shape.insert(object.Shape.begin() + index + 1, std::make_move_iterator(pieces.begin() + 1),
                      std::make_move_iterator(pieces.end()));
  return true;
}

}  // namespace

void SeparateFigures(EditorContext& ctx) {
  sObject* object = ctx.CurrentObjectPtr();
  const sShape* shape = ctx.CurrentShapePtr();
  if (object == nullptr || shape == nullptr || object->HasShape == 0) return;
  UnlinkRun(*object, ctx.CurrentShape);
  if (!SplitFigures(*object, ctx.CurrentShape)) return;
  RenumberOrderKeys(*object);
  ctx.CurrentPoint = std::min(ctx.CurrentPoint, LastIndex(ctx.CurrentShapePtr()->Pt));
}

void JoinSelectedShapes(EditorContext& ctx) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr || object->HasShape == 0) return;
  std::vector<int64_t> members;
  std::vector<ChainFigure> figures;
  for (int64_t i = 0; i <= LastIndex(object->Shape); ++i) {
    const sShape& shape = object->Shape[static_cast<size_t>(i)];
    if (shape.Selected == 0 && i != ctx.CurrentShape) continue;
    std::vector<ChainFigure> own = ShapeAsFigures(shape);
    if (own.empty()) continue;
    // Points are relative to their shape; the joined shape takes the first
    // one's position.
    const sShape& base = object->Shape[static_cast<size_t>(members.empty() ? i : members.front())];
    for (ChainFigure& figure : own) {
      for (sPoint& p : figure) p = Offset(p, shape.X - base.X, shape.Y - base.Y);
      figures.push_back(std::move(figure));
    }
    members.push_back(i);
  }
  if (members.size() < 2) return;
  sShape& joined = object->Shape[static_cast<size_t>(members.front())];
  joined.Typ = kComplexShape;
  joined.Pt = ChainOfFigures(figures);
  joined.Link = 0;
  joined.Selected = 1;
  for (auto i = members.rbegin(); i + 1 != members.rend(); ++i) {
    object->Shape.erase(object->Shape.begin() + *i);
  }
  RenumberOrderKeys(*object);
  ctx.CurrentShape = members.front();
  ctx.CurrentPoint = 0;
}

}  // namespace tavisk
