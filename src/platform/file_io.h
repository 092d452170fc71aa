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

// The answer with "." and extension appended unless its file name already
// ends in exactly that extension: ("a.png", "png") -> "a.png", ("a.PNG",
// "png") -> "a.PNG.png".
std::string WithExtension(const std::string& answer, const std::string& extension);

// The folder part of a path: "a/b/c.txt" -> "a/b", "c.txt" -> ".".
std::string FolderPart(const std::string& path);

// Size in bytes; -1 when there is no file of that name (or it is a folder).
int64_t FileSize(const std::string& path);
bool IsRegularFile(const std::string& path);

// NotRegular: something other than a regular file is at the path, links
// followed (a FIFO, a device, a folder, a socket, a link loop); such a file
// is never read nor replaced.
enum class FileOutcome { Done, Failed, NotRegular };

// True when a file that is NotRegular in that sense is at path.
bool IsSpecialFile(const std::string& path);

// Reads a regular file whole. Anything else is refused unread: a FIFO
// without a writer would block the reader forever and a device may never
// end, so the file is opened without blocking and checked on the opened
// descriptor before a byte is read.
FileOutcome ReadFile(const std::string& path, std::string& bytes);

// ReadFile, answering whether the bytes were read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Writes a temporary file beside path and renames it over path, so the old
// file stays whole until the new one is complete (see AtomicFile). On any
// failure the old file is untouched.
FileOutcome WriteFile(const std::string& path, std::string_view bytes);

// WriteFile, answering whether the bytes were written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Names of the regular files in directory whose name ends with suffix, in the
// order the folder gives them; empty when the folder cannot be read.
std::vector<std::string> ListFiles(const std::string& directory, std::string_view suffix);

bool MakeDirectories(const std::string& directory);

std::string CurrentDirectory();

}  // namespace tavisk
