// The autosave waits for the operation in progress: a box shown halfway
// through a load runs its own event loop, and the scene is then half read.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "app/editor_session.h"
#include "app/menu_table.h"
#include "document/object_creation.h"
#include "edit/autosave.h"
#include "edit/document_file.h"
#include "editor_fixture.h"
#include "platform/clock.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

// Runs code while a message is up, as a modal box would run its own loop.
class RequestersWithBox : public ScriptedRequesters {
 public:
  std::function<void()> WhileShown;
  void Message(const std::string& title, const std::string& text, MessageIcon icon) override {
    ScriptedRequesters::Message(title, text, icon);
    if (WhileShown) WhileShown();
  }
};

// What a modal box's loop does: takes the events that come while it is up.
void RunBoxLoop(QWidget* window) {
  QEventLoop box;
  QApplication::postEvent(window, new QEvent(QEvent::User));
  QTimer::singleShot(0, &box, &QEventLoop::quit);
  box.exec();
}

// The operation runs from a loop, as under QApplication::exec.
void RunInEditorLoop(const std::function<void()>& operation) {
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] {
    operation();
    loop.quit();
  });
  loop.exec();
}

TEST(AutosaveTiming, ALoadInterruptedByAPictureBoxIsSavedOnlyOnceWhole) {
  test::ScopedWorkDir dir;
  dir.CopyProgramData(TAVISK_SOURCE_DATA);
  test::WriteNormalWindowOptions();
  RequestersWithBox requesters;
  std::unique_ptr<EditorSession> session = StartEditor(requesters);
  EditorContext& ctx = session->ctx;

  // Two layers; the first holds a picture that is missing, so the box comes
  // up before the second layer is read.
  sShape& picture = ctx.Obj[0].Shape[0];
  picture.Typ = kImage;
  picture.ImageFile = "missing.png";
  picture.W = 40;
  picture.H = 30;
  ctx.Obj[0].HasShape = 1;
  AddObject(ctx, 1);
  ctx.Obj.back().Name = "SecondLayer";
  SaveDocument(ctx, "two_layers.txt", 1);
  NewDocument(ctx);

  ctx.Options.Autosave = 1;
  ctx.Options.AutosaveTime = 1;
  const std::string autosave = AutosavePath(ctx.AutosaveNumber);
  ASSERT_FALSE(IsRegularFile(autosave));

  bool savedWhileBoxUp = false;
  requesters.WhileShown = [&] {
    RunBoxLoop(session->window.get());
    savedWhileBoxUp = savedWhileBoxUp || IsRegularFile(autosave);
  };
  requesters.FileAnswers.push_back("two_layers.txt");
  RunInEditorLoop([&] {
    ctx.AutosaveClock = ElapsedMilliseconds() - 10000;  // long due when the load starts
    session->window->MenuAction(kMenuLoadDocument)->trigger();
  });
  ASSERT_FALSE(requesters.Messages.empty());
  EXPECT_FALSE(savedWhileBoxUp);

  // The next event after the load saves the whole scene.
  requesters.WhileShown = nullptr;
  QApplication::postEvent(session->window.get(), new QEvent(QEvent::User));
  QApplication::processEvents();
  QApplication::processEvents();
  std::string saved;
  ASSERT_TRUE(ReadWholeFile(autosave, saved));
  SaveDocument(ctx, "expected.txt", 1);
  std::string expected;
  ASSERT_TRUE(ReadWholeFile("expected.txt", expected));
  EXPECT_EQ(saved, expected);
  EXPECT_NE(saved.find("SecondLayer"), std::string::npos);
}

}  // namespace
}  // namespace tavisk
