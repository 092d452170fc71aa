// The system clipboard as the editor sees it: one copy put in several
// formats at once, so that other programs take the one they read, and read
// back one format at a time. The shell implements it over Qt's clipboard;
// the memory clipboard serves the tests and anything without a display.
#pragma once

#include <QImage>
#include <map>
#include <optional>
#include <string>

namespace tavisk {

struct ClipboardContent {
  // The bytes of each format, by MIME type.
  std::map<std::string, std::string> Formats;
  // A picture, offered in the image formats of the platform; null for none.
  QImage Picture;
};

class SystemClipboard {
 public:
  virtual ~SystemClipboard() = default;

  // Replaces whatever the clipboard held.
  virtual void Put(const ClipboardContent& content) = 0;
  // The bytes held in the MIME type format; nullopt when it holds none.
  virtual std::optional<std::string> Read(const std::string& format) const = 0;
};

class MemoryClipboard final : public SystemClipboard {
 public:
  void Put(const ClipboardContent& content) override { content_ = content; }
  std::optional<std::string> Read(const std::string& format) const override {
    const auto found = content_.Formats.find(format);
    if (found == content_.Formats.end()) return std::nullopt;
    return found->second;
  }
  const ClipboardContent& Content() const { return content_; }

 private:
  ClipboardContent content_;
};

}  // namespace tavisk
