#include "document/picture_store.h"

namespace tavisk {

int64_t PictureStore::Add(QImage image) {
  pictures_.push_back(std::move(image));
  return static_cast<int64_t>(pictures_.size());
}

bool PictureStore::Replace(int64_t handle, QImage image) {
  if (handle < 1 || handle > static_cast<int64_t>(pictures_.size())) return false;
  pictures_[static_cast<size_t>(handle - 1)] = std::move(image);
  return true;
}

const QImage* PictureStore::Get(int64_t handle) const {
  if (handle < 1 || handle > static_cast<int64_t>(pictures_.size())) return nullptr;
  const QImage& picture = pictures_[static_cast<size_t>(handle - 1)];
  return picture.isNull() ? nullptr : &picture;
}

const QImage* PictureStore::Decoded(const std::string& key) const {
  const auto found = decoded_.find(key);
  return found == decoded_.end() ? nullptr : &found->second;
}

bool PictureStore::KeepDecoded(const std::string& key, const QImage& image) {
  const int64_t bytes = static_cast<int64_t>(image.sizeInBytes());
  const auto found = decoded_.find(key);
  const int64_t replaced = found == decoded_.end() ? 0 : found->second.sizeInBytes();
  if (decodedBytes_ - replaced + bytes > budget_) return false;
  decodedBytes_ += bytes - replaced;
  decoded_[key] = image;
  return true;
}

bool PictureStore::ReleaseUnused(const std::function<bool(int64_t handle)>& inUse) {
  for (size_t i = 0; i < pictures_.size(); ++i) {
    const int64_t handle = static_cast<int64_t>(i) + 1;
    if (!IsPlaceholder(handle) && !inUse(handle)) pictures_[i] = QImage();
  }
  const int64_t before = decodedBytes_;
  for (auto it = decoded_.begin(); it != decoded_.end();) {
    // Held by no handle, no icon and no painting under way.
    if (it->second.isDetached()) {
      decodedBytes_ -= it->second.sizeInBytes();
      it = decoded_.erase(it);
    } else {
      ++it;
    }
  }
  return decodedBytes_ < before;
}

int64_t PictureStore::Placeholder() {
  if (placeholder_ == 0) {
    QImage grey(1, 1, QImage::Format_ARGB32_Premultiplied);
    grey.fill(QColor(128, 128, 128, 160));
    placeholder_ = Add(std::move(grey));
  }
  return placeholder_;
}

void PictureStore::StartBatch() {
  refused_.clear();
}

}  // namespace tavisk
