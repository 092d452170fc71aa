#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tavisk {

namespace {

// Where the bytes really go: a link is followed, so saving through it
// updates the file it points to and the link stays a link.
std::string ResolvedTarget(const std::string& path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

// The rename is only durable once the folder holding it is on disk.
void SyncFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path) : path_(ResolvedTarget(path)) {
  if (path_.empty()) return;
  struct stat target {};
  if (::stat(path_.c_str(), &target) == 0) {
    if (S_ISDIR(target.st_mode)) return;
    // A replaced file keeps its permissions: a private document stays private.
    mode_ = target.st_mode & 07777;
  } else {
    // mkstemp creates 0600; a new file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_ = 0666 & ~mask;
  }
  temporary_ = path_ + ".tmp-XXXXXX";
  fd_ = ::mkstemp(temporary_.data());
  created_ = fd_ >= 0;
  ok_ = created_;
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) ::close(fd_);
  if (created_ && !committed_) ::unlink(temporary_.c_str());
}

bool AtomicFile::Write(std::string_view bytes) {
  size_t done = 0;
  while (ok_ && done < bytes.size()) {
    const ssize_t wrote = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) ok_ = false;
    if (wrote > 0) done += static_cast<size_t>(wrote);
  }
  written_ += done;
  // Start the disk on what is written so far while the caller makes the
  // rest, so the fsync of Commit waits only for the tail.
  if (ok_ && written_ - startedUpTo_ >= kWritebackStep) {
    ::sync_file_range(fd_, static_cast<off_t>(startedUpTo_),
                      static_cast<off_t>(written_ - startedUpTo_), SYNC_FILE_RANGE_WRITE);
    startedUpTo_ = written_;
  }
  return ok_;
}

bool AtomicFile::Commit() {
  if (!ok_ || committed_) return false;
  ::fchmod(fd_, mode_);
  ok_ = ::fsync(fd_) == 0;
  ok_ = ::close(fd_) == 0 && ok_;
  fd_ = -1;
  ok_ = ok_ && ::rename(temporary_.c_str(), path_.c_str()) == 0;
  committed_ = ok_;
  if (committed_) SyncFolderOf(path_);
  return ok_;
}

}  // namespace tavisk
