#include "io/document/document_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "document/editor_context.h"
#include "document/field_text.h"

namespace tavisk {

namespace {

// Builds lines in a buffer and hands it to the sink in large blocks. The
// buffer always keeps kLineRoom bytes free for the numbers and separators of
// a line (at most 16 numbers of 20 characters), so only texts need a check.
class LineWriter {
 public:
  explicit LineWriter(const TextSink& sink) : sink_(sink) {}
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  // The format's own words ("shape,", the version): short, and never holding
  // a separator they are not meant to.
  void Literal(std::string_view text) {
    if (used_ + text.size() + kLineRoom > sizeof buffer_) Flush();
    std::memcpy(buffer_ + used_, text.data(), text.size());
    used_ += text.size();
  }
  // Names, texts, font names and picture paths, whoever set them: their
  // separators and line breaks are replaced as when typed, so no stored
  // string can end a field or a line early. inTypeData: the text goes into
  // the type data field, whose parts ";" separates.
  void StoredText(std::string_view text, bool inTypeData) {
    while (!text.empty()) {
      if (used_ + kLineRoom >= sizeof buffer_) Flush();
      const size_t count = std::min(text.size(), sizeof buffer_ - kLineRoom - used_);
      for (size_t i = 0; i < count; ++i) {
        buffer_[used_ + i] = SanitizedFieldChar(text[i], inTypeData);
      }
      used_ += count;
      text.remove_prefix(count);
    }
  }
  void Char(char c) { buffer_[used_++] = c; }
  void Int(int64_t value) {
    uint64_t magnitude = static_cast<uint64_t>(value);
    if (value < 0) {
      buffer_[used_++] = '-';
      magnitude = 0 - magnitude;
    }
    char digits[20];
    char* first = digits + sizeof digits;
    while (magnitude >= 100) {
      first -= 2;
      std::memcpy(first, kDigitPairs + (magnitude % 100) * 2, 2);
      magnitude /= 100;
    }
    if (magnitude >= 10) {
      first -= 2;
      std::memcpy(first, kDigitPairs + magnitude * 2, 2);
    } else {
      *--first = static_cast<char>('0' + magnitude);
    }
    const size_t count = static_cast<size_t>(digits + sizeof digits - first);
    std::memcpy(buffer_ + used_, first, count);
    used_ += count;
  }
  // A value followed by the field separator.
  void Field(int64_t value) {
    Int(value);
    Char(',');
  }
  void Field(std::string_view storedText) {
    StoredText(storedText, false);
    Char(',');
  }
  void EndLine() {
    Char('\r');
    Char('\n');
    if (used_ + kLineRoom > sizeof buffer_) Flush();
  }
  void Finish() { Flush(); }

 private:
  static constexpr size_t kLineRoom = 1024;
  static constexpr char kDigitPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";

  void Flush() {
    if (used_ > 0) sink_(std::string_view(buffer_, used_));
    used_ = 0;
  }

  const TextSink& sink_;
  char buffer_[1 << 16];
  size_t used_ = 0;
};

// Close to the real size for usual documents, so the text grows once.
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
  w.Literal("shape,");
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
    w.StoredText(s.Text, true);
    w.Char(';');
    w.StoredText(s.FontName, true);
    w.Char(';');
    w.Int(s.FontStyle);
    w.Char(';');
  } else if (s.Typ == kImage) {
    // ImageP2 to ImageP6 are never set and keep their places as 0.
    w.StoredText(s.ImageFile, true);
    w.Char(';');
    w.Int(s.ImageP1);
    w.Literal(";0;0;0;0;0;");
  }
  w.Char(',');
  w.Field(s.X);
  w.Field(s.Y);
  w.EndLine();

  for (size_t k = 0; k < s.Fx.size(); ++k) {
    const sShapeFx& fx = s.Fx[k];
    w.Literal("shapefx,");
    for (int64_t value : {static_cast<int64_t>(k), int64_t{fx.X}, int64_t{fx.Y}, fx.Color,
                          int64_t{fx.Alpha}, int64_t{fx.Depth}, int64_t{fx.Typ}, fx.Width,
                          fx.Height, fx.Dist, int64_t{fx.Scale}, int64_t{fx.P1}, int64_t{fx.P2}}) {
      w.Field(value);
    }
    w.Int(fx.Actif);
    w.EndLine();
  }
  for (size_t l = 0; l < s.Pt.size(); ++l) {
    w.Literal("pt,");
    w.Field(static_cast<int64_t>(l));
    w.Field(s.Pt[l].X);
    w.Field(s.Pt[l].Y);
    w.EndLine();
  }
}

}  // namespace

void WriteDocument(const std::vector<sObject>& objects, const TextSink& sink) {
  LineWriter w(sink);
  w.Literal("gen, ,");
  w.Literal(kVersionText);
  w.Char(',');
  w.EndLine();
  for (const sObject& o : objects) {
    w.Literal("obj,");
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

std::string WriteDocumentText(const std::vector<sObject>& objects) {
  std::string text;
  text.reserve(EstimatedSize(objects));
  WriteDocument(objects, [&text](std::string_view block) { text.append(block); });
  return text;
}

}  // namespace tavisk
