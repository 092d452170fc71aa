#include "edit/document_loading.h"

#include "document/field_text.h"
#include "document/numeric.h"
#include "document/object_creation.h"

namespace tavisk {

namespace {

// Places the lines one by one, in the order of the file: where a line goes
// depends on the mode and on the lines before it.
class DocumentPlacement {
 public:
  DocumentPlacement(EditorContext& ctx, int mode, const PictureLoader& loadPicture)
      : ctx_(ctx), mode_(mode), loadPicture_(loadPicture) {
    if (mode_ == kLoadReplace) {
      ClearScene(ctx_);
    } else if (!ValidIndex(ctx_.Obj, ctx_.CurrentObject)) {
      ctx_.CurrentObject = LastIndex(ctx_.Obj);
    }
    objIndex_ = mode_ == kLoadReplace ? 0 : LastIndex(ctx_.Obj);
  }

  void operator()(const GeneralLine& line) { General(line); }
  void operator()(const ObjectLine& line) { Object(line); }
  void operator()(const ShapeLine& line) { Shape(line); }
  void operator()(const FxLine& line) { Fx(line); }
  void operator()(const PointLine& line) { Point(line); }

 private:
  sObject& Current() { return ctx_.Obj[static_cast<size_t>(ctx_.CurrentObject)]; }

  // Makes index a valid index of array, within the bounds of the reader.
  template <typename T>
  bool GrowTo(std::vector<T>& array, int64_t index) {
    if (index < 0 || index >= kMaxArrayElements) return false;
    const int64_t size = static_cast<int64_t>(array.size());
    if (index < size) return true;
    const int64_t gap = index - size;
    if (gap > gapBudget_) return false;
    gapBudget_ -= gap;
    array.resize(static_cast<size_t>(index) + 1);
    return true;
  }

  // Outside replace mode every "gen" line adds a blank element that the
  // file's shapes may never fill: each one is paid from the gap budget, so a
  // file of nothing but "gen" lines stays bounded.
  bool TakeFromGapBudget() {
    if (gapBudget_ <= 0) return false;
    --gapBudget_;
    return true;
  }

  void General(const GeneralLine& line) {
    const bool old = line.Version < 0.08;
    if (mode_ == kLoadMerge) {
      // A file from before the "obj" lines holds one object at 100 %: it is
      // added as well.
      if (old && TakeFromGapBudget() && AddMergedObject(line.Name)) {
        Current().W = Current().H = 100;
      }
      return;
    }
    sObject& current = Current();
    if (mode_ == kLoadReplace) {
      ResizeToLast(current.Shape, 0);
    } else if (static_cast<int64_t>(current.Shape.size()) < kMaxArrayElements &&
               TakeFromGapBudget()) {
      current.Shape.emplace_back();
      shapeBase_ = LastIndex(current.Shape);
    }
    if (old) {
      // Before objects had lines of their own, this line named the first one.
      if (ValidIndex(ctx_.Obj, objIndex_)) {
        sObject& named = ctx_.Obj[static_cast<size_t>(objIndex_)];
        if (named.Name.empty()) named.Name = NameOrDefault(line.Name, objIndex_);
      }
      if (current.H <= 0) current.H = 100;
      if (current.W <= 0) current.W = 100;
      if (mode_ == kLoadReplace) current.W = current.H = 100;
    }
  }

  static std::string NameOrDefault(const std::string& name, int64_t index) {
    return name.empty() ? "Object" + std::to_string(index) : name;
  }

  // Merged objects are always added, whatever the scene holds: a merge never
  // writes into an object that was there before it.
  bool AddMergedObject(const std::string& name) {
    const int64_t index = static_cast<int64_t>(ctx_.Obj.size());
    if (index >= kMaxArrayElements) return false;
    ctx_.Obj.emplace_back();
    objIndex_ = index;
    ctx_.CurrentObject = index;
    Current().Name = NameOrDefault(name, index);
    shapeBase_ = 0;
    merged_ = true;
    return true;
  }

  void Object(const ObjectLine& line) {
    if (mode_ == kLoadMerge) {
      if (!AddMergedObject(line.Name)) return;
    } else {
      int64_t index = LastIndex(ctx_.Obj);
      const bool append = ctx_.ObjReady >= 1 && mode_ != kLoadTemplate;
      if (append) ++index;
      if (index >= kMaxArrayElements) return;
      if (!append) ctx_.ObjReady = 1;
      objIndex_ = index;
      if (mode_ == kLoadTemplate) {
        objIndex_ = ctx_.CurrentObject;
        shapeBase_ = static_cast<int64_t>(Current().Shape.size());
        return;
      }
      ResizeToLast(ctx_.Obj, objIndex_);
      ctx_.CurrentObject = objIndex_;
      sObject& named = Current();
      if (named.Name.empty()) named.Name = NameOrDefault(line.Name, objIndex_);
    }
    sObject& o = Current();
    o.X = line.X;
    o.Y = line.Y;
    o.W = line.W;
    o.H = line.H;
    o.Depth = line.Depth;
    o.Hide = line.Hide;
    o.Locked = line.Locked;
    shapeBase_ = 0;
  }

  void Shape(const ShapeLine& line) {
    // Shapes before any object line of a merged file go into an object of
    // their own.
    if (mode_ == kLoadMerge && !merged_ && !AddMergedObject("")) return;
    const int64_t index = line.Index + shapeBase_;
    sObject& o = Current();
    if (!GrowTo(o.Shape, index)) return;
    lastShape_ = index;
    sShape& s = o.Shape[static_cast<size_t>(index)];
    s.Id = index;
    s.Id8 = Wrap8(index);
    s.Color = line.Color;
    s.Name = line.Name.empty() ? "shape_" + std::to_string(index) : line.Name;
    s.Alpha = line.Alpha;
    s.Style = line.Style;
    s.Width = line.Width;
    s.Height = line.Height;
    s.Dist = line.Dist;
    s.Typ = line.Typ;
    switch (s.Typ) {
      case kBox:
      case kRoundBox:
      case kCircle:
      case kLine:
      case kImage:
      case kText:
        ResizeToLast(s.Pt, 0);
        break;
      default:
        break;
    }
    s.W = line.W;
    s.H = line.H;
    if (s.Typ == kText) {
      s.Text = line.Text;
      s.FontName = line.FontName;
      s.FontStyle = line.FontStyle;
      s.Font = ctx_.Fonts.Load(s.FontName, s.W, s.FontStyle);
    } else if (s.Typ == kImage) {
      s.ImageFile = line.ImageFile;
      s.Image = loadPicture_ ? loadPicture_(s.ImageFile) : 0;
      s.ImageP1 = line.ImageP1;
    }
    s.X = line.X;
    s.Y = line.Y;
    o.HasShape = 1;
  }

  // The shape the last "shape" line named; nullptr when the current object
  // has no such shape (an "obj" line may have switched objects since), or
  // when a merge has not yet added an object.
  sShape* LastShape() {
    if (mode_ == kLoadMerge && !merged_) return nullptr;
    sObject& o = Current();
    return ValidIndex(o.Shape, lastShape_) ? &o.Shape[static_cast<size_t>(lastShape_)] : nullptr;
  }

  void Fx(const FxLine& line) {
    sShape* s = LastShape();
    if (s == nullptr || !GrowTo(s->Fx, line.Index)) return;
    s->Fx[static_cast<size_t>(line.Index)] = line.Fx;
  }

  void Point(const PointLine& line) {
    sShape* s = LastShape();
    if (s == nullptr || !GrowTo(s->Pt, line.Index)) return;
    s->Pt[static_cast<size_t>(line.Index)].X = line.X;
    s->Pt[static_cast<size_t>(line.Index)].Y = line.Y;
  }

  EditorContext& ctx_;
  const int mode_;
  const PictureLoader& loadPicture_;
  int64_t objIndex_ = 0;
  int64_t shapeBase_ = 0;
  int64_t lastShape_ = 0;
  int64_t gapBudget_ = kMaxGapElements;
  bool merged_ = false;  // a merge has added its first object
};

}  // namespace

void PlaceDocument(EditorContext& ctx, int mode, const DocumentReadResult& read,
                   const PictureLoader& loadPicture) {
  // One budget report for all the pictures of the document.
  ctx.Pictures.StartBatch();
  DocumentPlacement placement(ctx, mode, loadPicture);
  read.Lines.ForEach(placement);
  // One message for the whole file, however many texts were cut.
  if (read.Has(DocumentDiagnostic::TextsCut) && ctx.Req != nullptr) {
    ctx.Req->Message("Load", kTextCutMessage, MessageIcon::Info);
  }
}

void LoadDocumentText(EditorContext& ctx, int mode, std::string_view text,
                      const PictureLoader& loadPicture) {
  PlaceDocument(ctx, mode, ReadDocument(text), loadPicture);
}

}  // namespace tavisk
