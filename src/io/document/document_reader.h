// Reads document text into the lines it holds, in file order, with what was
// wrong with it. Writes nothing into an editor: where the lines go (a new
// scene, objects added to it, shapes added to the current object) is the
// loading mode's, applied by the caller.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/scene.h"

namespace tavisk {

// Hostile or damaged documents must not exhaust memory: an index past the
// last allowed element of an array, or a negative one, skips its line. The
// writer never writes such an index.
inline constexpr int64_t kMaxArrayElements = 1'000'000;

// A "gen" line: the document's name and the format version it was written
// in.
struct GeneralLine {
  std::string Name;
  double Version = 0;
};

// An "obj" line: an object's name (empty when the file gives none) and
// placement.
struct ObjectLine {
  std::string Name;
  int64_t X = 0;
  int64_t Y = 0;
  int16_t W = 0;
  int16_t H = 0;
  uint8_t Depth = 0;
  uint8_t Hide = 0;
  uint8_t Locked = 0;
};

// A "shape" line with its fields converted to the record's types. Index is
// the shape's place in its object as the file numbers it (0 up to
// kMaxArrayElements - 1); Name is empty when the file gives none. The text,
// font and picture fields are those of the line whatever its type; only a
// text or an image shape uses them.
struct ShapeLine {
  int64_t Index = 0;
  std::string Name;
  int64_t Color = 0;
  uint8_t Alpha = 0;
  uint8_t Style = 0;
  int16_t Width = 1;
  int16_t Height = 1;
  int16_t Dist = 1;
  uint8_t Typ = 0;
  int16_t W = 0;
  int16_t H = 0;
  std::string Text;
  std::string FontName;
  int64_t FontStyle = 0;
  std::string ImageFile;
  int16_t ImageP1 = 0;
  int16_t X = 0;
  int16_t Y = 0;
};

// A "shapefx" line: the Fx at Index of the shape the last shape line named.
struct FxLine {
  int64_t Index = 0;
  sShapeFx Fx;
};

// A "pt" line: the point at Index of the shape the last shape line named.
struct PointLine {
  int64_t Index = 0;
  int64_t X = 0;
  int64_t Y = 0;
};

enum class DocumentTag : uint8_t { General, Object, Shape, Fx, Point };

// The lines of a document in file order, each kind in a list of its own so
// that a point costs no more than its three numbers.
class DocumentLines {
 public:
  void Add(GeneralLine line);
  void Add(ObjectLine line);
  void Add(ShapeLine line);
  void Add(FxLine line);
  void Add(PointLine line);

  bool Empty() const { return order_.empty(); }

  // Calls visit with each line in file order.
  template <typename Visitor>
  void ForEach(Visitor&& visit) const {
    for (const Entry& entry : order_) {
      switch (entry.Tag) {
        case DocumentTag::General:
          visit(generals_[entry.At]);
          break;
        case DocumentTag::Object:
          visit(objects_[entry.At]);
          break;
        case DocumentTag::Shape:
          visit(shapes_[entry.At]);
          break;
        case DocumentTag::Fx:
          visit(fxs_[entry.At]);
          break;
        case DocumentTag::Point:
          visit(points_[entry.At]);
          break;
      }
    }
  }

 private:
  struct Entry {
    DocumentTag Tag;
    size_t At;
  };
  std::vector<Entry> order_;
  std::vector<GeneralLine> generals_;
  std::vector<ObjectLine> objects_;
  std::vector<ShapeLine> shapes_;
  std::vector<FxLine> fxs_;
  std::vector<PointLine> points_;
};

enum class DocumentDiagnostic {
  // No line carries a tag of the format: a picture, a binary or an empty
  // file. Reading it into a scene would only blank it.
  NotADocument,
  // At least one text was longer than kMaxTextBytes and was cut to it.
  TextsCut,
};

struct DocumentReadResult {
  DocumentLines Lines;
  std::vector<DocumentDiagnostic> Diagnostics;

  bool Has(DocumentDiagnostic diagnostic) const;
};

// Lines may end in CR LF, LF or CR; a leading byte-order mark is skipped;
// lines of other tags and malformed numbers (read as 0) are tolerated.
DocumentReadResult ReadDocument(std::string_view text);

// An optional "-" and the leading digits; 0 for anything else or a value
// beyond 64 bits.
int64_t ParseDocumentInt(std::string_view field);

// The leading decimal fraction of the field ("0.13"); 0 when there is none.
double ParseDocumentVersion(std::string_view field);

}  // namespace tavisk
