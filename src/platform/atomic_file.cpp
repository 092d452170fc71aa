#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tavisk {

AtomicFile::AtomicFile(const std::string& path) : path_(path) {
  if (path.empty()) return;
  struct stat target {};
  if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) return;
  temporary_ = path + ".tmp-XXXXXX";
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
  return ok_;
}

bool AtomicFile::Commit() {
  if (!ok_ || committed_) return false;
  ok_ = ::fsync(fd_) == 0;
  // mkstemp creates 0600; give the file the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd_, 0666 & ~mask);
  ok_ = ::close(fd_) == 0 && ok_;
  fd_ = -1;
  ok_ = ok_ && ::rename(temporary_.c_str(), path_.c_str()) == 0;
  committed_ = ok_;
  return ok_;
}

}  // namespace tavisk
