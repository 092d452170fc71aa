// Every message box and requester the user sees goes through this interface,
// so tests can answer them and read what the user was told.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavisk {

enum class MessageIcon { None, Error, Info, Question };

enum class SaveAnswer { Save, Discard, Cancel };

struct FontChoice {
  std::string Name;
  int Size = 0;
  int64_t Style = 0;
};

class Requesters {
 public:
  virtual ~Requesters() = default;

  virtual void Message(const std::string& title, const std::string& text, MessageIcon icon) = 0;

  // pattern is "label|*.ext|label|*.ext"; an empty answer means cancelled.
  virtual std::string OpenFile(const std::string& title, const std::string& defaultFile,
                               const std::string& pattern, int patternIndex) = 0;
  virtual std::string SaveFile(const std::string& title, const std::string& defaultFile,
                               const std::string& pattern, int patternIndex) = 0;

  // The chosen colour as an RGBA word with alpha 0; -1 when cancelled.
  virtual int64_t Color(int64_t initial) = 0;

  virtual std::optional<FontChoice> Font(const std::string& name, int size) = 0;

  // The typed text; empty when cancelled.
  virtual std::string Input(const std::string& title, const std::string& prompt,
                            const std::string& initial) = 0;

  // Unsaved changes are about to be left: save them, throw them away, or
  // stay where the user was.
  virtual SaveAnswer AskToSave(const std::string& title, const std::string& text) = 0;

  // A question answered yes (true) or no (false); nullopt when cancelled.
  virtual std::optional<bool> AskYesNo(const std::string& title, const std::string& text) = 0;
};

}  // namespace tavisk
