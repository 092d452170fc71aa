// A fresh directory for one test, made the current directory while it lives,
// since the program resolves its files against the current directory.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <string>

namespace tavisk::test {

class ScopedWorkDir {
 public:
  ScopedWorkDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~ScopedWorkDir() { QDir::setCurrent(previous_); }
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

  std::string Path() const { return dir_.path().toStdString(); }
  std::string File(const std::string& name) const { return Path() + "/" + name; }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace tavisk::test
