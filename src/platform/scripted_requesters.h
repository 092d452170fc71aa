// Requesters that answer from queues and remember what was shown: used by the
// tests and by the command-line tool, which has no one to ask.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/requesters.h"

namespace tavisk {

struct ShownMessage {
  std::string Title;
  std::string Text;
  MessageIcon Icon = MessageIcon::None;
};

struct AskedRequester {
  std::string Kind;  // "open", "save", "color", "font", "input", "ask-save", "yes-no"
  std::string Title;
  std::string Detail;  // pattern or prompt
  std::string Initial;
};

class ScriptedRequesters : public Requesters {
 public:
  // Answers are taken in order; an empty queue answers as if cancelled.
  std::deque<std::string> FileAnswers;
  std::deque<int64_t> ColorAnswers;
  std::deque<FontChoice> FontAnswers;
  std::deque<std::string> InputAnswers;
  std::deque<SaveAnswer> SaveAnswers;
  std::deque<std::optional<bool>> YesNoAnswers;

  std::vector<ShownMessage> Messages;
  std::vector<AskedRequester> Asked;

  void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
  std::string OpenFile(const std::string& title, const std::string& defaultFile,
                       const std::string& pattern, int patternIndex) override;
  std::string SaveFile(const std::string& title, const std::string& defaultFile,
                       const std::string& pattern, int patternIndex) override;
  int64_t Color(int64_t initial) override;
  std::optional<FontChoice> Font(const std::string& name, int size) override;
  std::string Input(const std::string& title, const std::string& prompt,
                    const std::string& initial) override;
  SaveAnswer AskToSave(const std::string& title, const std::string& text) override;
  std::optional<bool> AskYesNo(const std::string& title, const std::string& text) override;
};

}  // namespace tavisk
