#include "document/fx_preset_text.h"

#include <vector>

#include "document/document_reader.h"
#include "document/editor_context.h"
#include "document/numeric.h"

namespace tavisk {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t stop = text.find(separator, start);
    if (stop == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
}

// Field number n of a line, counted from 1 as the format counts them; empty
// when the line is shorter.
std::string_view FieldAt(const std::vector<std::string_view>& fields, size_t n) {
  return n >= 1 && n <= fields.size() ? fields[n - 1] : std::string_view();
}

int64_t IntAt(const std::vector<std::string_view>& fields, size_t n) {
  return ParseDocumentInt(FieldAt(fields, n));
}

void ApplyLine(sShapeFx& fx, int64_t fxIndex, std::string_view line) {
  const std::vector<std::string_view> f = Split(line, ',');
  const std::string_view tag = FieldAt(f, 1);
  if (tag == "gen") {
    fx.Name = FieldAt(f, 2).empty() ? "fx_" + std::to_string(fxIndex) : std::string(FieldAt(f, 2));
  } else if (tag == "shapefx") {
    fx.X = Wrap16(IntAt(f, 3));
    fx.Y = Wrap16(IntAt(f, 4));
    fx.Color = IntAt(f, 5);
    fx.Alpha = Wrap8(IntAt(f, 6));
    fx.Depth = Wrap8(IntAt(f, 7));
    fx.Typ = Wrap8(IntAt(f, 8));
    fx.Width = IntAt(f, 9);
    fx.Height = IntAt(f, 10);
    fx.Dist = IntAt(f, 11);
    fx.Scale = Wrap16(IntAt(f, 12));
    fx.P1 = Wrap16(IntAt(f, 13));
    fx.P2 = Wrap16(IntAt(f, 14));
  }
}

}  // namespace

std::string FormatFxPreset(const sShapeFx& fx, int64_t fxIndex) {
  std::string text = "gen," + fx.Name + "," + kVersionText + ",\r\nshapefx";
  for (int64_t value : {fxIndex, int64_t{fx.X}, int64_t{fx.Y}, fx.Color, int64_t{fx.Alpha},
                        int64_t{fx.Depth}, int64_t{fx.Typ}, fx.Width, fx.Height, fx.Dist,
                        int64_t{fx.Scale}, int64_t{fx.P1}, int64_t{fx.P2}}) {
    text += "," + std::to_string(value);
  }
  return text + "\r\n";
}

void ApplyFxPresetText(sShapeFx& fx, int64_t fxIndex, std::string_view text) {
  // Lines may end in CR LF, LF or CR: cut at LF, then drop a CR left at
  // either end of a piece.
  for (std::string_view piece : Split(text, '\n')) {
    for (std::string_view line : Split(piece, '\r')) ApplyLine(fx, fxIndex, line);
  }
}

}  // namespace tavisk
