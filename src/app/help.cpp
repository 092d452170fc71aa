#include "app/help.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "document/editor_context.h"
#include "platform/file_io.h"

namespace tavisk {

std::string AboutText() {
  return std::string(
             "Tavisk is an editor for creating vector shapes and animation from layered "
             "shapes.\n"
             "It was written in C++ with Qt, libpng and libjpeg, by a small team working on "
             "one shared design.\n"
             "Version : ") +
         kVersionText + "\nDate : " + TAVISK_BUILD_DATE;
}

std::string HelpDocumentPath(int which) {
  const char* relative = which == 0   ? "data\\help\\help.rtf"
                         : which == 1 ? "data\\help\\html\\index.html"
                                      : nullptr;
  if (relative == nullptr) return {};
  return JoinPath(CurrentDirectory(), DataPath(relative));
}

void ShowHelp(int which) {
  const std::string path = HelpDocumentPath(which);
  if (path.empty()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace tavisk
