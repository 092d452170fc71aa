#include "app/main_loop.h"

#include <QApplication>

#include "app/editor_session.h"
#include "app/error_report.h"
#include "app/qt_requesters.h"
#include "platform/image_codecs.h"

namespace tavisk {

int RunEditor(int argc, char** argv) {
  QApplication application(argc, argv);
  QtRequesters requesters;
  if (!RegisterImageCodecs()) {
    requesters.Message("Error", "Unable to open the image encode/decoder", MessageIcon::Error);
    return 1;
  }
  InstallErrorReport(argv[0]);
  std::unique_ptr<EditorSession> session = StartEditor(requesters);
  requesters.SetParent(session->window.get());
  const int code = QApplication::exec();
  FinishEditor(*session);
  return code;
}

}  // namespace tavisk
