// A fresh directory for one test, made the current directory while it lives,
// since the program resolves its files against the current directory.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace tavisk::test {

class ScopedWorkDir {
 public:
  ScopedWorkDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~ScopedWorkDir() { QDir::setCurrent(previous_); }
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

  std::string Path() const { return dir_.path().toStdString(); }

  // A copy of the program's own data folder (icons, templates, help), as the
  // editor finds it beside itself; a copy, so nothing a test saves lands in
  // the repository.
  void CopyProgramData(const std::string& sourceData) const {
    std::filesystem::copy(sourceData, File("data"),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
  }
  std::string File(const std::string& name) const { return Path() + "/" + name; }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace tavisk::test
