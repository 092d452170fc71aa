// The About text and the help window. The guide opens in the editor's own
// window, so help works on a machine without a desktop viewer; only links to
// what that window cannot show go to the desktop.
#pragma once

#include <QWidget>
#include <string>

#include "platform/requesters.h"

class QTextBrowser;
class QUrl;

namespace tavisk {

// Four lines joined by line feeds: what Tavisk is, how it was made, the
// version and the build date (dd/mm/yyyy).
std::string AboutText();

// Absolute path of help document which (0 the RTF guide, 1 the HTML guide),
// under the current directory; empty for any other number.
std::string HelpDocumentPath(int which);

// A top-level window over the main window that browses the HTML guide: its
// contents list and in-page links move within it, Back and Contents go back.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* owner);

  // Shows the document at path from its top and brings the window forward.
  void ShowDocument(const QString& path);
  QTextBrowser* Browser() const { return browser_; }

 private:
  void Follow(const QUrl& link);

  QTextBrowser* browser_;
};

// Opens the guide in owner's help window (made on first use). Both help items
// show the HTML guide: the RTF copy holds the same text, and the window
// cannot render RTF. A missing guide is reported through requesters.
void ShowHelp(QWidget* owner, Requesters& requesters, int which);

}  // namespace tavisk
