// A running editor for one test, offscreen, beside a copy of the program's
// data, with helpers that press, drag and click as a user does.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "app/canvas_widget.h"
#include "app/editor_session.h"
#include "app/toolbar.h"
#include "edit/gadget_ids.h"
#include "io/document/document_writer.h"
#include "io/options/options_file.h"
#include "platform/scripted_requesters.h"
#include "support/temp_dir.h"

namespace tavisk::test {

// Options for a normal, unmaximised window without the tip and without the
// question before unsaved changes are left, written before the start.
inline void WriteNormalWindowOptions(int width = 1024, int height = 768) {
  sPzOptions options;
  SetDefaultOptions(options);
  options.WinState = kWindowNormal;
  options.WinW = static_cast<int16_t>(width);
  options.WinH = static_cast<int16_t>(height);
  options.ShowTip = 0;
  options.ConfirmExit = 0;
  SaveOptions(options);
}

// An editor of a test's own making: started in a fresh copy of the program's
// data once writeOptions has written the options file it opens with.
struct EditorStartedAfter {
  explicit EditorStartedAfter(const std::function<void()>& writeOptions) {
    dir.CopyProgramData(TAVISK_SOURCE_DATA);
    writeOptions();
    session = StartEditor(requesters);
    QApplication::processEvents();
  }
  MainWindow& window() { return *session->window; }

  ScopedWorkDir dir;
  ScriptedRequesters requesters;
  std::unique_ptr<EditorSession> session;
};

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.CopyProgramData(TAVISK_SOURCE_DATA);
    WriteNormalWindowOptions();
    session_ = StartEditor(requesters_);
  }

  Editor& ctx() { return session_->ctx; }
  QWidget* gadget(int number) { return session_->panels->Gadgets().Widget(number); }
  template <typename T>
  T* as(int number) {
    return qobject_cast<T*>(gadget(number));
  }
  CanvasWidget* canvas() { return session_->window->Canvas(); }
  sShape& shape(int i) { return ctx().Obj[0].Shape[static_cast<size_t>(i)]; }

  // Canvas pixel (x, y) of the drawing area, as the widget sees it.
  QPoint At(int x, int y) { return canvas()->contentsRect().topLeft() + QPoint(x, y); }

  void ClickGadget(int number) {
    auto* button = as<QAbstractButton>(number);
    ASSERT_NE(button, nullptr) << "gadget " << number;
    button->click();
  }

  // The menu item, as a click on it would choose it.
  void Menu(int item) { session_->window->MenuAction(item)->trigger(); }
  // What the menu item shows, its shortcut included.
  std::string ItemText(int item) {
    return session_->window->MenuAction(item)->text().toStdString();
  }
  bool ItemEnabled(int item) { return session_->window->MenuAction(item)->isEnabled(); }

  // The document as a save writes it.
  std::string Bytes() { return WriteDocumentText(ctx().Obj); }

  // A horizontal line from (300, 100) to (400, 100), shape 0, then a box
  // from (100, 100) to (200, 180), shape 1, which is current.
  void DrawLineAndBox() {
    MakeShape(kGadgetToolLine, At(300, 100), At(400, 100));
    MakeShape(kGadgetToolBox, At(100, 100), At(200, 180));
  }

  void MakeShape(int toolGadget, QPoint from, QPoint to) {
    ClickTool(toolGadget);
    Drag(from, to);
  }

  void ClickTool(int gadget) {
    auto* button =
        qobject_cast<QAbstractButton*>(ToolbarGadget(session_->window->Toolbar(), gadget));
    ASSERT_NE(button, nullptr);
    button->click();
  }

  // A pointer move with the left button held.
  void MoveHeld(QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), canvas()->mapToGlobal(QPointF(to)),
                     Qt::NoButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(canvas(), &move);
  }

  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(canvas(), Qt::LeftButton, modifiers, from);
    MoveHeld(to, modifiers);
    QTest::mouseRelease(canvas(), Qt::LeftButton, modifiers, to);
  }

  ScopedWorkDir dir_;
  ScriptedRequesters requesters_;
  std::unique_ptr<EditorSession> session_;
};

}  // namespace tavisk::test
