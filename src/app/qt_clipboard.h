// The system clipboard over Qt's, shared with every other program.
#pragma once

#include "platform/system_clipboard.h"

namespace tavisk {

class QtClipboard final : public SystemClipboard {
 public:
  void Put(const ClipboardContent& content) override;
  std::optional<std::string> Read(const std::string& format) const override;
};

}  // namespace tavisk
