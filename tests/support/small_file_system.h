// A 64 KiB tmpfs mounted on a fresh folder for one test, to make a full or a
// read-only file system on demand. Mounting needs root and the right to mount
// (a loop device would need the same); Reason() tells why it is missing.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>

namespace tavisk::test {

class SmallFileSystem {
 public:
  // Mounts on folder, which is created when missing.
  explicit SmallFileSystem(const std::string& folder) : folder_(folder) {
    std::filesystem::create_directories(folder_);
    if (::geteuid() != 0) {
      reason_ = "mounting a tmpfs needs root";
    } else if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k") != 0) {
      reason_ = std::string("mount -t tmpfs -o size=64k failed: ") + std::strerror(errno);
    } else {
      mounted_ = true;
    }
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Reason() const { return reason_; }

  // Takes every free block with a filler file; true once a write met ENOSPC.
  bool Fill() const {
    const int fd = ::open((folder_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string block(4096, 'f');
    ssize_t wrote = 0;
    do {
      wrote = ::write(fd, block.data(), block.size());
    } while (wrote > 0);
    const bool full = wrote < 0 && errno == ENOSPC;
    ::close(fd);
    return full;
  }

  bool MakeReadOnly() const {
    return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::string folder_;
  std::string reason_;
  bool mounted_ = false;
};

}  // namespace tavisk::test
