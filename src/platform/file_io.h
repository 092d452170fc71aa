// Files and paths for the rest of the program: plain bytes, UTF-8 paths.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavisk {

// "data\shapes\x.txt" -> "data/shapes/x.txt": the program's relative data
// paths are written with backslashes and resolve against the current directory.
std::string DataPath(std::string_view windowsStylePath);

std::string JoinPath(const std::string& directory, const std::string& name);

// The file name part of a path: "a/b/c.txt" -> "c.txt".
std::string FileNamePart(const std::string& path);

// Size in bytes; -1 when there is no file of that name (or it is a folder).
int64_t FileSize(const std::string& path);
bool IsRegularFile(const std::string& path);

bool ReadWholeFile(const std::string& path, std::string& bytes);

// Writes a temporary file beside path and renames it over path, so the old
// file stays whole until the new one is complete. Answers false on any failure
// (the old file is then untouched).
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same, for text produced in pieces: writes go to a temporary file beside
// path, which Commit renames over path. Destroyed without a successful
// Commit, the temporary is removed and path is left as it was.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::string& path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once the file could not be made or any write failed.
  bool Write(std::string_view bytes);
  bool Commit();

 private:
  std::string path_;
  std::string temporary_;
  int fd_ = -1;
  bool ok_ = false;
};

// Names of the regular files in directory whose name ends with suffix, in the
// order the folder gives them; empty when the folder cannot be read.
std::vector<std::string> ListFiles(const std::string& directory, std::string_view suffix);

bool MakeDirectories(const std::string& directory);

std::string CurrentDirectory();

}  // namespace tavisk
