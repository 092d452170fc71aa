#include "edit/document_file_messages.h"

#include <cerrno>
#include <system_error>

namespace tavisk {

namespace {

// The usual causes in the user's words; anything rarer in the system's.
std::string ReasonInWords(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "the folder does not exist";
    case EACCES:
    case EPERM:
      return "permission denied";
    case EROFS:
      return "the disk is read-only";
    case ENOSPC:
    case EDQUOT:
      return "the disk is full";
    case ENAMETOOLONG:
      return "the name is too long";
    default:
      return std::generic_category().message(error);
  }
}

}  // namespace

void TellNotSaved(Requesters& req, const std::string& path, int error) {
  req.Message("Error",
              "The document could not be saved to " + path + ": " + ReasonInWords(error) + ".",
              MessageIcon::Error);
}

void TellNotADocument(Requesters& req, const std::string& path) {
  req.Message("Error", path + " is not a Tavisk document.", MessageIcon::Error);
}

}  // namespace tavisk
