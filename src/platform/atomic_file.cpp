#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/file_io.h"
#include "platform/stale_temporaries.h"

namespace tavisk {

namespace {

// Where the bytes really go: a chain of links is followed, also to a file
// that does not exist yet, so saving through a link updates (or creates)
// the file it points to and the link stays a link.
std::string ResolvedTarget(const std::string& path) {
  std::string target = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat link {};
    if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
    char next[PATH_MAX];
    const ssize_t size = ::readlink(target.c_str(), next, sizeof next);
    if (size <= 0 || static_cast<size_t>(size) >= sizeof next) return target;
    const std::string pointed(next, static_cast<size_t>(size));
    target = pointed.front() == '/' ? pointed : FolderPart(target) + "/" + pointed;
  }
  return target;
}

// Only a regular file may be replaced, or a missing one created: renaming
// over a FIFO, a device or a link that leads nowhere would put a regular file
// in its place. 0 when the target may be replaced, kNotRegular when something
// else is there, or the errno of a look that failed on the way (a folder
// missing or closed to this user).
constexpr int kNotRegular = -1;
int ReplaceCheck(const std::string& path) {
  struct stat target {};
  if (::lstat(path.c_str(), &target) != 0) return errno == ENOENT ? 0 : errno;
  return S_ISREG(target.st_mode) ? 0 : kNotRegular;
}

// The rename is only durable once the folder holding it is on disk.
void SyncFolderOf(const std::string& path) {
  const int fd = ::open(FolderPart(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path) : path_(ResolvedTarget(path)) {
  if (path_.empty()) {
    error_ = ENOENT;
    return;
  }
  if (const int check = ReplaceCheck(path_); check != 0) {
    Fail(check);
    return;
  }
  struct stat target {};
  if (::stat(path_.c_str(), &target) == 0) {
    // A replaced file keeps its permissions: a private document stays private.
    mode_ = target.st_mode & 07777;
  } else {
    // mkstemp creates 0600; a new file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_ = 0666 & ~mask;
  }
  RemoveStaleTemporaries(path_);
  temporary_ = path_ + kTemporarySuffix;
  fd_ = ::mkstemp(temporary_.data());
  created_ = fd_ >= 0;
  if (!created_) error_ = errno;
  // Held until the file is closed: tells a concurrent save of the same
  // target that this temporary is alive.
  if (created_) LockTemporary(fd_);
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
    if (wrote <= 0) Fail(wrote < 0 ? errno : EIO);
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
  if (::fsync(fd_) != 0) Fail(errno);
  // The lock outlives the checked close by this copy of the descriptor, so
  // the temporary never looks abandoned before its rename.
  const int lockHolder = ::dup(fd_);
  if (::close(fd_) != 0 && ok_) Fail(errno);
  fd_ = -1;
  // The target may have been swapped for a special file while writing.
  if (const int check = ok_ ? ReplaceCheck(path_) : 0; check != 0) Fail(check);
  if (ok_ && ::rename(temporary_.c_str(), path_.c_str()) != 0) Fail(errno);
  if (lockHolder >= 0) ::close(lockHolder);
  committed_ = ok_;
  if (committed_) SyncFolderOf(path_);
  return ok_;
}

void AtomicFile::Fail(int error) {
  ok_ = false;
  refused_ = error == kNotRegular;
  error_ = refused_ ? 0 : error;
}

}  // namespace tavisk
