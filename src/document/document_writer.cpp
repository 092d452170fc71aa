#include "document/document_writer.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "document/editor_context.h"

namespace tavisk {

namespace {

// Builds lines in a buffer and appends it in large blocks: the output string
// is reserved once and never zero-filled, so each page is touched once.
class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void Text(std::string_view text) {
    if (used_ + text.size() > sizeof line_) {
      Flush();
      if (text.size() > sizeof line_) {
        out_.append(text);
        return;
      }
    }
    std::memcpy(line_ + used_, text.data(), text.size());
    used_ += text.size();
  }
  void Char(char c) {
    if (used_ == sizeof line_) Flush();
    line_[used_++] = c;
  }
  void Int(int64_t value) {
    if (used_ + kIntRoom > sizeof line_) Flush();
    uint64_t magnitude = static_cast<uint64_t>(value);
    if (value < 0) {
      line_[used_++] = '-';
      magnitude = 0 - magnitude;
    }
    char digits[kIntRoom];
    char* first = digits + kIntRoom;
    do {
      *--first = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    const size_t count = static_cast<size_t>(digits + kIntRoom - first);
    std::memcpy(line_ + used_, first, count);
    used_ += count;
  }
  // A value followed by the field separator.
  void Field(int64_t value) {
    Int(value);
    Char(',');
  }
  void Field(std::string_view text) {
    Text(text);
    Char(',');
  }
  void EndLine() {
    Char('\r');
    Char('\n');
    if (used_ > sizeof line_ - kLineRoom) Flush();
  }
  void Finish() { Flush(); }

 private:
  static constexpr size_t kIntRoom = 20;  // "-9223372036854775808"
  static constexpr size_t kLineRoom = 1024;  // most lines are far shorter

  void Flush() {
    out_.append(line_, used_);
    used_ = 0;
  }

  std::string& out_;
  char line_[1 << 16];
  size_t used_ = 0;
};

// Close to the real size for usual documents, so the output grows once.
size_t EstimatedSize(const std::vector<sObject>& objects) {
  size_t bytes = 32;
  for (const sObject& o : objects) {
    bytes += 48 + o.Name.size();
    for (const sShape& s : o.Shape) {
      bytes += 80 + s.Name.size() + s.Text.size() + s.FontName.size() + s.ImageFile.size();
      bytes += s.Fx.size() * 64 + s.Pt.size() * 24;
    }
  }
  return bytes;
}

void WriteShape(LineWriter& w, const sShape& s, size_t index) {
  w.Text("shape,");
  w.Field(static_cast<int64_t>(index));
  w.Field(s.Color);
  w.Field(s.Name);
  w.Field(s.Alpha);
  w.Field(s.Style);
  w.Field(s.Width);
  w.Field(s.Height);
  w.Field(s.Dist);
  w.Field(s.Typ);
  w.Field(s.W);
  w.Field(s.H);
  if (s.Typ == kText) {
    w.Text(s.Text);
    w.Char(';');
    w.Text(s.FontName);
    w.Char(';');
    w.Int(s.FontStyle);
    w.Char(';');
  } else if (s.Typ == kImage) {
    // ImageP2 to ImageP6 are never set and keep their places as 0.
    w.Text(s.ImageFile);
    w.Char(';');
    w.Int(s.ImageP1);
    w.Text(";0;0;0;0;0;");
  }
  w.Char(',');
  w.Field(s.X);
  w.Field(s.Y);
  w.EndLine();

  for (size_t k = 0; k < s.Fx.size(); ++k) {
    const sShapeFx& fx = s.Fx[k];
    w.Text("shapefx,");
    for (int64_t value : {static_cast<int64_t>(k), int64_t{fx.X}, int64_t{fx.Y}, fx.Color,
                          int64_t{fx.Alpha}, int64_t{fx.Depth}, int64_t{fx.Typ}, fx.Width,
                          fx.Height, fx.Dist, int64_t{fx.Scale}, int64_t{fx.P1}, int64_t{fx.P2}}) {
      w.Field(value);
    }
    w.Int(fx.Actif);
    w.EndLine();
  }
  for (size_t l = 0; l < s.Pt.size(); ++l) {
    w.Text("pt,");
    w.Field(static_cast<int64_t>(l));
    w.Field(s.Pt[l].X);
    w.Field(s.Pt[l].Y);
    w.EndLine();
  }
}

}  // namespace

std::string WriteDocumentText(const std::vector<sObject>& objects) {
  std::string out;
  out.reserve(EstimatedSize(objects));
  {
    LineWriter w(out);
    w.Text("gen, ,");
    w.Field(kVersionText);
    w.EndLine();
    for (const sObject& o : objects) {
      w.Text("obj,");
      w.Field(o.Name);
      for (int64_t value :
           {o.X, o.Y, int64_t{o.W}, int64_t{o.H}, int64_t{o.Depth}, int64_t{o.Hide}}) {
        w.Field(value);
      }
      w.Int(o.Locked);
      w.EndLine();
      for (size_t i = 0; i < o.Shape.size(); ++i) WriteShape(w, o.Shape[i], i);
    }
    w.Finish();
  }
  return out;
}

}  // namespace tavisk
