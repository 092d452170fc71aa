#include "io/purebasic/source_export.h"

#include <cstdint>

#include "document/complex_chain.h"
#include "document/special_file_message.h"
#include "platform/clock.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

constexpr const char* kEol = "\r\n";

// Point coordinates fill 64 bits and shape offsets add to them: sums are
// taken in 128 bits, so extreme points export their true values instead of
// overflowing.
using Coordinate = __int128;

struct Reference {
  Coordinate MinX = 1000;
  Coordinate MinY = 1000;
};

// The top-left corner the coordinates are written from: a candidate counts
// only when it is smaller on both axes at once.
Reference FindReference(const sObject& object) {
  Reference ref;
  const sShape* chosen = &object.Shape.front();
  auto consider = [&](const sShape& shape, Coordinate a, Coordinate b) {
    if (a < ref.MinX && b < ref.MinY) {
      ref.MinX = a;
      ref.MinY = b;
      chosen = &shape;
    }
  };
  for (const sShape& shape : object.Shape) {
    switch (shape.Typ) {
      case kCircle: {
        const int64_t a = int64_t{shape.X} - shape.W;
        const int64_t b = int64_t{shape.Y} - shape.H;
        if (a >= shape.W && b >= shape.H) consider(shape, a, b);
        break;
      }
      case kBox:
      case kRoundBox:
        if (shape.X >= 0 && shape.Y >= 1) consider(shape, shape.X, shape.Y);
        break;
      case kComplexShape:
      case kLine:
      case kCurve:
        for (const sPoint& point : shape.Pt) {
          consider(shape, Coordinate{point.X} + shape.X, Coordinate{point.Y} + shape.Y);
        }
        break;
      default:
        break;
    }
  }
  if (chosen->Typ == kBox || chosen->Typ == kRoundBox || chosen->Typ == kCircle) {
    if (ref.MinX < 0) ref.MinX = 0;
    if (ref.MinY < 0) ref.MinY = 0;
  }
  return ref;
}

std::string Num(Coordinate value) {
  if (value >= INT64_MIN && value <= INT64_MAX) return std::to_string(static_cast<int64_t>(value));
  const bool negative = value < 0;
  unsigned __int128 magnitude =
      negative ? 0 - static_cast<unsigned __int128>(value) : static_cast<unsigned __int128>(value);
  std::string digits;
  for (; magnitude != 0; magnitude /= 10) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
  }
  return negative ? "-" + digits : digits;
}

// A string expression the target compiler reads back as text: characters
// that cannot stand inside a literal are concatenated as Chr() calls.
std::string StringExpression(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\r' || c == '\n') {
      out += "\" + Chr(" + Num(static_cast<unsigned char>(c)) + ") + \"";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

class ShapeWriter {
 public:
  ShapeWriter(std::string& out, const sShape& shape, const Reference& ref)
      : out_(out),
        shape_(shape),
        dx_(Coordinate{shape.X} - ref.MinX),
        dy_(Coordinate{shape.Y} - ref.MinY) {}

  void Write() {
    Line("    MovePathCursor(" + Num(PX(0)) + "*Z, " + Num(PY(0)) + "*Z)");
    switch (shape_.Typ) {
      case kComplexShape:
        WriteCurves();
        break;
      case kBox:
        Line("    AddPathBox(" + At(0) + ", " + Sizes() + ")");
        break;
      case kCircle:
        Line("    AddPathEllipse(" + At(0) + ", " + Sizes() + ")");
        break;
      case kText:
        Line("    MovePathCursor((" + Num(dx_) + "+x)*Z, (" + Num(dy_) + "+y)*Z)");
        Line("    VectorFont(FontID(Font), (" + Num(shape_.W) + "*ScaleX)*Z)");
        Line("    txt$ = " + StringExpression(shape_.Text) +
             " ; you can comment this line if needed and use the txt parameter in the procedure");
        Line("    AddPathText(txt$)");
        break;
      default:
        break;
    }
    if (shape_.Link == 0) WritePaint();
  }

 private:
  Coordinate PX(int64_t k) const { return shape_.Pt[static_cast<size_t>(k)].X + dx_; }
  Coordinate PY(int64_t k) const { return shape_.Pt[static_cast<size_t>(k)].Y + dy_; }
  std::string At(int64_t k) const { return "(" + Num(PX(k)) + "+x)*Z, (" + Num(PY(k)) + "+y)*Z"; }
  std::string Sizes() const {
    return "(" + Num(shape_.W) + "*ScaleX)*Z, (" + Num(shape_.H) + "*ScaleY)*Z";
  }
  void Line(const std::string& text) { out_ += text + kEol; }

  // The chain's figures: segments over the points taken three by three, a
  // closed figure ending back on its start (document/complex_chain.h).
  void WriteCurves() {
    WalkComplexChain(
        shape_.Pt,
        [this](int64_t start) {
          if (start != 0) Line("    MovePathCursor(" + At(start) + ")");
        },
        [this](const ChainSegment& s) {
          Line("    AddPathCurve(" + At(s.a) + ", " + At(s.b) + ", " + At(s.c) + ")");
        });
  }

  void WritePaint() {
    Line("");
    Line("    VectorSourceColor(" + Num(shape_.Color) + ")");
    switch (shape_.Style) {
      case kFilled:
        Line("    FillPath()");
        break;
      case kLineStyle:
        Line("    StrokePath(" + Num(shape_.Width) + ",#PB_Path_RoundEnd)");
        break;
      case kDash:
        Line("    DashPath(" + Num(shape_.Width) + ", " + Num(shape_.Height) + ")");
        break;
      case kDot:
        Line("    DotPath(" + Num(shape_.Width) + ", " + Num(shape_.Dist) + ",#PB_Path_RoundEnd)");
        break;
      default:
        break;
    }
    Line("");
    Line("");
  }

  std::string& out_;
  const sShape& shape_;
  const Coordinate dx_;
  const Coordinate dy_;
};

// The layer name as a procedure name: a blank or any other character that
// cannot stand in a name would stop the exported code from compiling, so it
// becomes "_"; a name that is empty or starts with a digit gets a "_" first.
std::string ProcedureName(const std::string& name) {
  std::string out;
  for (const char c : name) {
    // One "_" for a whole UTF-8 character: its continuation bytes add none.
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
    const bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      (c >= '0' && c <= '9') || c == '_';
    out += word ? c : '_';
  }
  if (out.empty() || (out[0] >= '0' && out[0] <= '9')) out.insert(out.begin(), '_');
  return out;
}

}  // namespace

std::string ObjectSourceText(const sObject& object, const std::string& date) {
  const Reference ref = FindReference(object);
  std::string out;
  auto line = [&out](const std::string& text) { out += text + kEol; };
  line(std::string("; Made with Tavisk ! ") + kVersionText);
  line("; Date : " + date);
  line("; Pb Version : 5.42 + ");
  line("");
  line("Global Zoom.f = 1");
  line("");
  line("");
  line("Procedure " + ProcedureName(object.Name) + "(x,y,ScaleX.f=1,ScaleY.f=1,font=-1,txt$=\"\")");
  line("");
  line("    Protected Z.f");
  line("    Z = Zoom");
  for (const sShape& shape : object.Shape) {
    if (shape.Hide == 0) ShapeWriter(out, shape, ref).Write();
  }
  line("");
  line("EndProcedure ");
  line("");
  line("");
  return out;
}

std::string SourceFileName(const std::string& answer) {
  const size_t slash = answer.find_last_of('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  std::string name;
  for (size_t i = start; i < answer.size();) {
    if (answer.compare(i, 3, ".pb") == 0) {
      i += 3;
    } else {
      name += answer[i++];
    }
  }
  const size_t dot = name.find_last_of('.');
  const bool hasPbExtension = dot != std::string::npos && name.substr(dot + 1) == "pb";
  if (!hasPbExtension) name += ".pb";
  return answer.substr(0, start) + name;
}

bool SaveObjectSource(const EditorContext& ctx, const std::string& answer) {
  if (answer.empty() || !ValidIndex(ctx.Obj, ctx.CurrentObject)) return false;
  const sObject& object = ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
  return WriteFileAtomically(SourceFileName(answer), ObjectSourceText(object, TodayDate()));
}

void ExportObjectSource(EditorContext& ctx) {
  const std::string answer =
      ctx.Req->SaveFile("Save Purebasic Command...", CurrentDirectory() + "/",
                        "Pb files (.pb)|*.pb|All Files|*.*", 0);
  if (!SaveObjectSource(ctx, answer) && !answer.empty() && IsSpecialFile(SourceFileName(answer))) {
    TellNotARegularFile(*ctx.Req, SourceFileName(answer));
  }
}

}  // namespace tavisk
