#include "app/main_loop.h"

#include <QApplication>
#include <QFont>

#include "app/editor_session.h"
#include "app/error_report.h"
#include "app/qt_requesters.h"
#include "platform/image_codecs.h"

namespace tavisk {

int RunEditor(int argc, char** argv) {
  QApplication application(argc, argv);
  // The panels are laid out in pixels for a compact dialog font (about 11
  // pixels high); the desktop's larger default cuts their captions short.
  QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
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
