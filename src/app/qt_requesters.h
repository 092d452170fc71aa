// The requesters as Qt dialogs.
#pragma once

#include "platform/requesters.h"

class QWidget;

namespace tavisk {

class QtRequesters : public Requesters {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

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

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace tavisk
