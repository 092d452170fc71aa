#include "edit/fx_presets.h"

#include "document/field_text.h"
#include "document/special_file_message.h"
#include "io/fx_presets/fx_preset_text.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

constexpr std::string_view kPresetSuffix = ".sfx";

std::string PresetFolder() {
  return DataPath("data\\shapefx\\");
}

std::string PresetPath(const std::string& name) {
  return PresetFolder() + PresetFileName(name) + std::string(kPresetSuffix);
}

std::string WithoutEverySuffix(std::string name) {
  for (size_t at = name.find(kPresetSuffix); at != std::string::npos;
       at = name.find(kPresetSuffix, at)) {
    name.erase(at, kPresetSuffix.size());
  }
  return name;
}

}  // namespace

void SaveFxPreset(EditorContext& ctx) {
  if (ctx.CurrentShape == -1) return;
  sShapeFx* fx = ctx.CurrentFxPtr();
  if (fx == nullptr) return;
  // The name goes into the preset's comma-separated "gen" line.
  const std::string name =
      SanitizeFieldText(ctx.Req->Input("Name", "Set the name for the layer FX", ""), false);
  if (name.empty()) return;
  fx->Name = name;
  // The shipped data has no preset folder: the first save makes it.
  MakeDirectories(PresetFolder());
  const std::string path = PresetPath(name);
  const FileOutcome written = WriteFile(path, FormatFxPreset(*fx, ctx.CurrentFx));
  if (written == FileOutcome::NotRegular) {
    TellNotARegularFile(*ctx.Req, path);
  } else if (written == FileOutcome::Failed) {
    ctx.Req->Message("Error", "Unable to save the preset " + path, MessageIcon::Error);
  }
  ctx.Hooks->ShowFxPresets(ListFxPresets());
}

void LoadFxPreset(EditorContext& ctx, const std::string& name) {
  if (ctx.CurrentShape == -1 || name.empty()) return;
  sShapeFx* fx = ctx.CurrentFxPtr();
  if (fx == nullptr) return;
  const std::string path = PresetPath(name);
  std::string text;
  const FileOutcome read = ReadFile(path, text);
  if (read == FileOutcome::Done) ApplyFxPresetText(*fx, ctx.CurrentFx, text);
  if (read == FileOutcome::NotRegular) TellNotARegularFile(*ctx.Req, path);
}

std::vector<std::string> ListFxPresets() {
  std::vector<std::string> names = ListFiles(PresetFolder(), kPresetSuffix);
  for (std::string& name : names) name = WithoutEverySuffix(std::move(name));
  return names;
}

std::string PresetFileName(const std::string& name) {
  std::string file = name;
  for (char& c : file) {
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) c = '_';
  }
  if (!file.empty() && file.front() == '.') file.front() = '_';
  return file;
}

std::string PresetListName(const std::string& entry) {
  return CutToCharacters(entry, kNameCharacters);
}

}  // namespace tavisk
