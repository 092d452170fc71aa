// Runs the built tavisk-cli in a test's folder the way a build script would.
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <string>

#include "support/temp_dir.h"

namespace tavisk::test {

struct CliRun {
  int Code = -1;
  std::string Out;
  std::string Err;
};

inline CliRun RunCli(const ScopedWorkDir& dir, const QStringList& args) {
  QProcess process;
  process.setWorkingDirectory(QString::fromStdString(dir.Path()));
  process.start(QCoreApplication::applicationDirPath() + "/../cli/tavisk-cli", args);
  if (!process.waitForFinished(30000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

}  // namespace tavisk::test
