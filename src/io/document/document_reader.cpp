#include "io/document/document_reader.h"

#include <charconv>

#include "document/field_text.h"
#include "document/numeric.h"

namespace tavisk {

namespace {

// Hand-rolled and inlined: this runs for every number of every line.
inline int64_t ParseInt(std::string_view field) {
  const char* p = field.data();
  const char* const end = p + field.size();
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  while (p != end && *p == '0') ++p;
  const char* const digits = p;
  uint64_t value = 0;
  while (p != end && static_cast<unsigned char>(*p - '0') < 10) {
    if (p - digits == 19) return 0;  // beyond 64 bits
    value = value * 10 + static_cast<unsigned>(*p - '0');
    ++p;
  }
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  if (value > limit) return 0;
  return negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
}

// The bytes that end a field: its separator, CR and LF; one table look-up
// per byte instead of three comparisons.
struct StopTable {
  explicit constexpr StopTable(char separator) : At() {
    At[static_cast<unsigned char>(separator)] = true;
    At[static_cast<unsigned char>('\r')] = true;
    At[static_cast<unsigned char>('\n')] = true;
  }
  bool At[256];
};
constexpr StopTable kCommaStops(',');
constexpr StopTable kSemicolonStops(';');

// The fields of one line, numbered from 1 as the format numbers them; a
// missing field reads as empty. No line of the format uses more than 15.
// Splitting and finding the end of the line (CR, LF or CR LF) are one pass
// over the bytes: lines and fields are short, and a library call per line
// cost more than the loop.
class Fields {
 public:
  // Splits from p to the end of its line; *next is where the following line
  // starts.
  Fields(const char* p, const char* end, char separator, const char** next) {
    const StopTable& stops = separator == ',' ? kCommaStops : kSemicolonStops;
    for (;;) {
      const char* stop = p;
      while (stop != end && !stops.At[static_cast<unsigned char>(*stop)]) ++stop;
      if (count_ < kMaxFields) fields_[count_++] = {p, static_cast<size_t>(stop - p)};
      if (stop == end || *stop != separator) {
        if (stop == end) {
          *next = end;
        } else {
          *next = stop + (*stop == '\r' && stop + 1 != end && stop[1] == '\n' ? 2 : 1);
        }
        return;
      }
      p = stop + 1;
    }
  }
  std::string_view Text(size_t number) const {
    if (number < 1 || number > count_) return {};
    return {fields_[number - 1].Start, fields_[number - 1].Size};
  }
  int64_t Int(size_t number) const { return ParseInt(Text(number)); }

 private:
  static constexpr size_t kMaxFields = 16;
  // Left uninitialised on purpose: only the first count_ are ever read, and
  // clearing the array cost more than splitting the line.
  struct Span {
    const char* Start;
    size_t Size;
  };
  Span fields_[kMaxFields];
  size_t count_ = 0;
};

// The sub-fields of a shape's type data, separated by ";".
Fields SubFields(std::string_view field) {
  const char* next = nullptr;
  return Fields(field.data(), field.data() + field.size(), ';', &next);
}

// At least 1: widths, dash lengths and dot distances below 1 break drawing.
int16_t AtLeastOne(int64_t value) {
  const int16_t narrowed = Wrap16(value);
  return narrowed < 1 ? int16_t{1} : narrowed;
}

// The tags DocumentReader::Line reads; every other line is skipped.
bool IsDocumentTag(std::string_view tag) {
  return tag == "pt" || tag == "shapefx" || tag == "shape" || tag == "obj" || tag == "gen";
}

// Tolerate a byte-order mark that another editor may have put in front.
std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

class DocumentReader {
 public:
  DocumentReader(EditorContext& ctx, int mode, const PictureLoader& loadPicture)
      : ctx_(ctx), mode_(mode), loadPicture_(loadPicture) {
    if (mode_ == kLoadReplace) {
      ctx_.Obj.assign(1, sObject{});
      ctx_.ObjReady = -1;
      ctx_.CurrentObject = 0;
      ctx_.CurrentShape = 0;
      ctx_.CurrentFx = 0;
      ctx_.CurrentPoint = 0;
    } else if (!ValidIndex(ctx_.Obj, ctx_.CurrentObject)) {
      ctx_.CurrentObject = LastIndex(ctx_.Obj);
    }
    objIndex_ = mode_ == kLoadReplace ? 0 : LastIndex(ctx_.Obj);
  }

  void Line(const Fields& f) {
    const std::string_view tag = f.Text(1);
    if (tag == "pt") {
      Point(f);
    } else if (tag == "shapefx") {
      Fx(f);
    } else if (tag == "shape") {
      Shape(f);
    } else if (tag == "obj") {
      Object(f);
    } else if (tag == "gen") {
      General(f);
    }
  }

  bool TextsCut() const { return textsCut_; }

 private:
  sObject& Current() { return ctx_.Obj[static_cast<size_t>(ctx_.CurrentObject)]; }

  // Makes index a valid index of array, within the bounds of the header.
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

  void General(const Fields& f) {
    version_ = ParseDocumentVersion(f.Text(3));
    if (mode_ == kLoadMerge) {
      // A file from before the "obj" lines holds one object at 100 %: it is
      // added as well.
      if (version_ < 0.08 && TakeFromGapBudget() && AddMergedObject(f.Text(2))) {
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
    if (version_ < 0.08) {
      // Before objects had lines of their own, this line named the first one.
      if (ValidIndex(ctx_.Obj, objIndex_)) {
        sObject& named = ctx_.Obj[static_cast<size_t>(objIndex_)];
        if (named.Name.empty()) {
          named.Name =
              f.Text(2).empty() ? "Object" + std::to_string(objIndex_) : std::string(f.Text(2));
        }
      }
      if (current.H <= 0) current.H = 100;
      if (current.W <= 0) current.W = 100;
      if (mode_ == kLoadReplace) current.W = current.H = 100;
    }
  }

  // Merged objects are always added, whatever the scene holds: a merge never
  // writes into an object that was there before it.
  bool AddMergedObject(std::string_view name) {
    const int64_t index = static_cast<int64_t>(ctx_.Obj.size());
    if (index >= kMaxArrayElements) return false;
    ctx_.Obj.emplace_back();
    objIndex_ = index;
    ctx_.CurrentObject = index;
    Current().Name = name.empty() ? "Object" + std::to_string(index) : std::string(name);
    shapeBase_ = 0;
    merged_ = true;
    return true;
  }

  void Object(const Fields& f) {
    if (mode_ == kLoadMerge) {
      if (!AddMergedObject(f.Text(2))) return;
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
      if (named.Name.empty()) {
        named.Name =
            f.Text(2).empty() ? "Object" + std::to_string(objIndex_) : std::string(f.Text(2));
      }
    }
    sObject& o = Current();
    o.X = f.Int(3);
    o.Y = f.Int(4);
    o.W = Wrap16(f.Int(5));
    o.H = Wrap16(f.Int(6));
    o.Depth = Wrap8(f.Int(7));
    o.Hide = Wrap8(f.Int(8));
    o.Locked = Wrap8(f.Int(9));
    shapeBase_ = 0;
  }

  void Shape(const Fields& f) {
    const int64_t field = f.Int(2);
    if (field < 0 || field >= kMaxArrayElements) return;
    // Shapes before any object line of a merged file go into an object of
    // their own.
    if (mode_ == kLoadMerge && !merged_ && !AddMergedObject("")) return;
    const int64_t index = field + shapeBase_;
    sObject& o = Current();
    if (!GrowTo(o.Shape, index)) return;
    lastShape_ = index;
    sShape& s = o.Shape[static_cast<size_t>(index)];
    s.Id = index;
    s.Id8 = Wrap8(index);
    s.Color = f.Int(3);
    if (f.Text(4).empty()) {
      s.Name = "shape_" + std::to_string(index);
    } else {
      s.Name.assign(f.Text(4));
    }
    s.Alpha = Wrap8(f.Int(5));
    if (version_ < 0.13 && s.Alpha == 0) s.Alpha = 255;
    s.Style = Wrap8(f.Int(6));
    s.Width = AtLeastOne(f.Int(7));
    s.Height = AtLeastOne(f.Int(8));
    s.Dist = AtLeastOne(f.Int(9));
    s.Typ = Wrap8(f.Int(10));
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
    s.W = Wrap16(f.Int(11));
    s.H = Wrap16(f.Int(12));
    const Fields data = SubFields(f.Text(13));
    if (s.Typ == kText) {
      s.Text = data.Text(1);
      textsCut_ = CutToBytes(s.Text, kMaxTextBytes) || textsCut_;
      s.FontName = data.Text(2);
      s.FontStyle = data.Int(3);
      s.Font = ctx_.Fonts.Load(s.FontName, s.W, s.FontStyle);
    } else if (s.Typ == kImage) {
      s.ImageFile = data.Text(1);
      s.Image = loadPicture_ ? loadPicture_(s.ImageFile) : 0;
      s.ImageP1 = Wrap16(data.Int(2));
    }
    s.X = Wrap16(f.Int(14));
    s.Y = Wrap16(f.Int(15));
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

  void Fx(const Fields& f) {
    sShape* s = LastShape();
    const int64_t k = f.Int(2);
    if (s == nullptr || !GrowTo(s->Fx, k)) return;
    sShapeFx& fx = s->Fx[static_cast<size_t>(k)];
    fx.Name = "fx_" + std::to_string(k);
    fx.X = Wrap16(f.Int(3));
    fx.Y = Wrap16(f.Int(4));
    fx.Color = f.Int(5);
    fx.Alpha = Wrap8(f.Int(6));
    fx.Depth = Wrap8(f.Int(7));
    fx.Typ = Wrap8(f.Int(8));
    fx.Width = f.Int(9);
    fx.Height = f.Int(10);
    fx.Dist = f.Int(11);
    fx.Scale = Wrap16(f.Int(12));
    fx.P1 = Wrap16(f.Int(13));
    fx.P2 = Wrap16(f.Int(14));
    fx.Actif = Wrap8(f.Int(15));
  }

  void Point(const Fields& f) {
    sShape* s = LastShape();
    const int64_t l = f.Int(2);
    if (s == nullptr || !GrowTo(s->Pt, l)) return;
    s->Pt[static_cast<size_t>(l)].X = f.Int(3);
    s->Pt[static_cast<size_t>(l)].Y = f.Int(4);
  }

  EditorContext& ctx_;
  const int mode_;
  const PictureLoader& loadPicture_;
  int64_t objIndex_ = 0;
  int64_t shapeBase_ = 0;
  int64_t lastShape_ = 0;
  double version_ = 0;
  int64_t gapBudget_ = kMaxGapElements;
  bool textsCut_ = false;
  bool merged_ = false;  // a merge has added its first object
};

}  // namespace

int64_t ParseDocumentInt(std::string_view field) {
  return ParseInt(field);
}

double ParseDocumentVersion(std::string_view field) {
  double value = 0;
  const auto result =
      std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
  return result.ec == std::errc() ? value : 0;
}

bool HoldsDocumentLine(std::string_view text) {
  text = WithoutByteOrderMark(text);
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end) {
    const char* next = nullptr;
    if (IsDocumentTag(Fields(p, end, ',', &next).Text(1))) return true;
    p = next;
  }
  return false;
}

void ReadDocumentText(EditorContext& ctx, int mode, std::string_view text,
                                    const PictureLoader& loadPicture) {
  text = WithoutByteOrderMark(text);
  // One budget report for all the pictures of the document.
  ctx.Pictures.StartBatch();
  DocumentReader reader(ctx, mode, loadPicture);
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end) {
    const char* next = nullptr;
    reader.Line(Fields(p, end, ',', &next));
    p = next;
  }
  // One message for the whole file, however many texts were cut.
  if (reader.TextsCut() && ctx.Req != nullptr) {
    ctx.Req->Message("Load", kTextCutMessage, MessageIcon::Info);
  }
}

}  // namespace tavisk
