#include "document/document_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "document/editor_context.h"

namespace tavisk {

namespace {

// Appends into a string grown in large steps; each line first reserves its
// worst-case length, so the field writers need no checks of their own.
class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}
  ~LineWriter() { out_.resize(used_); }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void Reserve(size_t bytes) {
    if (used_ + bytes <= out_.size()) return;
    out_.resize(std::max(out_.size() * 2, used_ + bytes + (1u << 16)));
  }
  void Text(std::string_view text) {
    std::memcpy(out_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  void Char(char c) { out_[used_++] = c; }
  void Int(int64_t value) {
    char* begin = out_.data() + used_;
    used_ = static_cast<size_t>(std::to_chars(begin, begin + 20, value).ptr - out_.data());
  }
  // A number followed by the field separator.
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
  }

 private:
  std::string& out_;
  size_t used_ = 0;
};

// Room for every number of the longest line with all its separators.
constexpr size_t kNumbersRoom = 24 * 16 + 16;

void WriteShape(LineWriter& w, const sShape& s, size_t index) {
  w.Reserve(kNumbersRoom + s.Name.size() + s.Text.size() + s.FontName.size() +
            s.ImageFile.size());
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
    w.Reserve(kNumbersRoom);
    w.Text("shapefx,");
    for (int64_t value : {static_cast<int64_t>(k), int64_t{fx.X}, int64_t{fx.Y}, fx.Color,
                          int64_t{fx.Alpha}, int64_t{fx.Depth}, int64_t{fx.Typ}, fx.Width,
                          fx.Height, fx.Dist, int64_t{fx.Scale}, int64_t{fx.P1},
                          int64_t{fx.P2}}) {
      w.Field(value);
    }
    w.Int(fx.Actif);
    w.EndLine();
  }
  for (size_t l = 0; l < s.Pt.size(); ++l) {
    w.Reserve(kNumbersRoom);
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
  {
    LineWriter w(out);
    w.Reserve(kNumbersRoom);
    w.Text("gen, ,");
    w.Field(kVersionText);
    w.EndLine();
    for (const sObject& o : objects) {
      w.Reserve(kNumbersRoom + o.Name.size());
      w.Text("obj,");
      w.Field(o.Name);
      for (int64_t value : {o.X, o.Y, int64_t{o.W}, int64_t{o.H}, int64_t{o.Depth},
                            int64_t{o.Hide}}) {
        w.Field(value);
      }
      w.Int(o.Locked);
      w.EndLine();
      for (size_t i = 0; i < o.Shape.size(); ++i) WriteShape(w, o.Shape[i], i);
    }
  }
  return out;
}

}  // namespace tavisk
