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

int64_t FileSize(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool IsRegularFile(const std::string& path) {
  return FileSize(path) >= 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return false;
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFile file(path);
  return file.Write(bytes) && file.Commit();
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
