// Every file the editor writes, written where it cannot be: a read-only
// folder, a missing folder, a full file system. The previous file must stay
// whole, no temporary may be left behind, and the user hears why a document,
// a PNG or an Fx preset could not be saved; the other writers stay silent.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "edit/autosave.h"
#include "edit/document_file.h"
#include "edit/fx_presets.h"
#include "io/document/document_writer.h"
#include "io/options/options_file.h"
#include "io/purebasic/source_export.h"
#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "render/image_export.h"
#include "render/render_fixtures.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

enum class Fault { ReadOnly, Missing, Full };

const char* FaultName(Fault fault) {
  switch (fault) {
    case Fault::ReadOnly:
      return "read-only folder";
    case Fault::Missing:
      return "missing folder";
    case Fault::Full:
      return "full file system";
  }
  return "";
}

// An editor with one visible box whose shape has an Fx: enough for every
// writer to have something to write.
struct Editor {
  ScriptedRequesters req;
  EditorContext ctx;

  Editor() {
    ctx.Req = &req;
    test::GiveEveryWriterSomething(ctx);
    ctx.Obj[0].Name = "Layer";
    ctx.AutosaveClock = 0;
  }
};

// The message a failed write shows under a fault; none when silent.
using Failure = std::function<std::optional<ShownMessage>(Fault)>;

Failure Silent() {
  return [](Fault) { return std::nullopt; };
}

Failure Always(const ShownMessage& message) {
  return [message](Fault) { return message; };
}

// A read-only folder is a read-only mount for root and a folder without
// write permission for anyone else.
Failure DocumentNotSaved(const std::string& path) {
  return [path](Fault fault) {
    const std::string reason = fault == Fault::Missing ? "the folder does not exist"
                               : fault == Fault::Full  ? "the disk is full"
                               : ::geteuid() == 0      ? "the disk is read-only"
                                                       : "permission denied";
    return ShownMessage{"Error", "The document could not be saved to " + path + ": " + reason + ".",
                        MessageIcon::Error};
  };
}

struct Writer {
  std::string name;
  std::string folder;  // relative to the working folder
  std::string file;    // in folder
  // Writes with the folder as it stands; the working folder is current.
  std::function<void(Editor&, const std::string& folder)> save;
  Failure failure;
};

std::vector<Writer> Writers() {
  return {
      {"document", "out", "doc.txt",
       [](Editor& e, const std::string& folder) { SaveDocument(e.ctx, folder + "/doc", 0); },
       DocumentNotSaved("out/doc.txt")},
      {"document copy", "out", "copy.txt",
       [](Editor& e, const std::string& folder) { SaveDocument(e.ctx, folder + "/copy", 1); },
       Silent()},
      {"autosave", "data/shapes/_autosave", "autosave42.txt",
       [](Editor& e, const std::string&) { CheckAutosave(e.ctx, 5000); }, Silent()},
      {"Fx preset", "data/shapefx", "Glow.sfx",
       [](Editor& e, const std::string&) {
         e.req.InputAnswers = {"Glow"};
         SaveFxPreset(e.ctx);
       },
       Always({"Error", "Unable to save the preset data/shapefx/Glow.sfx", MessageIcon::Error})},
      {"options", "out", "Preferences.ini",
       [](Editor& e, const std::string& folder) { SaveOptions(e.ctx.Options, folder); }, Silent()},
      {"PNG export", "out", "pic.png",
       [](Editor& e, const std::string& folder) {
         e.req.FileAnswers = {folder + "/pic"};
         ExportImage(e.ctx, kExportDrawnArea, 500, 400);
       },
       Always({"Save image", "Cannot save image: out/pic.png", MessageIcon::Error})},
      {"source export", "out", "src.pb",
       [](Editor& e, const std::string& folder) {
         e.req.FileAnswers = {folder + "/src"};
         ExportObjectSource(e.ctx);
       },
       Silent()},
  };
}

const std::string kPrevious = "the previous file\r\n";

class WriteFaults : public ::testing::TestWithParam<Fault> {
 protected:
  // Makes the writer's folder fail as the fault says, holding the previous
  // file unless the folder is missing. False (with the reason) when this
  // machine cannot make that fault.
  bool MakeFault(const Writer& w, std::optional<test::SmallFileSystem>& fs, std::string& why) {
    const Fault fault = GetParam();
    if (fault == Fault::Missing) return true;
    fs.emplace(dir.File(w.folder));
    if (fs->Mounted()) {
      if (!WriteFileAtomically(dir.File(w.folder + "/" + w.file), kPrevious)) return false;
      return fault == Fault::Full ? fs->Fill() : fs->MakeReadOnly();
    }
    why = fs->Reason();
    // Without a mount only a user other than root meets a read-only folder.
    if (fault == Fault::Full || ::geteuid() == 0) return false;
    return WriteFileAtomically(dir.File(w.folder + "/" + w.file), kPrevious) &&
           ::chmod(dir.File(w.folder).c_str(), 0555) == 0;
  }

  test::ScopedWorkDir dir;
};

TEST_P(WriteFaults, PreviousFileStaysWholeAndTheUserHearsOfEveryFailedSaveOfTheirs) {
  std::vector<std::string> skipped;
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.name + " in a " + FaultName(GetParam()));
    // These two create their folders.
    if (GetParam() == Fault::Missing && (w.name == "autosave" || w.name == "Fx preset")) continue;
    std::optional<test::SmallFileSystem> fs;
    std::string why;
    if (!MakeFault(w, fs, why)) {
      ASSERT_FALSE(why.empty()) << "the fault could not be made";
      skipped.push_back(w.name + ": " + why);
      continue;
    }
    const std::vector<std::string> before = ListFiles(dir.File(w.folder), "");
    Editor e;
    w.save(e, w.folder);

    const std::string target = dir.File(w.folder + "/" + w.file);
    if (GetParam() == Fault::Missing) {
      EXPECT_FALSE(QDir(QString::fromStdString(dir.File(w.folder))).exists());
    } else {
      std::string now;
      ASSERT_TRUE(ReadWholeFile(target, now));
      EXPECT_EQ(now, kPrevious);
      EXPECT_EQ(ListFiles(dir.File(w.folder), ""), before) << "a temporary was left behind";
    }
    if (const std::optional<ShownMessage> failure = w.failure(GetParam())) {
      ASSERT_EQ(e.req.Messages.size(), 1u);
      EXPECT_EQ(e.req.Messages[0].Title, failure->Title);
      EXPECT_EQ(e.req.Messages[0].Text, failure->Text);
      EXPECT_EQ(e.req.Messages[0].Icon, failure->Icon);
    } else {
      EXPECT_TRUE(e.req.Messages.empty());
    }
    // The temporary folder must stay removable for a user other than root.
    if (fs && !fs->Mounted()) ::chmod(dir.File(w.folder).c_str(), 0755);
  }
  if (!skipped.empty()) {
    std::string reasons;
    for (const std::string& s : skipped) reasons += "\n  " + s;
    GTEST_SKIP() << "cannot make this fault here for:" << reasons;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFaults, WriteFaults,
                         ::testing::Values(Fault::ReadOnly, Fault::Missing, Fault::Full),
                         [](const auto& info) {
                           switch (info.param) {
                             case Fault::ReadOnly:
                               return std::string("ReadOnlyFolder");
                             case Fault::Missing:
                               return std::string("MissingFolder");
                             case Fault::Full:
                               return std::string("FullFileSystem");
                           }
                           return std::string();
                         });

// The same full file system, freed again: the next save goes through, so a
// failure leaves nothing that blocks later saves.
TEST(WriteFaultsRecovery, SavingWorksAgainOnceThereIsRoom) {
  test::ScopedWorkDir dir;
  test::SmallFileSystem fs(dir.File("out"));
  if (!fs.Mounted()) GTEST_SKIP() << fs.Reason();
  Editor e;
  ASSERT_TRUE(fs.Fill());
  SaveDocument(e.ctx, "out/doc", 0);
  EXPECT_FALSE(IsRegularFile("out/doc.txt"));
  ASSERT_EQ(::unlink("out/filler"), 0);
  SaveDocument(e.ctx, "out/doc", 0);
  std::string saved;
  ASSERT_TRUE(ReadWholeFile("out/doc.txt", saved));
  EXPECT_EQ(saved, WriteDocumentText(e.ctx.Obj));
  EXPECT_EQ(ListFiles("out", ""), std::vector<std::string>{"doc.txt"});
}

}  // namespace
}  // namespace tavisk
