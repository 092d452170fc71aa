#include "edit/document_file.h"

#include "document/picture_loader.h"
#include "document/special_file_message.h"
#include "edit/document_file_messages.h"
#include "io/document/document_writer.h"
#include "platform/atomic_file.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

// "Tavisk 0.13 - drawing.txt"
std::string TitleFor(const std::string& path) {
  return std::string(kWindowTitle) + " - " + FileNamePart(path);
}

std::string RemoveAll(const std::string& text, const std::string& part) {
  std::string out;
  size_t from = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, from)) {
    out.append(text, from, at - from);
    from = at + part.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

}  // namespace

std::string DocumentFilePath(const std::string& chosen) {
  const size_t slash = chosen.find_last_of('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return chosen.substr(0, nameStart) + RemoveAll(chosen.substr(nameStart), ".txt") + ".txt";
}

bool SaveDocument(EditorContext& ctx, const std::string& file, int copy) {
  std::string chosen = file;
  if (chosen.empty()) chosen = ctx.Req->SaveFile("Save", "", "txt|*.txt|all|*.*", 0);
  if (chosen.empty()) return false;
  const std::string path = DocumentFilePath(chosen);
  AtomicFile out(path);
  if (out.Ok()) WriteDocument(ctx.Obj, [&out](std::string_view block) { out.Write(block); });
  const bool saved = out.Commit();
  // Only a save the user asked for is told why it failed; the autosave
  // stays silent.
  if (copy != 0) return saved;
  if (!saved) {
    if (out.Refused()) {
      TellNotARegularFile(*ctx.Req, path);
    } else {
      TellNotSaved(*ctx.Req, path, out.Error());
    }
    // The name and title stay those of the last file that holds the work.
    return false;
  }
  ctx.DocFile = chosen;
  ctx.Hooks->SetWindowTitle(TitleFor(path));
  return true;
}

DocumentFileLoad LoadDocumentFile(EditorContext& ctx, int mode, const std::string& path,
                                  const PictureLoader& loadPicture) {
  std::string text;
  const FileOutcome read = ReadFile(path, text);
  if (read == FileOutcome::NotRegular) return DocumentFileLoad::NotRegular;
  if (read != FileOutcome::Done) return DocumentFileLoad::Unreadable;
  const DocumentReadResult document = ReadDocument(text);
  // The lines hold all that placing needs: the text goes before the scene
  // grows.
  std::string().swap(text);
  // Checked before the scene is touched: a picture or a binary file leaves
  // the document, its name, the selection and the panels as they were.
  if (document.Has(DocumentDiagnostic::NotADocument)) return DocumentFileLoad::NotADocument;
  PlaceDocument(ctx, mode, document, loadPicture);
  return DocumentFileLoad::Loaded;
}

bool LoadDocument(EditorContext& ctx, int mode, const std::string& file) {
  std::string chosen = file;
  if (chosen.empty()) chosen = ctx.Req->OpenFile("Save", "", "txt|*.txt", 0);
  const auto loadPicture = [&ctx](const std::string& path) { return LoadPicture(ctx, 0, path); };
  const DocumentFileLoad load = chosen.empty() ? DocumentFileLoad::Unreadable
                                               : LoadDocumentFile(ctx, mode, chosen, loadPicture);
  if (load == DocumentFileLoad::NotRegular) TellNotARegularFile(*ctx.Req, chosen);
  if (load == DocumentFileLoad::NotADocument) {
    TellNotADocument(*ctx.Req, chosen);
    return false;
  }
  const bool loaded = load == DocumentFileLoad::Loaded;
  if (loaded) {
    // A merged file or a template joins the document; saving must still
    // write the document, never over the file that was brought in.
    if (mode == kLoadReplace) {
      ctx.DocFile = chosen;
      ctx.Hooks->SetWindowTitle(TitleFor(chosen));
    }
    ctx.ObjReady = 1;
  }
  ctx.CurrentShape = 0;
  return loaded;
}

}  // namespace tavisk
