#include "platform/stale_temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <string_view>

#include "platform/file_io.h"

namespace tavisk {

namespace {

// A temporary just made by mkstemp is not locked yet; one this young is
// left alone whatever its lock says.
constexpr time_t kStaleAfterSeconds = 10;

// "<name>.tmp-" followed by exactly the six letters or digits mkstemp puts.
bool IsTemporaryOf(std::string_view entry, const std::string& prefix) {
  constexpr size_t kRandomLetters = 6;  // the XXXXXX of the suffix
  if (entry.size() != prefix.size() + kRandomLetters || entry.substr(0, prefix.size()) != prefix) {
    return false;
  }
  for (char c : entry.substr(prefix.size())) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

// Regular, old enough, and no save holds its lock.
bool IsStale(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (std::time(nullptr) - info.st_mtime < kStaleAfterSeconds) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool unheld = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return unheld;
}

}  // namespace

void LockTemporary(int fd) {
  ::flock(fd, LOCK_EX | LOCK_NB);
}

void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderPart(target);
  const std::string prefix = FileNamePart(target) + ".tmp-";
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryOf(entry->d_name, prefix)) continue;
    const std::string path = folder + "/" + entry->d_name;
    if (IsStale(path)) ::unlink(path.c_str());
  }
  ::closedir(listing);
}

}  // namespace tavisk
