// tavisk-cli: the image and source exports and the document resave from a
// shell, on the same core as the editor.
#include <QGuiApplication>
#include <iostream>
#include <string>
#include <vector>

#include "cli_arguments.h"
#include "cli_commands.h"

namespace {

// Qt's own notices (a missing runtime folder and the like) would drown the
// tool's messages; only its errors get through.
void ForwardQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::cerr << "tavisk-cli: " << message.toStdString() << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tavisk::cli;
  const ParseResult parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.Error.empty()) {
    std::cerr << "tavisk-cli: " << parsed.Error << "\n\n" << UsageText();
    return kExitUsage;
  }
  // Fonts and painting need a GUI application, a display does not.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(ForwardQtErrors);
  QGuiApplication application(argc, argv);
  return RunCommand(parsed.Args, std::cout, std::cerr);
}
