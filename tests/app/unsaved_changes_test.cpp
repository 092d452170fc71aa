// Leaving a document with changes the file does not hold: Quit, the close
// box, New and Load ask first, and each answer does what it says.
#include <gtest/gtest.h>

#include <QAction>
#include <string>
#include <tuple>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

constexpr const char* kOtherDocument =
    "gen, ,0.13,\r\nobj,Merged,7,8,50,60,3,0,0\r\n"
    "shape,0,-1,Petal,255,0,1,1,1,1,20,20,,5,5,\r\n"
    "shapefx,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\npt,0,0,0,\r\n";

class UnsavedChangesTest : public test::EditorTest {
 public:
  using EditorTest::ctx;
  using EditorTest::Menu;
  using EditorTest::requesters_;

  void BoxDrawn() { MakeShape(kGadgetToolBox, At(100, 100), At(160, 150)); }

 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(WriteFileAtomically("other.txt", kOtherDocument));
    ctx().Options.ConfirmExit = 1;
  }

  std::string Bytes() { return WriteDocumentText(ctx().Obj); }
  std::string Title() { return session_->window->windowTitle().toStdString(); }
  std::string FileBytes(const std::string& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) ? bytes : std::string("(no file)");
  }
  int Questions() {
    int asked = 0;
    for (const AskedRequester& a : requesters_.Asked) asked += a.Kind == "ask-save" ? 1 : 0;
    return asked;
  }
  bool AskedForAFileToSave() {
    for (const AskedRequester& a : requesters_.Asked) {
      if (a.Kind == "save") return true;
    }
    return false;
  }

  // Leaves the document the given way. Load is answered with other.txt.
  bool Leave(const std::string& way) {
    MainWindow& window = *session_->window;
    if (way == "Quit") {
      Menu(kMenuQuit);
      return window.QuitRequested();
    }
    if (way == "Close box") return window.close();
    const std::string was = Bytes();
    if (way == "New") {
      Menu(kMenuNewDocument);
    } else {
      requesters_.FileAnswers.push_back("other.txt");
      Menu(kMenuLoadDocument);
    }
    return Bytes() != was;
  }
};

const char* const kWaysOut[] = {"Quit", "Close box", "New", "Load"};

enum class Answer { SaveNamed, SaveUnnamed, SaveRequesterCancelled, Discard, Cancel };

class EachWayOut : public UnsavedChangesTest,
                   public ::testing::WithParamInterface<std::tuple<const char*, Answer>> {};

TEST_P(EachWayOut, AModifiedDocumentAsksAndEachAnswerDoesWhatItSays) {
  const std::string way = std::get<0>(GetParam());
  const Answer answer = std::get<1>(GetParam());
  if (answer == Answer::SaveNamed) {
    BoxDrawn();
    requesters_.FileAnswers.push_back("mine");
    Menu(kMenuSave);
    ASSERT_EQ(Title(), "Tavisk 0.13 - mine.txt");
  }
  BoxDrawn();
  const std::string work = Bytes();
  const std::string title = Title();
  const std::string docFile = ctx().DocFile;
  const std::string mineBefore = FileBytes("mine.txt");
  ASSERT_EQ(title.substr(title.size() - 2), " *");
  requesters_.Asked.clear();
  switch (answer) {
    case Answer::SaveNamed:
      requesters_.SaveAnswers.push_back(SaveAnswer::Save);
      break;
    case Answer::SaveUnnamed:
      requesters_.SaveAnswers.push_back(SaveAnswer::Save);
      requesters_.FileAnswers.push_back("chosen");
      break;
    case Answer::SaveRequesterCancelled:
      requesters_.SaveAnswers.push_back(SaveAnswer::Save);
      requesters_.FileAnswers.push_back("");
      break;
    case Answer::Discard:
      requesters_.SaveAnswers.push_back(SaveAnswer::Discard);
      break;
    case Answer::Cancel:
      requesters_.SaveAnswers.push_back(SaveAnswer::Cancel);
      break;
  }
  const bool left = Leave(way);
  EXPECT_EQ(Questions(), 1);
  EXPECT_EQ(AskedForAFileToSave(),
            answer == Answer::SaveUnnamed || answer == Answer::SaveRequesterCancelled);
  const bool stays = answer == Answer::Cancel || answer == Answer::SaveRequesterCancelled;
  EXPECT_EQ(left, !stays);
  if (stays) {
    EXPECT_EQ(Bytes(), work);
    EXPECT_EQ(ctx().DocFile, docFile);
    EXPECT_EQ(Title(), title);
    EXPECT_TRUE(session_->window->MenuAction(kMenuUndo)->isEnabled()) << "the history is kept";
  }
  EXPECT_EQ(FileBytes("mine.txt"), answer == Answer::SaveNamed ? work : mineBefore);
  EXPECT_EQ(FileBytes("chosen.txt"), answer == Answer::SaveUnnamed ? work : "(no file)");
  if ((way == "Load" || way == "New") && left) {
    EXPECT_EQ(ctx().Obj[0].Name, way == "Load" ? "Merged" : "Object0");
    if (way == "Load") EXPECT_EQ(Title(), "Tavisk 0.13 - other.txt");
    EXPECT_NE(Title().back(), '*') << "the document just opened has no changes";
    EXPECT_FALSE(session_->window->MenuAction(kMenuUndo)->isEnabled());
  }
  if (way == "New" && left) {
    // The new drawing has no file yet: saving it asks for a name instead of
    // writing it over the document just left.
    EXPECT_EQ(Title(), "Tavisk 0.13");
    const std::string mineNow = FileBytes("mine.txt");
    requesters_.Asked.clear();
    Menu(kMenuSave);
    EXPECT_TRUE(AskedForAFileToSave());
    EXPECT_EQ(FileBytes("mine.txt"), mineNow);
  }
}

std::string WayOutName(const ::testing::TestParamInfo<std::tuple<const char*, Answer>>& info) {
  static const char* const kAnswers[] = {"SaveNamed", "SaveUnnamed", "SaveRequesterCancelled",
                                         "Discard", "Cancel"};
  std::string way = std::get<0>(info.param);
  std::erase(way, ' ');
  return way + "_" + kAnswers[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(WaysAndAnswers, EachWayOut,
                         ::testing::Combine(::testing::ValuesIn(kWaysOut),
                                            ::testing::Values(Answer::SaveNamed,
                                                              Answer::SaveUnnamed,
                                                              Answer::SaveRequesterCancelled,
                                                              Answer::Discard, Answer::Cancel)),
                         WayOutName);

// Situations in which nothing can be lost or the user asked not to be asked.
const struct Situation {
  const char* label;
  void (*prepare)(UnsavedChangesTest&);
} kNoQuestion[] = {
    {"OptionOff",
     [](UnsavedChangesTest& t) {
       t.BoxDrawn();
       t.ctx().Options.ConfirmExit = 0;
     }},
    {"NothingDrawn", [](UnsavedChangesTest&) {}},
    {"SavedSince",
     [](UnsavedChangesTest& t) {
       t.BoxDrawn();
       t.requesters_.FileAnswers.push_back("mine");
       t.Menu(kMenuSave);
     }},
    {"UndoneToTheSavedDrawing",
     [](UnsavedChangesTest& t) {
       t.BoxDrawn();
       t.requesters_.FileAnswers.push_back("mine");
       t.Menu(kMenuSave);
       t.BoxDrawn();
       t.Menu(kMenuUndo);
     }},
};

class NoQuestion : public UnsavedChangesTest,
                   public ::testing::WithParamInterface<std::tuple<const char*, Situation>> {};

TEST_P(NoQuestion, EveryWayOutLeavesAtOnce) {
  const std::string way = std::get<0>(GetParam());
  std::get<1>(GetParam()).prepare(*this);
  requesters_.Asked.clear();
  const bool left = Leave(way);
  EXPECT_EQ(Questions(), 0);
  // New on an empty drawing leaves nothing to tell apart.
  if (!(way == "New" && std::string(std::get<1>(GetParam()).label) == "NothingDrawn")) {
    EXPECT_TRUE(left);
  }
}

std::string NoQuestionName(
    const ::testing::TestParamInfo<std::tuple<const char*, Situation>>& info) {
  std::string way = std::get<0>(info.param);
  std::erase(way, ' ');
  return way + "_" + std::get<1>(info.param).label;
}

INSTANTIATE_TEST_SUITE_P(WaysAndSituations, NoQuestion,
                         ::testing::Combine(::testing::ValuesIn(kWaysOut),
                                            ::testing::ValuesIn(kNoQuestion)),
                         NoQuestionName);

TEST_F(UnsavedChangesTest, TheTitleMarksChangesUntilUndoneBackToTheSavedDrawing) {
  EXPECT_EQ(Title(), "Tavisk 0.13");
  BoxDrawn();
  EXPECT_EQ(Title(), "Tavisk 0.13 *");
  Menu(kMenuUndo);
  EXPECT_EQ(Title(), "Tavisk 0.13") << "back to the empty start";

  Menu(kMenuRedo);
  requesters_.FileAnswers.push_back("mine");
  Menu(kMenuSave);
  EXPECT_EQ(Title(), "Tavisk 0.13 - mine.txt");
  MakeShape(kGadgetToolCircle, At(300, 300), At(360, 360));
  EXPECT_EQ(Title(), "Tavisk 0.13 - mine.txt *");
  Menu(kMenuUndo);
  EXPECT_EQ(Title(), "Tavisk 0.13 - mine.txt");
  Menu(kMenuUndo);
  EXPECT_EQ(Title(), "Tavisk 0.13 - mine.txt *") << "before the saved drawing";
  Menu(kMenuRedo);
  EXPECT_EQ(Title(), "Tavisk 0.13 - mine.txt");

  // A new edit after an undo drops the saved drawing from reach.
  Menu(kMenuUndo);
  MakeShape(kGadgetToolLine, At(300, 300), At(360, 300));
  Menu(kMenuUndo);
  EXPECT_EQ(Title(), "Tavisk 0.13 - mine.txt *");
}

}  // namespace
}  // namespace tavisk
