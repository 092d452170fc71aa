#include "app/editor_session.h"

#include <QApplication>

#include "app/event_clock.h"
#include "app/menu_dispatch.h"
#include "app/tips.h"
#include "document/numeric.h"
#include "platform/clock.h"

namespace tavisk {

std::unique_ptr<EditorSession> StartEditor(Requesters& requesters) {
  auto session = std::make_unique<EditorSession>();
  EditorContext& ctx = session->ctx;
  ctx.Req = &requesters;

  ctx.Obj.assign(1, sObject{});
  ctx.Obj[0].Shape[0].Color = RGBA(189, 21, 64, 255);
  LoadOptions(ctx.Options);

  session->window = std::make_unique<MainWindow>(ctx);
  MainWindow& window = *session->window;
  session->hooks = std::make_unique<AppHooks>(window);
  ctx.Hooks = session->hooks.get();
  window.show();
  window.BuildMenus();
  InstallMenuOperations(window, ctx);

  ctx.ShapeFile = "1-defaut.txt";
  ctx.Tool = kToolMove;
  ctx.Options.PanelW = 150;
  ctx.Options.ToolBarH = 30;
  window.BuildToolbar();
  ctx.Hooks->RedrawCanvas(0, 0, 1);
  ctx.Hooks->SetPropertyGadgetsDisabled(1);
  window.ApplyWindowState(ctx.Options.WinState);
  window.LayoutWindow();

  ctx.AutosaveNumber = RandomInRange(0, 1000000);
  ctx.AutosaveClock = ElapsedMilliseconds() + ctx.Options.AutosaveTime * 1000;
  window.BindResize();
  session->eventFilter = std::make_unique<EventClock>(ctx);
  QApplication::instance()->installEventFilter(session->eventFilter.get());

  session->tips = BuildTips();
  if (ctx.Options.ShowTip == 1 && !session->tips.empty()) {
    const int64_t pick = RandomInRange(0, static_cast<int64_t>(session->tips.size()) - 1);
    requesters.Message("Tips ! ", session->tips[static_cast<size_t>(pick)],
                       MessageIcon::Question);
  }
  window.BuildToolbar();
  return session;
}

void FinishEditor(EditorSession& session) {
  if (session.eventFilter) {
    QApplication::instance()->removeEventFilter(session.eventFilter.get());
  }
  if (!session.window->QuitRequested()) SaveOptions(session.ctx.Options);
}

}  // namespace tavisk
