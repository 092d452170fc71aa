#include "platform/file_io.h"

#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

namespace tavisk {

std::string DataPath(std::string_view windowsStylePath) {
  std::string path(windowsStylePath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (directory.empty() || directory == ".") return name;
  if (directory.back() == '/') return directory + name;
  return directory + "/" + name;
}

std::string FileNamePart(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithExtension(const std::string& answer, const std::string& extension) {
  const size_t slash = answer.find_last_of('/');
  const size_t dot = answer.find_last_of('.');
  const bool hasDot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  if (hasDot && answer.compare(dot + 1, std::string::npos, extension) == 0) return answer;
  return answer + "." + extension;
}

std::string FolderPart(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

int64_t FileSize(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool IsRegularFile(const std::string& path) {
  return FileSize(path) >= 0;
}

bool IsSpecialFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return !S_ISREG(info.st_mode);
  return errno == ELOOP;
}

FileOutcome ReadFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  // Opening some devices already acts on them: refuse what is visibly not a
  // file before opening; the descriptor check catches a swap in between.
  if (IsSpecialFile(path)) return FileOutcome::NotRegular;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ELOOP ? FileOutcome::NotRegular : FileOutcome::Failed;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return FileOutcome::Failed;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return FileOutcome::NotRegular;
  }
  bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      bytes.clear();
      return FileOutcome::Failed;
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  return FileOutcome::Done;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  return ReadFile(path, bytes) == FileOutcome::Done;
}

FileOutcome WriteFile(const std::string& path, std::string_view bytes) {
  AtomicFile file(path);
  if (file.Write(bytes) && file.Commit()) return FileOutcome::Done;
  return file.Refused() ? FileOutcome::NotRegular : FileOutcome::Failed;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFile(path, bytes) == FileOutcome::Done;
}

std::vector<std::string> ListFiles(const std::string& directory, std::string_view suffix) {
  std::vector<std::string> names;
  DIR* folder = ::opendir(directory.c_str());
  if (folder == nullptr) return names;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    if (name.size() < suffix.size() ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
      continue;
    }
    if (IsRegularFile(JoinPath(directory, name))) names.push_back(name);
  }
  ::closedir(folder);
  return names;
}

bool MakeDirectories(const std::string& directory) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  return std::filesystem::is_directory(directory, error);
}

std::string CurrentDirectory() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

}  // namespace tavisk
