#include "io/document/document_reader.h"

#include <algorithm>
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

// The tags ReadDocument reads; every other line is skipped.
bool IsDocumentTag(std::string_view tag) {
  return tag == "pt" || tag == "shapefx" || tag == "shape" || tag == "obj" || tag == "gen";
}

// Tolerate a byte-order mark that another editor may have put in front.
std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

// Converts each line of a document on its own; the only state carried from
// line to line is the version the last "gen" line gave.
class LineReader {
 public:
  void Line(const Fields& f) {
    const std::string_view tag = f.Text(1);
    if (tag == "pt") {
      result_.Lines.Add(PointLine{f.Int(2), f.Int(3), f.Int(4)});
    } else if (tag == "shapefx") {
      Fx(f);
    } else if (tag == "shape") {
      Shape(f);
    } else if (tag == "obj") {
      result_.Lines.Add(ObjectLine{std::string(f.Text(2)), f.Int(3), f.Int(4), Wrap16(f.Int(5)),
                                   Wrap16(f.Int(6)), Wrap8(f.Int(7)), Wrap8(f.Int(8)),
                                   Wrap8(f.Int(9))});
    } else if (tag == "gen") {
      version_ = ParseDocumentVersion(f.Text(3));
      result_.Lines.Add(GeneralLine{std::string(f.Text(2)), version_});
    }
    sawTag_ = sawTag_ || IsDocumentTag(tag);
  }

  DocumentReadResult Finish() {
    if (!sawTag_) result_.Diagnostics.push_back(DocumentDiagnostic::NotADocument);
    // One diagnostic for the whole text, however many texts were cut.
    if (textsCut_) result_.Diagnostics.push_back(DocumentDiagnostic::TextsCut);
    return std::move(result_);
  }

 private:
  void Shape(const Fields& f) {
    ShapeLine s;
    s.Index = f.Int(2);
    if (s.Index < 0 || s.Index >= kMaxArrayElements) return;
    s.Color = f.Int(3);
    s.Name.assign(f.Text(4));
    s.Alpha = Wrap8(f.Int(5));
    // Before 0.13 a shape had no alpha of its own: it was opaque.
    if (version_ < 0.13 && s.Alpha == 0) s.Alpha = 255;
    s.Style = Wrap8(f.Int(6));
    s.Width = AtLeastOne(f.Int(7));
    s.Height = AtLeastOne(f.Int(8));
    s.Dist = AtLeastOne(f.Int(9));
    s.Typ = Wrap8(f.Int(10));
    s.W = Wrap16(f.Int(11));
    s.H = Wrap16(f.Int(12));
    const Fields data = SubFields(f.Text(13));
    if (s.Typ == kText) {
      s.Text = data.Text(1);
      textsCut_ = CutToBytes(s.Text, kMaxTextBytes) || textsCut_;
      s.FontName = data.Text(2);
      s.FontStyle = data.Int(3);
    } else if (s.Typ == kImage) {
      s.ImageFile = data.Text(1);
      s.ImageP1 = Wrap16(data.Int(2));
    }
    s.X = Wrap16(f.Int(14));
    s.Y = Wrap16(f.Int(15));
    result_.Lines.Add(std::move(s));
  }

  void Fx(const Fields& f) {
    FxLine line;
    line.Index = f.Int(2);
    sShapeFx& fx = line.Fx;
    fx.Name = "fx_" + std::to_string(line.Index);
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
    result_.Lines.Add(std::move(line));
  }

  DocumentReadResult result_;
  double version_ = 0;
  bool textsCut_ = false;
  bool sawTag_ = false;
};

}  // namespace

void DocumentLines::Add(GeneralLine line) {
  order_.push_back({DocumentTag::General, generals_.size()});
  generals_.push_back(std::move(line));
}

void DocumentLines::Add(ObjectLine line) {
  order_.push_back({DocumentTag::Object, objects_.size()});
  objects_.push_back(std::move(line));
}

void DocumentLines::Add(ShapeLine line) {
  order_.push_back({DocumentTag::Shape, shapes_.size()});
  shapes_.push_back(std::move(line));
}

void DocumentLines::Add(FxLine line) {
  order_.push_back({DocumentTag::Fx, fxs_.size()});
  fxs_.push_back(std::move(line));
}

void DocumentLines::Add(PointLine line) {
  order_.push_back({DocumentTag::Point, points_.size()});
  points_.push_back(line);
}

bool DocumentReadResult::Has(DocumentDiagnostic diagnostic) const {
  return std::find(Diagnostics.begin(), Diagnostics.end(), diagnostic) != Diagnostics.end();
}

int64_t ParseDocumentInt(std::string_view field) {
  return ParseInt(field);
}

double ParseDocumentVersion(std::string_view field) {
  double value = 0;
  const auto result =
      std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
  return result.ec == std::errc() ? value : 0;
}

DocumentReadResult ReadDocument(std::string_view text) {
  text = WithoutByteOrderMark(text);
  LineReader reader;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end) {
    const char* next = nullptr;
    reader.Line(Fields(p, end, ',', &next));
    p = next;
  }
  return reader.Finish();
}

}  // namespace tavisk
