#include "io/fx_presets/fx_preset_text.h"

#include "document/editor_context.h"
#include "document/field_text.h"
#include "document/numeric.h"
#include "io/document/document_reader.h"

namespace tavisk {

namespace {

// The leading fields of one line, numbered from 1 as the format counts
// them; a missing field reads as empty. Views into the text, and no more
// than a preset line has: a line of a million commas costs nothing.
class PresetFields {
 public:
  explicit PresetFields(std::string_view line) {
    size_t start = 0;
    while (count_ < kMaxFields) {
      const size_t stop = line.find(',', start);
      fields_[count_++] = line.substr(start, stop == std::string_view::npos ? stop : stop - start);
      if (stop == std::string_view::npos) break;
      start = stop + 1;
    }
  }
  std::string_view operator[](size_t n) const {
    return n >= 1 && n <= count_ ? fields_[n - 1] : std::string_view();
  }

 private:
  static constexpr size_t kMaxFields = 14;  // "shapefx" and its 13 numbers
  std::string_view fields_[kMaxFields];
  size_t count_ = 0;
};

// A name from a file is kept to what a typed name may hold; a preset with a
// name of megabytes would otherwise carry it into every Fx list.
std::string BoundedName(std::string_view name) {
  // A character takes at most 4 bytes in UTF-8: cut the view before copying.
  return CutToCharacters(std::string(name.substr(0, 4 * kNameCharacters)), kNameCharacters);
}

void ReadLine(FxPresetReadResult& preset, std::string_view line) {
  const PresetFields fields(line);
  const auto intAt = [&fields](size_t n) { return ParseDocumentInt(fields[n]); };
  const std::string_view tag = fields[1];
  if (tag == "gen") {
    preset.Name = BoundedName(fields[2]);
  } else if (tag == "shapefx") {
    sShapeFx& fx = preset.Settings.emplace();
    fx.X = Wrap16(intAt(3));
    fx.Y = Wrap16(intAt(4));
    fx.Color = intAt(5);
    fx.Alpha = Wrap8(intAt(6));
    fx.Depth = Wrap8(intAt(7));
    fx.Typ = Wrap8(intAt(8));
    fx.Width = intAt(9);
    fx.Height = intAt(10);
    fx.Dist = intAt(11);
    fx.Scale = Wrap16(intAt(12));
    fx.P1 = Wrap16(intAt(13));
    fx.P2 = Wrap16(intAt(14));
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

FxPresetReadResult ReadFxPreset(std::string_view text) {
  FxPresetReadResult preset;
  // Lines may end in CR LF, LF or CR: every CR and LF ends a line, and the
  // empty lines between them read nothing.
  size_t start = 0;
  for (;;) {
    const size_t stop = text.find_first_of("\r\n", start);
    ReadLine(preset, text.substr(start, stop == std::string_view::npos ? stop : stop - start));
    if (stop == std::string_view::npos) return preset;
    start = stop + 1;
  }
}

void ApplyFxPreset(sShapeFx& fx, int64_t fxIndex, const FxPresetReadResult& preset) {
  if (preset.Name) fx.Name = preset.Name->empty() ? "fx_" + std::to_string(fxIndex) : *preset.Name;
  if (preset.Settings) {
    const sShapeFx& read = *preset.Settings;
    fx.X = read.X;
    fx.Y = read.Y;
    fx.Color = read.Color;
    fx.Alpha = read.Alpha;
    fx.Depth = read.Depth;
    fx.Typ = read.Typ;
    fx.Width = read.Width;
    fx.Height = read.Height;
    fx.Dist = read.Dist;
    fx.Scale = read.Scale;
    fx.P1 = read.P1;
    fx.P2 = read.P2;
  }
}

void ApplyFxPresetText(sShapeFx& fx, int64_t fxIndex, std::string_view text) {
  ApplyFxPreset(fx, fxIndex, ReadFxPreset(text));
}

}  // namespace tavisk
