// A file replaced in one step: bytes go to a temporary file beside the target,
// which is renamed over it only when everything was written, so a crash or a
// full disk never leaves a half-written file. A replaced file keeps its
// permissions, and a symbolic link stays a link to the updated file (or to
// the file it names, created). A target that exists but is not a regular
// file (a FIFO, a device, a folder) is refused: nothing is written. The
// temporaries that a killed save left beside the same target are removed.
#pragma once

#include <sys/types.h>

#include <cstddef>

#include <string>
#include <string_view>

namespace tavisk {

class AtomicFile {
 public:
  // Creates the temporary file; Ok() tells whether that worked.
  explicit AtomicFile(const std::string& path);
  // Removes the temporary file unless Commit succeeded.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  bool Ok() const { return ok_; }

  // True when the target is not a regular file, so nothing was written.
  bool Refused() const { return refused_; }

  // The errno of the step that failed (ENOENT for a missing folder, EACCES
  // for a read-only one, ENOSPC for a full disk); 0 while nothing failed or
  // when the target was refused.
  int Error() const { return error_; }

  // Appends bytes; a failure makes Ok() false for good.
  bool Write(std::string_view bytes);

  // Flushes, closes and renames over the target; false on any failure, the
  // target then untouched.
  bool Commit();

 private:
  // Ends the file's use: a failed look, write, sync or rename.
  void Fail(int error);

  std::string path_;
  std::string temporary_;
  static constexpr size_t kWritebackStep = 4 << 20;
  int fd_ = -1;
  size_t written_ = 0;
  size_t startedUpTo_ = 0;
  mode_t mode_ = 0600;
  bool created_ = false;
  bool ok_ = false;
  bool committed_ = false;
  bool refused_ = false;
  int error_ = 0;
};

}  // namespace tavisk
