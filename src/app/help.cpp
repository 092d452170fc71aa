#include "app/help.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "document/editor_context.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

// Pages the browser renders itself; anything else is for the desktop.
bool ShownInWindow(const QUrl& link) {
  if (!link.isLocalFile()) return false;
  const QString suffix = QFileInfo(link.toLocalFile()).suffix().toLower();
  return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

}  // namespace

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

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(QStringLiteral("Tavisk help"));
  resize(640, 560);
  browser_ = new QTextBrowser(this);
  // Links are followed here, so a link to a file the browser cannot render
  // reaches the desktop instead of showing as garbled text.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::Follow);

  auto* back = new QPushButton(QStringLiteral("Back"), this);
  auto* contents = new QPushButton(QStringLiteral("Contents"), this);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
  back->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(contents);
  buttons->addStretch();
  auto* column = new QVBoxLayout(this);
  column->addLayout(buttons);
  column->addWidget(browser_);
  // Over the editor, not wherever the desktop puts new windows.
  move(owner->frameGeometry().center() - rect().center());
}

void HelpWindow::ShowDocument(const QString& path) {
  browser_->setSource(QUrl::fromLocalFile(path));
  show();
  raise();
  activateWindow();
}

void HelpWindow::Follow(const QUrl& link) {
  const QUrl target = browser_->source().resolved(link);
  if (ShownInWindow(target)) {
    browser_->setSource(target);
  } else {
    QDesktopServices::openUrl(target);
  }
}

void ShowHelp(QWidget* owner, Requesters& requesters, int which) {
  if (HelpDocumentPath(which).empty()) return;
  const std::string guide = HelpDocumentPath(1);
  if (FileSize(guide) < 1) {
    requesters.Message("Error", "The help file doesn't exist :  " + guide, MessageIcon::Error);
    return;
  }
  auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (window == nullptr) window = new HelpWindow(owner);
  window->ShowDocument(QString::fromStdString(guide));
}

}  // namespace tavisk
