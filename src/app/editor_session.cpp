#include "app/editor_session.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include "app/canvas_context_menu.h"
#include "app/canvas_input.h"
#include "app/canvas_widget.h"
#include "app/clipboard_menu.h"
#include "app/event_clock.h"
#include "app/menu_dispatch.h"
#include "app/qt_clipboard.h"
#include "app/tips.h"
#include "app/toolbar.h"
#include "document/numeric.h"
#include "document/object_creation.h"
#include "edit/autosave.h"
#include "edit/file_drops.h"
#include "edit/property_sync.h"
#include "io/options/options_file.h"
#include "platform/clock.h"
#include "render/renderer.h"

namespace tavisk {

namespace {

void ConnectCanvasAndTools(EditorSession& session) {
  Editor& ctx = session.ctx;
  MainWindow& window = *session.window;
  session.tools = std::make_unique<CanvasTools>(ctx, session.history);
  CanvasTools* tools = session.tools.get();
  CanvasWidget* canvas = window.Canvas();
  EditHistory& history = session.history;
  session.frames = std::make_unique<CanvasFrames>(ctx, [canvas] { canvas->Redraw(); });
  CanvasFrames* frames = session.frames.get();
  // Between events the scene around the canvas is painted ahead, a little
  // at a time, so that a pan finds it ready; never while a frame is painted
  // on another thread with the same renderer.
  auto* paintAhead = new QTimer(canvas);
  paintAhead->setSingleShot(true);
  paintAhead->setInterval(0);
  QObject::connect(paintAhead, &QTimer::timeout, canvas, [&ctx, frames, paintAhead] {
    if (!frames->FramePending() && PaintCanvasAhead(ctx, ctx.View)) paintAhead->start();
  });
  canvas->SetPainter([frames, paintAhead](QImage& image) {
    frames->Paint(image);
    paintAhead->start();
  });
  canvas->SetInputHandler([tools, canvas, &window, &ctx, &history](QEvent* event) {
    const std::optional<CanvasInput> input = ToCanvasInput(event, canvas);
    if (!input) return;
    if (input->right) {
      OpenCanvasContextMenu(window, ctx, history, *input);
      return;
    }
    tools->HandleEvent(*input);
    // A press that opened a dialog (a file requester, an error box) lost its
    // release to it: end the gesture now rather than at the next press.
    if (input->kind == CanvasInput::kPress && input->left &&
        !QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) {
      CanvasInput release = *input;
      release.kind = CanvasInput::kRelease;
      tools->HandleEvent(release);
    }
  });
  // Whatever one drop brings in is one step.
  canvas->SetDropHandler([&ctx, &history](const std::vector<std::string>& paths, QPointF at) {
    history.Begin();
    DropFiles(ctx, paths, at);
    history.End("Drop");
  });
  PanelSet* panels = session.panels.get();
  window.SetToolbarFiller([&ctx, &window, panels](QWidget* strip) {
    FillToolbar(strip, ctx, panels->Icons(), [&ctx, &window](uint8_t tool) {
      ChooseTool(ctx, static_cast<Tool>(tool));
      ShowToolPressed(window.Toolbar(), tool);
    });
  });
}

}  // namespace

std::unique_ptr<EditorSession> StartEditor(Requesters& requesters) {
  // The panels are laid out in pixels for a compact dialog font (about 11
  // pixels high); the desktop's larger default cuts their captions short.
  QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
  auto session = std::make_unique<EditorSession>();
  Editor& ctx = session->ctx;
  ctx.Req = &requesters;

  ctx.Obj.assign(1, sObject{});
  ctx.Obj[0].Shape[0].Color = RGBA(189, 21, 64, 255);
  LoadOptions(ctx.Options);
  // The panel width and the strip height are not the user's to choose: they
  // are in place before the window lays anything out from them.
  ctx.Options.PanelW = 150;
  ctx.Options.ToolBarH = 30;

  session->window = std::make_unique<MainWindow>(ctx);
  MainWindow& window = *session->window;
  window.SetEditHistory(&session->history);
  session->panels = std::make_unique<PanelSet>(window, ctx, session->history);
  session->hooks = std::make_unique<AppHooks>(window, *session->panels, ctx);
  ctx.Hooks = session->hooks.get();
  window.BuildMenus();
  InstallMenuOperations(window, ctx, session->history);
  session->clipboard = std::make_unique<QtClipboard>();
  InstallClipboardOperations(window, ctx, *session->clipboard);
  ConnectCanvasAndTools(*session);

  session->panels->LoadIcons();
  ctx.ShapeFile = "1-defaut.txt";
  ctx.UseTool(Tool::Move);
  window.BuildToolbar();
  session->panels->Build();
  // Shown once its panels hold their gadgets: children added to a visible
  // widget would stay hidden.
  window.CentreOnScreen();
  window.show();
  // The keys go to the canvas from the start: Space held there pans from
  // the first gesture on, instead of leaving it to the tool.
  window.Canvas()->setFocus();
  ctx.Hooks->RedrawCanvas();
  SetPropertyGadgetsDisabled(ctx, session->panels->Gadgets(), 1);
  window.ApplyWindowState(ctx.Options.WinState);
  window.LayoutWindow();

  AddObject(ctx, 0);
  // The drawing the editor opens with is where the history starts.
  session->history.Forget();
  StartAutosaveClock(ctx, ElapsedMilliseconds());
  window.BindResize();

  session->tips = BuildTips();
  if (ctx.Options.ShowTip == 1 && !session->tips.empty()) {
    const int64_t pick = RandomInRange(0, static_cast<int64_t>(session->tips.size()) - 1);
    requesters.Message("Tips ! ", session->tips[static_cast<size_t>(pick)], MessageIcon::Question);
  }
  window.BuildToolbar();
  session->eventFilter = std::make_unique<EventClock>(ctx);
  QApplication::instance()->installEventFilter(session->eventFilter.get());
  // A field left ends the step its held or typed changes made. Bound to the
  // event filter, which goes before the hooks when the session ends.
  QObject::connect(qApp, &QApplication::focusChanged, session->eventFilter.get(),
                   [history = &session->history] { history->CloseOpenStep(); });
  return session;
}

void FinishEditor(EditorSession& session) {
  if (session.eventFilter) {
    QApplication::instance()->removeEventFilter(session.eventFilter.get());
  }
  if (!session.window->QuitRequested()) SaveOptions(session.ctx.Options);
}

}  // namespace tavisk
